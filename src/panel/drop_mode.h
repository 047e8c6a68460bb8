#pragma once
// The drop-mode cell beside the row: down in execute mode (files dropped on a cell open with
// its item), up in register mode (they register on the cell).
#include "core/app.h"

namespace velmarin {

// Sets the mode and keeps the cell in step: its picture, and whether it takes drags (only in
// execute mode, so that a drag across it can fall back to register mode).
void SetDropModeShown(App& app, bool execute);

// A press holds the cell down; its release over the cell switches the mode, a release off it
// leaves the mode as it was.
void DDExecute_MouseDown(App& app);
void DDExecute_MouseUp(App& app);
// A click on the mode cell: execute mode becomes register mode and back.
void DDExecute_Click(App& app);
// The press on the mode cell was taken away before its release: the cell shows the mode again.
void DDExecute_PressCancelled(App& app);

// Files dragged across the cell in execute mode switch back to register mode.
void DDExecute_OLEDragOver(App& app);

}  // namespace velmarin
