#pragma once
// Painting of the three small window cells: a face for up or pushed and the icon of the library
// that shows the cell's toggle value.
#include "core/app.h"

namespace velmarin {

// Redraws the cell a PushButton is bound to: its face, the skin under the two toggles, and the
// library icon 6 + 2 * Index + Value.
void PaintPushButton(App& app, const PushButton& button);

}  // namespace velmarin
