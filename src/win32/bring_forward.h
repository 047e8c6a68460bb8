#pragma once
// Bringing one of the program's top-level windows to the front with the keyboard.
#include <windows.h>

namespace velmarin::win32 {

// Restores the window when it is an icon, otherwise, when another window is in front, shows it
// anew, then makes it the foreground window. Under a window manager that owns stacking and the
// keyboard (Wine on an X desktop) asking to be the foreground window changes nothing on the
// screen, while a window that appears is brought to the front with the keyboard everywhere.
void BringForward(HWND hwnd);

}  // namespace velmarin::win32
