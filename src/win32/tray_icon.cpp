#include "win32/tray_icon.h"

#include <shellapi.h>

#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

constexpr UINT kTrayIconId = 1;
constexpr wchar_t kTip[] = L"velmarin";
constexpr UINT_PTR kLaterTryTimer = 0x7E41;
// Long enough for a task bar busy at sign-in to have settled.
constexpr UINT kLaterTryMs = 4000;

// The small-icon width at a DPI.
int SmallIconSize(int dpi) { return MetricForDpi(SM_CXSMICON, dpi); }

// The notification area is drawn by the task bar at the DPI of its own monitor.
int TaskbarDpi(HWND fallback) {
  const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  return WindowDpi(taskbar ? taskbar : fallback);
}

}  // namespace

TrayIcon::~TrayIcon() {
  if (icon_) DestroyIcon(icon_);
}

void TrayIcon::Attach(HWND owner, HINSTANCE instance, int iconId) {
  owner_ = owner;
  instance_ = instance;
  iconId_ = iconId;
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
}

void TrayIcon::MakeIcon() {
  const int dpi = TaskbarDpi(owner_);
  if (iconId_ <= 0 || (icon_ && dpi == iconDpi_)) return;
  const int size = SmallIconSize(dpi);
  const auto made = static_cast<HICON>(
      LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON, size, size, 0));
  if (!made) return;
  // The old icon goes only after the shown one has been given the new.
  const HICON old = icon_;
  icon_ = made;
  iconDpi_ = dpi;
  if (old && added_) Notify(NIM_MODIFY, NIF_ICON);
  if (old) DestroyIcon(old);
}

bool TrayIcon::Notify(DWORD what, UINT flags) {
  if (!owner_) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = kTrayIconId;
  data.uFlags = flags;
  data.uCallbackMessage = kMsgTrayIcon;
  data.hIcon = icon_;
  lstrcpynW(data.szTip, kTip, static_cast<int>(sizeof(data.szTip) / sizeof(data.szTip[0])));
  return Shell_NotifyIconW(what, &data) != FALSE;
}

bool TrayIcon::Show(bool show) {
  if (!show) {
    // Asked whatever the last add answered: an add the system gave up waiting for may have
    // put the icon there all the same.
    const bool removed = Notify(NIM_DELETE, 0);
    added_ = false;
    return removed;
  }
  MakeIcon();
  constexpr UINT kAll = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  // An add refused because the icon is there already (a late answer to an earlier add, or a
  // second wish) counts when the icon takes the change.
  added_ = Notify(NIM_ADD, kAll) || Notify(NIM_MODIFY, kAll);
  return added_;
}

void TrayIcon::TryLater() {
  if (owner_) SetTimer(owner_, kLaterTryTimer, kLaterTryMs, nullptr);
}

bool TrayIcon::IsLaterTry(UINT msg, WPARAM wParam) const {
  return msg == WM_TIMER && wParam == kLaterTryTimer;
}

void TrayIcon::LaterTryTaken() {
  if (owner_) KillTimer(owner_, kLaterTryTimer);
}

void TrayIcon::DpiChanged() { MakeIcon(); }

}  // namespace velmarin::win32
