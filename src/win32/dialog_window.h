#pragma once
// A dialog's window built from its form: the controls made once, the user's input read back into
// the form before each event is handed to the dialog's logic, and the form shown again after it.
// It behaves as a system dialog does: Enter presses the focused push button (the default button
// follows the focus), the focus comes back to the control that had it when the window is
// activated again, and a modal dialog gives its owner back its input before it goes.
#include <windows.h>

#include <vector>

#include "core/dpi_scale.h"
#include "platform/dialogs.h"

namespace velmarin::win32 {

// The id of the form's control i is kFirstControlId + i.
inline constexpr int kFirstControlId = 1000;

class DialogWindow {
 public:
  // A modal dialog keeps its owner disabled while it is open.
  DialogWindow(IDialog& dialog, HWND owner, bool modal);
  ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Makes and shows the window; false when it could not be made.
  bool Create();
  HWND Handle() const { return hwnd_; }
  bool Done() const { return done_; }
  IDialog& Dialog() { return dialog_; }
  // Shows the window in front of the others, as it is.
  void BringForward();

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnControlMessage(size_t i, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  HWND MakeControl(const DialogControl& control, int id);
  // The dialog takes the DPI of the monitor it stands on: its scale and its font (given to the
  // controls there are); the window's size for the form, its frame as this monitor draws it.
  void TakeDpi(int dpi);
  void SizeWindow(int left, int top);
  RECT OuterRect() const;  // the window's size for the form at this DPI, from (0, 0)
  // The dialog came onto a monitor of another DPI: everything at the new size.
  void OnDpiChanged(int dpi, const RECT& suggested);
  void AddToolTip(HWND control, const std::string& text);
  void Pull();
  void Push();
  void Send(DialogEvent event);
  void MoveFocus(size_t i, bool caretAtEnd);
  void FollowFocus();
  bool IsPushButton(HWND control) const;
  bool FrameVisible(const DialogControl& control) const;
  // Option groups: control i is an option after one of its own group (every other control
  // starts a group of its own, so the arrow keys move only among options); the group's one Tab
  // stop is its checked option, or its first while none is; an option the keys move to is chosen.
  bool ContinuesOptionGroup(size_t i) const;
  void KeepOptionTabStop(size_t i);
  void ChooseFocusedOption(size_t i);

  IDialog& dialog_;
  HWND owner_;
  bool modal_;
  HWND hwnd_ = nullptr;
  HWND lastFocus_ = nullptr;  // the control that had the focus last
  HWND toolTips_ = nullptr;
  HFONT font_ = nullptr;
  static constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  DpiScale scale_;  // the form's layout pixels on the dialog's own monitor
  std::vector<HWND> controls_;
  std::vector<WNDPROC> oldProcs_;
  std::vector<DialogControl> shown_;  // what each control shows now
  bool pushing_ = false;
  bool fresh_ = false;  // the controls show nothing of the form yet
  bool done_ = false;
};

}  // namespace velmarin::win32
