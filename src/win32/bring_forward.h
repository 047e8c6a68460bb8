#pragma once
// Bringing one of the program's top-level windows to the front with the keyboard.
#include <windows.h>

namespace velmarin::win32 {

// Restores the window when it is an icon and asks for it to be the foreground window; shows it
// anew (hidden and shown, which puts a window in front with the keyboard everywhere) only when
// that did not bring it forward (ShowAnewToComeForward).
void BringForward(HWND hwnd);

}  // namespace velmarin::win32
