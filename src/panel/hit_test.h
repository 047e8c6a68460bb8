#pragma once
// Where the mouse is when a press on a cell ends: over the Run box, the open shelf, a cell of the
// row or nothing.
#include <cstdint>

#include "core/app.h"

namespace velmarin {

// What lies at a client point (pixels): TargetRun, TargetShelf, a cell index or TargetNone. The
// Run box wins over the shelf and the cells, the open shelf over the cells, and a lower cell
// over a higher one. Only the cells that show a button (0..MaxButton-1) count.
int16_t HitTestPoint(App& app, int x, int y);

// HitTestPoint at the cursor as it is now. When the cursor cannot be read, the last position
// read is used.
int16_t HitTestCursor(App& app);

}  // namespace velmarin
