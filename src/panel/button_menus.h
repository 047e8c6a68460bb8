#pragma once
// The gestures of the row that open a popup menu first and act on the item chosen: the drawer
// menu, the delete menu, and every release of a right-button press.
#include "core/app.h"

namespace velmarin {

// The drawer menu of the pressed button: a drawer item chosen is launched; with withDelete the
// menu also offers to clear the whole button.
void DrawerMenuGesture(App& app, Button& source, bool withDelete);
// The delete menu of a button: the whole button, its item, its drawer or one drawer item.
void DeleteMenuGesture(App& app, Button& button, int index);
// A right-button press released where ReleaseTarget says; a shelf entry right-dragged onto cell
// `index` asks what to do with it. True when the pressed cell was already brought up (before its
// context menu opened).
bool RightRelease(App& app, int16_t index);

}  // namespace velmarin
