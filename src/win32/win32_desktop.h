#pragma once
// The desktop services on the real system: the tray icon, the top-most state, the hot key and
// the main window brought forward; and the translation of their window messages (the tray
// icon's mouse, the hot key, a new task bar) into the app logic's events.
#include <windows.h>

#include "core/app.h"
#include "platform/desktop.h"
#include "win32/hot_key.h"
#include "win32/tray_icon.h"

namespace velmarin::win32 {

class Win32Desktop : public IDesktop {
 public:
  void Attach(HWND mainWindow, HINSTANCE instance, int iconId);
  // Hands a message of the main window's to the app logic when it is one of these services';
  // false for any other (it goes on to the default handling).
  bool Translate(App& app, UINT msg, WPARAM wParam, LPARAM lParam);
  // Lets Explorer's messages (a new task bar, a drop) reach the main window when the program
  // runs elevated; made once the window has shown (reading the token loads a library).
  void HearExplorerWhenElevated();
  // The main window is going: the icon and the hot key go with it.
  void Detach();

  bool ShowTrayIcon(bool show) override { return tray_.Show(show); }
  void AddTrayIconLater() override { tray_.TryLater(); }
  void CloseTrayMenu() override;
  bool SetTopMost(bool onTop) override;
  bool RegisterHotKey(const std::string& atomName, int32_t modifiers, int32_t key) override {
    return hotKey_.Register(atomName, modifiers, key);
  }
  void UnregisterHotKey() override { hotKey_.Unregister(); }
  bool MainWindowEnabled() override;
  void BringMainWindowForward() override;
  void BringDialogForward() override;
  void RestoreMainWindow() override;
  int MainWindowHeight() override;

 private:
  HWND main_ = nullptr;
  TrayIcon tray_;
  HotKey hotKey_;
};

}  // namespace velmarin::win32
