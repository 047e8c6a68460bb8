#pragma once
// A press that reaches a window still holding the mouse from an earlier press: that press's
// release never came. The system can lose it: under wine, a click that closes a popup
// menu may have its button-up dropped with the menu's window, and the window the press went to
// keeps the mouse. Every later click would then go to that window, wherever it was made.
#include <windows.h>

namespace velmarin::win32 {

// Lets `window` give up the stale capture. A press inside its client area stays its own (false:
// handle it as usual); a press outside it is posted to the window of this thread under the point
// (nothing when another program's window is there), and `window` must not act on it (true).
bool HandOnStalePress(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace velmarin::win32
