#pragma once
// The program's place on the desktop beyond its window: the notification-area icon, the top-most
// state, the system-wide hot key, and the main window brought forward or restored.
#include <cstdint>
#include <string>

namespace velmarin {

class IDesktop {
 public:
  virtual ~IDesktop() = default;
  // Adds or removes the program's icon in the notification area; false when the system refused
  // (an add that the system gave up waiting for may still have put the icon there).
  virtual bool ShowTrayIcon(bool show) = 0;
  // Asks for OnTrayIconDue once, a few seconds from now.
  virtual void AddTrayIconLater() = 0;
  // Closes the menu shown from the tray icon, when one is open.
  virtual void CloseTrayMenu() = 0;
  virtual bool SetTopMost(bool onTop) = 0;
  // Registers the one hot key under the named atom, releasing a held one first. The modifier
  // bits (1 Alt, 2 Ctrl, 4 Shift, 8 Win) and the key code are those the settings file keeps.
  // False when the system refuses it (another program holds the key).
  virtual bool RegisterHotKey(const std::string& atomName, int32_t modifiers, int32_t key) = 0;
  virtual void UnregisterHotKey() = 0;
  // Whether the main window takes input (a dialog disables it while open).
  virtual bool MainWindowEnabled() = 0;
  // The main window in front of the others, with the focus.
  virtual void BringMainWindowForward() = 0;
  // The window that keeps the main window disabled (a dialog, or a box in front of one) in front
  // of the others, with the focus, as a click on the disabled main window would bring it.
  virtual void BringDialogForward() = 0;
  // The main window shown and no longer minimized.
  virtual void RestoreMainWindow() = 0;
  // The main window's outer height: layout pixels, its frame in screen pixels.
  virtual int MainWindowHeight() = 0;
};

}  // namespace velmarin
