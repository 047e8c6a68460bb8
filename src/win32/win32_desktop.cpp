#include "win32/win32_desktop.h"

#include "core/dpi_scale.h"
#include "shell/hot_key.h"
#include "shell/tray_menu.h"
#include "win32/bring_forward.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

TrayMouse ReadTrayMouse(LPARAM lParam) {
  switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDOWN:
      return TrayMouse::LeftDown;
    case WM_LBUTTONDBLCLK:
      return TrayMouse::LeftDoubleClick;
    case WM_RBUTTONDOWN:
      return TrayMouse::RightDown;
    default:
      return TrayMouse::Other;
  }
}

}  // namespace

void Win32Desktop::Attach(HWND mainWindow, HINSTANCE instance, int iconId) {
  main_ = mainWindow;
  tray_.Attach(mainWindow, instance, iconId);
  hotKey_.Attach(mainWindow);
}

void Win32Desktop::Detach() {
  tray_.Show(false);
  hotKey_.Unregister();
}

bool Win32Desktop::Translate(App& app, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kMsgTrayIcon) {
    OnTrayMouse(app, ReadTrayMouse(lParam));
    return true;
  }
  if (msg == WM_HOTKEY) {
    // Another id is not ours: it goes on untouched.
    if (!hotKey_.IsOurs(wParam)) return false;
    OnHotKey(app);
    return true;
  }
  if (tray_.IsTaskbarCreated(msg)) {
    tray_.TaskbarCreated();
    return true;
  }
  return false;
}

void Win32Desktop::CloseTrayMenu() { EndMenu(); }

bool Win32Desktop::SetTopMost(bool onTop) {
  if (!main_) return false;
  return SetWindowPos(main_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                      SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE) != FALSE;
}

bool Win32Desktop::MainWindowEnabled() { return main_ && IsWindowEnabled(main_); }

void Win32Desktop::BringMainWindowForward() {
  if (!main_) return;
  BringForward(main_);
  SetActiveWindow(main_);
  SetFocus(main_);
}

void Win32Desktop::BringDialogForward() {
  if (!main_) return;
  // The window the system would bring forward for a click on the disabled main window: the last
  // active of those it owns; one disabled by a box of its own hands on to that box.
  HWND popup = GetLastActivePopup(main_);
  for (int depth = 0; popup && popup != main_ && !IsWindowEnabled(popup) && depth < 8; ++depth) {
    const HWND next = GetLastActivePopup(popup);
    if (next == popup) break;
    popup = next;
  }
  if (!popup || popup == main_) return;
  BringForward(popup);
}

void Win32Desktop::RestoreMainWindow() {
  if (main_) ShowWindow(main_, SW_RESTORE);
}

int Win32Desktop::MainWindowHeight() {
  RECT rc{};
  RECT client{};
  if (!main_ || !GetWindowRect(main_, &rc) || !GetClientRect(main_, &client)) return 0;
  // In layout pixels, as the window's width is given: the inside scaled back, the frame as it is.
  const int frame = (rc.bottom - rc.top) - client.bottom;
  return DpiScale(WindowDpi(main_)).ToLayout(client.bottom) + frame;
}

}  // namespace velmarin::win32
