#pragma once
// The program as a whole and its main window, as start-up and shutdown need them.
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace velmarin {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

class ISystem {
 public:
  virtual ~ISystem() = default;
  // Takes the one-instance lock of the user's session. False when another instance holds it;
  // the lock stays held until this program ends.
  virtual bool AcquireSingleInstance() = 0;
  // Places on the desktop (a window's corner, the cursor) are in the screen's own pixels; sizes
  // of the main window in layout pixels, its frame counted in screen pixels.
  // The main window's outer width and its client width.
  virtual int OuterWidth() = 0;
  virtual int ClientWidth() = 0;
  virtual void ShowMainWindow(bool visible) = 0;
  // Outer position and size of the main window.
  virtual void MoveMainWindow(const PixelRect& outer) = 0;
  // Whether the mouse cursor is now inside the control's rectangle.
  virtual bool IsCursorOverControl(ControlId id) = 0;
  // Closes every other window of the program (dialogs, the About box).
  virtual void CloseOtherWindows() = 0;
  // Destroys the main window and ends the message loop. The unload handler does not run again.
  virtual void EndProgram() = 0;
  // Ends the program at once, from inside whatever loop is running (a dialog's, a menu's, a
  // message box's): the session is ending and nothing else will be asked of it.
  virtual void EndProgramNow() = 0;
  // Asks the system to start the program again when it closed it to update files or the system
  // (not after a crash or a hang).
  virtual void RegisterForRestart() = 0;

  // The mouse cursor now, in the main window's client pixels; false when it cannot be read.
  virtual bool CursorClientPosition(int& x, int& y) = 0;
  // The main window taking input or not; the mouse cursor in screen pixels (none when the system
  // cannot tell); the main window moved to a new outer top-left corner, keeping its size.
  virtual void EnableMainWindow(bool enabled) = 0;
  virtual std::optional<ScreenPoint> CursorPosition() = 0;
  virtual void MoveMainWindowTo(int left, int top) = 0;

  // Lets the window events waiting now run, between the launches of several items.
  virtual void LetPendingEventsRun() = 0;
  // Drags files (full paths) out of the window as a copy, until they are dropped or the drag is
  // given up; false when no drag could start.
  virtual bool DragFilesOut(const std::vector<std::string>& paths) = 0;
  // How far the mouse may move from where it was pressed, either way, before the press becomes a
  // drag; in the pixels of the mouse events.
  virtual PixelSize DragDistance() = 0;
  // The main window's outer height changed, its place and width kept (the shelf opening).
  virtual void SetMainWindowHeight(int outerHeight) = 0;
};

}  // namespace velmarin
