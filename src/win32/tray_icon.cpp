#include "win32/tray_icon.h"

#include <shellapi.h>

namespace velmarin::win32 {

namespace {

constexpr UINT kTrayIconId = 1;
constexpr wchar_t kTip[] = L"velmarin";

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

bool TrayIcon::Notify(DWORD what) {
  if (!owner_) return false;
  if (!icon_ && iconId_ > 0) {
    icon_ = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), 0));
  }
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = owner_;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kMsgTrayIcon;
  data.hIcon = icon_;
  lstrcpynW(data.szTip, kTip, static_cast<int>(sizeof(data.szTip) / sizeof(data.szTip[0])));
  return Shell_NotifyIconW(what, &data) != FALSE;
}

bool TrayIcon::Show(bool show) {
  if (show == shown_) return true;
  const bool done = Notify(show ? NIM_ADD : NIM_DELETE);
  // A removal that failed leaves nothing to remove later either.
  shown_ = show && done;
  return done;
}

void TrayIcon::TaskbarCreated() {
  if (shown_) Notify(NIM_ADD);
}

}  // namespace velmarin::win32
