#pragma once
// The mouse on the row of button cells: a press holds the cell down, and its release acts on
// where it landed, with which button and which of Shift and Ctrl (Shift with Ctrl counts as
// neither).
#include <cstdint>

#include "core/app.h"

namespace velmarin {

// A press on cell `index` at (x, y) of the cell: the button is held down (State 2) and painted
// so, and the press is remembered for its release. With Alt alone the cell comes up at once and
// the button's file is dragged out of the window when the mouse moves past the drag distance; an
// Alt press released before that is a click.
void Picture1_MouseDown(App& app, int16_t index, MouseButton button, int shift, int x, int y);
// The held mouse moved to (x, y) of pressed cell `index`.
void Picture1_MouseMove(App& app, int16_t index, int x, int y);

// The release of a press on a cell (or of a shelf entry dragged onto cell `index`). With the left
// button: a click launches the button; a drag moves (Shift), fills the target's drawer (Ctrl) or
// inserts the button; onto the Run box it gives the box a path or the tool tip; onto the open
// shelf it adds the items; outside the window, and with Shift or Ctrl on the own cell, it opens
// the drawer and delete menus. With the right button a menu asks first. Every release ends with
// the pressed cell up again, no menu choice left over and the tool tips up to date.
void Picture1_MouseUp(App& app, int16_t index, MouseButton button, int shift);

// The press on cell `index` was taken away before its release: the cell comes up again and the
// press is forgotten; nothing is launched, moved or asked.
void Picture1_PressCancelled(App& app, int16_t index);

}  // namespace velmarin
