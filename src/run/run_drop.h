#pragma once
// Files dropped on the Run box become text in it: the first path, long or short as the Shift or
// Ctrl key or the right button's menu asks, in double quotes when it holds a space, after what
// the box already holds.
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// Something dragged over the box: the mouse buttons held (1 left, 2 right), kept for the drop.
void Run_OLEDragOver(App& app, int buttons);
// Files dropped on the box with the shift value (1 Shift, 2 Ctrl) held.
void Run_OLEDragDrop(App& app, const std::vector<std::string>& files, int shift);

// The menu asking which form of a path to insert. The tool-tip item is for a button dragged on
// the box; a dropped file has no tool tip.
Menu RunDRMenu(bool withToolTip);

}  // namespace velmarin
