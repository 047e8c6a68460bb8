#pragma once
// The program's icon in the notification area. Its mouse messages come to the main window as a
// private message (never as mouse moves over the window). The app logic decides when it is
// added again (a new task bar, a later try after a failed add); a one-shot timer of the main
// window brings that later try.
#include <windows.h>

namespace velmarin::win32 {

inline constexpr UINT kMsgTrayIcon = WM_APP + 2;

class TrayIcon {
 public:
  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  void Attach(HWND owner, HINSTANCE instance, int iconId);
  // Adds the icon (or finds it already there) or removes it; false when the system refused.
  bool Show(bool show);
  // The task bar was made again (its message is registered by name).
  bool IsTaskbarCreated(UINT msg) const { return taskbarCreated_ != 0 && msg == taskbarCreated_; }
  UINT TaskbarCreatedMessage() const { return taskbarCreated_; }
  // The later try: a timer of the owner window, a few seconds from now, fired once.
  void TryLater();
  bool IsLaterTry(UINT msg, WPARAM wParam) const;
  void LaterTryTaken();
  // The screen's scale may have changed: the icon is made anew at its new size, and the shown
  // one takes it.
  void DpiChanged();

 private:
  bool Notify(DWORD what, UINT flags);
  // The icon at the small-icon size of the task bar's DPI, made anew when that DPI changed.
  void MakeIcon();

  HWND owner_ = nullptr;
  HINSTANCE instance_ = nullptr;
  int iconId_ = 0;
  HICON icon_ = nullptr;
  int iconDpi_ = 0;     // the DPI the icon was made for
  bool added_ = false;  // the last add went through, or an add was not followed by a removal
  UINT taskbarCreated_ = 0;
};

}  // namespace velmarin::win32
