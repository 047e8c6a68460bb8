#include "win32/bring_forward.h"

namespace velmarin::win32 {

void BringForward(HWND hwnd) {
  if (!hwnd) return;
  if (IsIconic(hwnd)) {
    ShowWindow(hwnd, SW_RESTORE);
  } else if (GetForegroundWindow() != hwnd && IsWindowVisible(hwnd)) {
    ShowWindow(hwnd, SW_HIDE);
    ShowWindow(hwnd, SW_SHOW);
  }
  SetForegroundWindow(hwnd);
}

}  // namespace velmarin::win32
