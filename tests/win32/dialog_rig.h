#pragma once
// The program's dialogs on the real backend under wine, driven as a person drives them: keys and
// mouse clicks go in through SendInput and reach the dialog through the message queue. A window
// of the test stands in for the main window (it owns the dialogs, boxes and menus); the steps of
// a script run one by one from a timer, which fires only when the queue is empty, so each step
// sees what the input before it did, inside the dialog's own modal loop.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app.h"
#include "win32/dialog_window.h"
#include "win32/wide.h"
#include "win32/win32_platform.h"

namespace velmarin::win32 {

// The main window as the dialogs use it: taking input or not, nothing more.
class StandInSystem final : public ISystem {
 public:
  HWND window = nullptr;
  bool AcquireSingleInstance() override { return true; }
  int OuterWidth() override { return 0; }
  int ClientWidth() override { return 0; }
  void ShowMainWindow(bool) override {}
  void MoveMainWindow(const PixelRect&) override {}
  bool IsCursorOverControl(ControlId) override { return false; }
  void CloseOtherWindows() override {}
  void EndProgram() override {}
  void EndProgramNow() override {}
  void RegisterForRestart() override {}
  bool CursorClientPosition(int&, int&) override { return false; }
  void EnableMainWindow(bool enabled) override { EnableWindow(window, enabled); }
  std::optional<ScreenPoint> CursorPosition() override { return std::nullopt; }
  void MoveMainWindowTo(int, int) override {}
  void LetPendingEventsRun() override {}
  bool DragFilesOut(const std::vector<std::string>&) override { return false; }
  PixelSize DragDistance() override { return {4, 4}; }
  void SetMainWindowHeight(int) override {}
};

// What a step answers: true when it is done, false to be run again at the next tick.
using Step = std::function<bool()>;

class DialogRig {
 public:
  DialogRig();
  ~DialogRig();

  App app;
  HWND main = nullptr;  // the stand-in main window
  Win32Platform platform;
  StandInSystem system;

  // Runs `open` (which shows a dialog and returns when it closes) while the steps run in turn;
  // false when the steps did not all finish, or the dialog was still open after them (it is then
  // closed with its close box, so that the test ends).
  bool Run(const std::function<void()>& open, std::vector<Step> steps);
  // Lets the waiting messages run (for modeless windows, outside any modal loop).
  static void Pump();

  // The topmost visible window of the thread with this window class (and caption, when given).
  static HWND Find(const wchar_t* windowClass, const std::string& caption = "");
  // The open dialog in front.
  static HWND Dialog() { return Find(L"velmarinDialog"); }
  // The dialog's control by its name in the form the dialog was built from.
  static HWND Control(const DialogForm& form, const std::string& name, int index = 0);
  static std::string Text(HWND window);
  // The push button that Enter presses now (the one drawn as the default); nullptr when none is.
  static HWND DefaultButton(HWND dialog);

  // Input, as the keyboard and the mouse give it.
  static void Key(WORD key, bool shift = false, bool alt = false);
  static void Type(const std::string& text);
  static void MoveTo(HWND window, int x, int y);  // a point of the window's client area
  static void Click(HWND window, int x, int y, bool right = false, bool twice = false);
  static void ClickCentre(HWND window, bool right = false);

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  std::vector<Step> steps_;
  size_t next_ = 0;
  int ticksAfter_ = 0;
};

}  // namespace velmarin::win32
