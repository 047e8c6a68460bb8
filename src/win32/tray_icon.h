#pragma once
// The program's icon in the notification area. Its mouse messages come to the main window as a
// private message (never as mouse moves over the window), and it is added again when the task
// bar is made again.
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
  bool Show(bool show);
  // The task bar was made again (its message is registered by name): the icon goes back.
  bool IsTaskbarCreated(UINT msg) const { return taskbarCreated_ != 0 && msg == taskbarCreated_; }
  void TaskbarCreated();

 private:
  bool Notify(DWORD what);

  HWND owner_ = nullptr;
  HINSTANCE instance_ = nullptr;
  int iconId_ = 0;
  HICON icon_ = nullptr;
  bool shown_ = false;
  UINT taskbarCreated_ = 0;
};

}  // namespace velmarin::win32
