#pragma once
// Files dragged out of the window from a cell or the shelf. An Alt press only gets the drag
// ready: it starts once the held mouse has moved past the system's drag distance, so an Alt-click
// stays a click. While the drag runs, the control it came from takes no drop: files let go where
// they were picked up stay where they were.
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// An Alt press at (x, y) of control `from`: its files go out when the mouse moves far enough.
void ReadyDragOut(App& app, ControlId from, int x, int y);
// The press is over (released, or another press came): no drag starts from it.
void ForgetDragOut(App& app);
// A move of the held mouse to (x, y) of `from`: true when it takes the mouse past the drag
// distance from a press made ready there, which it then forgets.
bool DragOutStartsAt(App& app, ControlId from, int x, int y);
// Drags the files out of the window as a copy, from control `from`.
void DragFilesOutOf(App& app, ControlId from, const std::vector<std::string>& files);
// Whether files being dragged out came from `control`.
bool DraggedOutOf(const App& app, ControlId control);

}  // namespace velmarin
