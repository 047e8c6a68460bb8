#pragma once
// Editing button records in place: clearing, drawer items pushed in and taken out, copies,
// swaps, moves, inserts, and a new item put on a button. Nothing is saved until shutdown.
#include <string>

#include "core/app.h"

namespace velmarin {

// The drawer slots in use: MaxDrawer within 1..4.
int DrawerSlots(const App& app);

// Empties the item, tool tip and parameters (and with withDrawer the drawer); the icon choice and
// the derived path parts stay.
void ClearButton(App& app, Button& button, bool withDrawer);
// Takes one drawer item out; the items after it close up, so the filled slots stay packed.
void DeleteDrawerItem(App& app, Button& button, int slot);
// Puts an item into drawer slot 0 and pushes the others along; a full drawer loses its last.
void PushDrawerItem(App& app, Button& button, const std::string& item);
// The target becomes a full copy of the source, drawer included.
void CopyButton(App& app, const Button& source, Button& target);
void SwapButtons(App& app, Button& a, Button& b);
// The target becomes the source; the source is cleared with its drawer.
void MoveButton(App& app, Button& source, Button& target);
// The button in slot s goes to slot t; the buttons between close the gap and open one at t.
void InsertButton(App& app, Page& page, int s, int t);
// Button i of the current page takes a new item (a shortcut's target when RegisterLinkTarget is
// on) with its default tool tip; icon choice, parameters, window state and drawer stay.
void AssignItem(App& app, int i, const std::string& item);

}  // namespace velmarin
