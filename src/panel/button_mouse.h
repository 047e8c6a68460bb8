#pragma once
// The mouse on the row of button cells: a press holds the cell down, and its release acts on
// where it landed. Built so far: the ordinary click, which launches the button.
#include <cstdint>

#include "core/app.h"

namespace velmarin {

// A press on cell `index`: the button is held down (State 2) and painted so, and the press is
// remembered for its release. With Alt alone the button's file is dragged out of the window.
void Picture1_MouseDown(App& app, int16_t index, MouseButton button, int shift);

// The release of a press on a cell. A left press released over its own cell with no modifier
// (Shift with Ctrl counts as none) launches a filled button with its parameters. Every release
// ends with the pressed cell up again and the tool tips brought up to date.
void Picture1_MouseUp(App& app, int16_t index, MouseButton button, int shift);

}  // namespace velmarin
