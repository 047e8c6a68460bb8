#pragma once
// The desktop for tests: the tray icon, top-most state, hot key and the main window's state as
// plain fields; what the system answers is set up by the test.
#include <string>

#include "fake/fake_system.h"
#include "platform/desktop.h"

namespace velmarin {

class FakeDesktop : public IDesktop {
 public:
  bool ShowTrayIcon(bool show) override {
    if (show && trayAddsRefused > 0) {
      --trayAddsRefused;
      return false;
    }
    trayIcon = show;
    ++(show ? trayAdds : trayRemovals);
    return true;
  }
  void AddTrayIconLater() override { ++trayLaterTries; }
  void CloseTrayMenu() override { ++trayMenuCloses; }
  bool SetTopMost(bool onTop) override {
    topMost = onTop;
    return true;
  }
  bool RegisterHotKey(const std::string& atomName, int32_t modifiers, int32_t key) override {
    if (!hotKeyAccepted) return false;
    hotKeyAtom = atomName;
    hotKeyModifiers = modifiers;
    hotKeyKey = key;
    return true;
  }
  void UnregisterHotKey() override { hotKeyAtom.clear(); }
  // Disabled by the test, or by a dialog through the system.
  bool MainWindowEnabled() override { return enabled && (!system || system->enabled); }
  void BringMainWindowForward() override { ++forwardCount; }
  void BringDialogForward() override { ++dialogForwardCount; }
  void RestoreMainWindow() override { ++restoreCount; }
  int MainWindowHeight() override { return height; }

  // Set-up.
  bool hotKeyAccepted = true;
  int trayAddsRefused = 0;  // how many adds of the tray icon the system refuses next
  bool enabled = true;
  const FakeSystem* system = nullptr;  // the main window's state as dialogs set it
  int height = 57;
  // What was asked.
  bool trayIcon = false;
  int trayAdds = 0;  // adds and removals the system carried out
  int trayRemovals = 0;
  int trayLaterTries = 0;  // later tries asked for
  bool topMost = false;
  std::string hotKeyAtom;  // empty: none registered
  int32_t hotKeyModifiers = 0;
  int32_t hotKeyKey = 0;
  int trayMenuCloses = 0;
  int forwardCount = 0;
  int dialogForwardCount = 0;
  int restoreCount = 0;
};

}  // namespace velmarin
