#pragma once
// A dialog open over the main window. While a dialog (or a box) keeps the main window disabled,
// the model must not change under it: the main window's other ways in (the tray icon, the hot
// key, files dropped on it, another dialog) do nothing, and a click that would have used one
// brings the open dialog forward instead.
#include "core/app.h"

namespace velmarin {

// Whether a dialog or a box keeps the main window disabled now.
bool DialogOpen(const App& app);

// The open dialog (or the box in front of it) comes forward with the keyboard.
void BringDialogForward(App& app);

}  // namespace velmarin
