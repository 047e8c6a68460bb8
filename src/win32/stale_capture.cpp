#include "win32/stale_capture.h"

namespace velmarin::win32 {

bool HandOnStalePress(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (GetCapture() == window) ReleaseCapture();
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  RECT client{};
  if (!GetClientRect(window, &client) || PtInRect(&client, point)) return false;
  ClientToScreen(window, &point);
  HWND under = WindowFromPoint(point);
  if (!under || under == window ||
      GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId()) {
    return true;
  }
  POINT local = point;
  RECT underClient{};
  if (!ScreenToClient(under, &local) || !GetClientRect(under, &underClient) ||
      !PtInRect(&underClient, local)) {
    return true;
  }
  // The first press of a pair, whatever the window would make of a double click.
  UINT press = msg;
  if (msg == WM_LBUTTONDBLCLK) press = WM_LBUTTONDOWN;
  if (msg == WM_RBUTTONDBLCLK) press = WM_RBUTTONDOWN;
  if (msg == WM_MBUTTONDBLCLK) press = WM_MBUTTONDOWN;
  PostMessageW(under, press, wParam, MAKELPARAM(local.x, local.y));
  return true;
}

}  // namespace velmarin::win32
