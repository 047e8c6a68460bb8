#include "win32/win32_desktop.h"

#include "core/dpi_scale.h"
#include "shell/hot_key.h"
#include "shell/tray_menu.h"
#include "shell/tray_presence.h"
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

namespace {

// 0x49: what a drop from a process of lower integrity carries its file list in.
constexpr UINT kCopyGlobalData = 0x49;

bool RunsElevated() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const bool elevated =
      GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) &&
      elevation.TokenIsElevated != 0;
  CloseHandle(token);
  return elevated;
}

}  // namespace

void Win32Desktop::Attach(HWND mainWindow, HINSTANCE instance, int iconId) {
  main_ = mainWindow;
  tray_.Attach(mainWindow, instance, iconId);
  hotKey_.Attach(mainWindow);
}

void Win32Desktop::HearExplorerWhenElevated() {
  // Run as administrator, the window would hear nothing from Explorer, which runs below it: not
  // a new task bar, not a drop. Only then are these let through: an ordinary run lets in no
  // message from the sandboxed programs below it either.
  if (!main_ || !RunsElevated()) return;
  for (const UINT message : {tray_.TaskbarCreatedMessage(), static_cast<UINT>(WM_DROPFILES),
                             static_cast<UINT>(WM_COPYDATA), kCopyGlobalData}) {
    if (message) ChangeWindowMessageFilterEx(main_, message, MSGFLT_ALLOW, nullptr);
  }
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
    OnTaskbarCreated(app);
    return true;
  }
  if (tray_.IsLaterTry(msg, wParam)) {
    tray_.LaterTryTaken();
    OnTrayIconDue(app);
    return true;
  }
  // Seen on the way: the window handles the change itself.
  if (msg == WM_DPICHANGED) tray_.DpiChanged();
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
