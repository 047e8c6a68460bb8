#pragma once
// A dialog's window built from its form: the controls made once, the user's input read back into
// the form before each event is handed to the dialog's logic, and the form shown again after it.
#include <windows.h>

#include <vector>

#include "core/dpi_scale.h"
#include "platform/dialogs.h"

namespace velmarin::win32 {

class DialogWindow {
 public:
  DialogWindow(IDialog& dialog, HWND owner);
  ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Makes and shows the window; false when it could not be made.
  bool Create();
  HWND Handle() const { return hwnd_; }
  bool Done() const { return done_; }
  IDialog& Dialog() { return dialog_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnControlMessage(size_t i, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(int id, int code);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  HWND MakeControl(const DialogControl& control, int id);
  void AddToolTip(HWND control, const std::string& text);
  void Pull();
  void Push();
  void Send(DialogEvent event);
  bool FrameVisible(const DialogControl& control) const;

  IDialog& dialog_;
  HWND owner_;
  HWND hwnd_ = nullptr;
  HWND toolTips_ = nullptr;
  HFONT font_ = nullptr;
  DpiScale scale_;  // the form's layout pixels on the owner's monitor
  std::vector<HWND> controls_;
  std::vector<WNDPROC> oldProcs_;
  std::vector<DialogControl> shown_;  // what each control shows now
  bool pushing_ = false;
  bool fresh_ = false;  // the controls show nothing of the form yet
  bool done_ = false;
};

}  // namespace velmarin::win32
