#pragma once
// The dots per inch of the monitor a window is on.
#include <windows.h>

namespace velmarin::win32 {

// The window's DPI where the system tells it per window (GetDpiForWindow), otherwise the
// screen's; 96 when neither answers.
int WindowDpi(HWND hwnd);

}  // namespace velmarin::win32
