// Where a dialog's keyboard focus goes: moves asked by the dialog's logic and the default button
// that follows the focus.
#include "win32/dialog_window.h"

namespace velmarin::win32 {

namespace {

using K = DialogControlKind;

}  // namespace

// The focus moved by the dialog's logic, with what a move by the user brings (a text box selects
// its text, the default button follows); the caret then goes to the end when asked.
void DialogWindow::MoveFocus(size_t i, bool caretAtEnd) {
  HWND control = controls_[i];
  SetFocus(control);
  if (caretAtEnd && dialog_.Form().controls[i].kind == K::TextBox && GetFocus() == control) {
    SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(-1), -1);
    SendMessageW(control, EM_SETSEL, 0x7fffffff, 0x7fffffff);
  }
}

bool DialogWindow::IsPushButton(HWND control) const {
  const DialogForm& form = dialog_.Form();
  for (size_t i = 0; i < controls_.size() && i < form.controls.size(); ++i) {
    if (control && controls_[i] == control) return form.controls[i].kind == K::Button;
  }
  return false;
}

// The push button with the focus is the default one; with the focus elsewhere in the dialog, the
// form's default button is.
void DialogWindow::FollowFocus() {
  HWND focus = GetFocus();
  if (!focus || !IsChild(hwnd_, focus)) return;
  const DialogForm& form = dialog_.Form();
  const bool onButton = IsPushButton(focus);
  for (size_t i = 0; i < controls_.size() && i < form.controls.size(); ++i) {
    if (form.controls[i].kind != K::Button || !controls_[i]) continue;
    const bool wanted = onButton ? controls_[i] == focus : form.controls[i].isDefault;
    const bool drawn = (GetWindowLongW(controls_[i], GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (wanted != drawn) {
      SendMessageW(controls_[i], BM_SETSTYLE, wanted ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
  }
}

}  // namespace velmarin::win32
