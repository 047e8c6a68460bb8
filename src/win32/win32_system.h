#pragma once
// The program as a whole on a real system: the one-instance lock and the main window.
#include <windows.h>

#include "platform/system.h"
#include "win32/main_window.h"

namespace velmarin::win32 {

class Win32System : public ISystem {
 public:
  explicit Win32System(MainWindow& window) : window_(window) {}
  ~Win32System() override;
  Win32System(const Win32System&) = delete;
  Win32System& operator=(const Win32System&) = delete;

  bool AcquireSingleInstance() override;
  int OuterWidth() override;
  int ClientWidth() override;
  void ShowMainWindow(bool visible) override;
  void MoveMainWindow(const PixelRect& outer) override;
  bool IsCursorOverControl(ControlId id) override;
  void CloseOtherWindows() override;
  void EndProgram() override;
  void EndProgramNow() override;
  void RegisterForRestart() override;
  bool CursorClientPosition(int& x, int& y) override;
  void EnableMainWindow(bool enabled) override;
  std::optional<ScreenPoint> CursorPosition() override;
  void MoveMainWindowTo(int left, int top) override;
  void LetPendingEventsRun() override;
  bool DragFilesOut(const std::vector<std::string>& paths) override;
  PixelSize DragDistance() override;
  void SetMainWindowHeight(int outerHeight) override;

 private:
  MainWindow& window_;
  HANDLE instanceLock_ = nullptr;
};

}  // namespace velmarin::win32
