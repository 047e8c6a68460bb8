#pragma once
// Painting the row of button cells: a cell's face for its state (with the skin under it), the
// button's icon and drawer ticks, whole pages, and the cells' tool tips.
#include <cstdint>

#include "core/app.h"
#include "platform/controls.h"

namespace velmarin {

// The cell's face for state 1 (up) or 2 (held down); a state below 1 is raised to 1 in place.
// With the skin on, the inside of the cell shows the skin under it and the 2-pixel frame stays.
void PaintButtonBase(App& app, ControlId obj, int16_t& state);

// Cell i of the current page as up: face, icon at (2, 2) and drawer ticks, after the button's
// path parts are brought up to date. The button's State is left as it is.
void RepaintButton(App& app, int i);
// Every cell that shows a button.
void RepaintPage(App& app);
// Brings every held-down cell up again, as when the window loses the mouse.
void RestoreButtons(App& app);
// Each cell's tool tip becomes its button's tool tip, when tool tips are on; when they are off,
// the texts set earlier stay.
void ApplyToolTips(App& app);

// The cells that show a button: MaxButton within 1..12.
int VisibleCellCount(const App& app);

}  // namespace velmarin
