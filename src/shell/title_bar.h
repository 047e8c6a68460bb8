#pragma once
// The title strip in place of a caption: the caption cells drag the window, the arrow cells step
// through the history (3 back, 4 forward) and the pages (5 previous, 6 next, round the end), and
// the right button opens the main menu.
#include "core/app.h"
#include "shell/window_events.h"

namespace velmarin {

void TitleBar_MouseDown(App& app, int index, MouseButton button);
void TitleBar_MouseMove(App& app, int index);
void TitleBar_MouseUp(App& app, int index, MouseButton button);
// A title cell was painted: the skin under the Run box is painted again when the box is skinned.
void TitleBar_Paint(App& app, int index);

// The press on title cell `index` was taken away before its release: a drag of the window ends
// where it is, the arrow cell comes up, and no page turns.
void TitleBar_PressCancelled(App& app, int index);

// What a click on title cell `index` does besides the press: an arrow cell (3 to 6) turns the
// page; the caption cells do nothing.
void TitleBar_Click(App& app, int index);

// An arrow cell (3 to 6) back in its up face with the icon for where the history stands; other
// indexes do nothing.
void RestoreTurnCell(App& app, int index);

// The main window became active or inactive: a drag ends, cells left held down come up, and the
// caption takes the title's colours for the state.
void Activate(App& app, bool active);

// A press on the window outside the cells: the Run box is emptied when a click is to clear it.
void Form_MouseDown(App& app);

}  // namespace velmarin
