// Where a dialog's keyboard focus goes: moves asked by the dialog's logic, the default button
// that follows the focus, and the option groups, each one Tab stop inside which the arrow keys
// move and choose.
#include <algorithm>

#include "win32/dialog_window.h"

namespace velmarin::win32 {

namespace {

using K = DialogControlKind;

// Options of one group exclude each other.
bool SameOptionGroup(const DialogControl& a, const DialogControl& b) {
  return a.kind == K::Option && b.kind == K::Option && a.group == b.group && a.parent == b.parent &&
         a.parentIndex == b.parentIndex;
}

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

// The frames are made before the rest, so the control made before this one is the form's last
// one before it that is no frame.
bool DialogWindow::ContinuesOptionGroup(size_t i) const {
  const std::vector<DialogControl>& controls = dialog_.Form().controls;
  for (size_t k = i; k-- > 0;) {
    if (controls[k].kind != K::Frame) return SameOptionGroup(controls[k], controls[i]);
  }
  return false;
}

void DialogWindow::KeepOptionTabStop(size_t i) {
  const std::vector<DialogControl>& controls = dialog_.Form().controls;
  size_t first = i;
  bool anyChecked = false;
  for (size_t k = 0; k < controls.size(); ++k) {
    if (!SameOptionGroup(controls[k], controls[i])) continue;
    first = std::min(first, k);
    anyChecked = anyChecked || controls[k].checked;
  }
  const bool stop = anyChecked ? controls[i].checked : first == i;
  HWND hwnd = controls_[i];
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  const LONG_PTR wanted = stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
  if (wanted != style) SetWindowLongPtrW(hwnd, GWL_STYLE, wanted);
}

// Reached with the keys (an arrow inside its group, Tab onto a group with none chosen), an option
// is chosen; pressed with the mouse, the click chooses it when the button comes up.
void DialogWindow::ChooseFocusedOption(size_t i) {
  const DialogControl& c = dialog_.Form().controls[i];
  if (c.kind != K::Option || c.checked || !c.enabled || pushing_) return;
  if (GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0) return;
  OnCommand(kFirstControlId + static_cast<int>(i), BN_CLICKED);
}

}  // namespace velmarin::win32
