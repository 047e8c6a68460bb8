// A dialog's form read back from its window before each event and shown again after it.
#include "win32/dialog_window.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

using K = DialogControlKind;

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool IsList(K kind) { return kind == K::ListBox || kind == K::MultiList; }

}  // namespace

bool DialogWindow::FrameVisible(const DialogControl& control) const {
  if (control.parent.empty()) return true;
  for (const DialogControl& frame : dialog_.Form().controls) {
    if (frame.name == control.parent && frame.index == control.parentIndex) {
      return frame.visible && FrameVisible(frame);
    }
  }
  return true;
}

void DialogWindow::Pull() {
  DialogForm& form = dialog_.Form();
  for (size_t i = 0; i < form.controls.size() && i < controls_.size(); ++i) {
    DialogControl& c = form.controls[i];
    HWND hwnd = controls_[i];
    if (!hwnd) continue;
    if (c.kind == K::TextBox) c.text = Narrow(WindowText(hwnd));
    if (c.kind == K::CheckBox) c.checked = SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (IsList(c.kind)) {
      c.selected.assign(c.items.size(), false);
      for (size_t line = 0; line < c.items.size(); ++line) {
        c.selected[line] = SendMessageW(hwnd, LB_GETSEL, line, 0) > 0;
      }
    }
    if (c.kind == K::DropList) {
      const LRESULT line = SendMessageW(hwnd, CB_GETCURSEL, 0, 0);
      c.selected.assign(c.items.size(), false);
      if (line >= 0 && static_cast<size_t>(line) < c.items.size()) c.selected[line] = true;
    }
    shown_[i].text = c.text;
    shown_[i].checked = c.checked;
    shown_[i].selected = c.selected;
  }
}

void DialogWindow::Push() {
  if (!hwnd_) return;
  pushing_ = true;
  DialogForm& form = dialog_.Form();
  if (Narrow(WindowText(hwnd_)) != form.caption) SetWindowTextW(hwnd_, Widen(form.caption).c_str());
  EnableWindow(hwnd_, form.enabled);
  for (size_t i = 0; i < form.controls.size() && i < controls_.size(); ++i) {
    const DialogControl& c = form.controls[i];
    DialogControl& was = shown_[i];
    HWND hwnd = controls_[i];
    if (!hwnd) continue;
    if ((fresh_ || c.caption != was.caption) && c.kind != K::TextBox) {
      SetWindowTextW(hwnd, Widen(c.caption).c_str());
    }
    if ((fresh_ || c.text != was.text) && c.kind == K::TextBox) {
      SetWindowTextW(hwnd, Widen(c.text).c_str());
    }
    if (c.kind == K::CheckBox || c.kind == K::Option) {
      SendMessageW(hwnd, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (c.kind == K::Option) KeepOptionTabStop(i);
    if (fresh_ || c.items != was.items) {
      const bool combo = c.kind == K::DropList;
      SendMessageW(hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
      for (const std::string& item : c.items) {
        SendMessageW(hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Widen(item).c_str()));
      }
      was.selected.clear();
    }
    if (fresh_ || c.selected != was.selected) {
      if (c.kind == K::DropList || c.kind == K::ListBox) {
        int line = -1;
        for (size_t k = 0; k < c.selected.size(); ++k) {
          if (c.selected[k]) line = static_cast<int>(k);
        }
        SendMessageW(hwnd, c.kind == K::DropList ? CB_SETCURSEL : LB_SETCURSEL,
                     static_cast<WPARAM>(line), 0);
      } else if (c.kind == K::MultiList) {
        for (size_t k = 0; k < c.items.size(); ++k) {
          SendMessageW(hwnd, LB_SETSEL, k < c.selected.size() && c.selected[k], k);
        }
      }
    }
    if (fresh_ || c.toolTip != was.toolTip) AddToolTip(hwnd, c.toolTip);
    if (c.color != was.color || c.iconItem != was.iconItem || c.iconFile != was.iconFile ||
        c.iconIndex != was.iconIndex || c.iconLibrary != was.iconLibrary) {
      InvalidateRect(hwnd, nullptr, TRUE);
    }
    EnableWindow(hwnd, c.enabled);
    ShowWindow(hwnd, c.visible && FrameVisible(c) ? SW_SHOWNA : SW_HIDE);
    was = c;
  }
  pushing_ = false;
  if (!form.focusName.empty()) {
    // Taken before the move, whose got-focus event may ask for another.
    const std::string name = form.focusName;
    const int index = form.focusIndex;
    const bool caretAtEnd = form.caretAtEnd;
    form.focusName.clear();
    for (size_t i = 0; i < form.controls.size() && i < controls_.size(); ++i) {
      const DialogControl& c = form.controls[i];
      if (c.name == name && c.index == index && controls_[i]) {
        MoveFocus(i, caretAtEnd);
        break;
      }
    }
  }
  if (form.closed && !done_) {
    done_ = true;
    // The owner takes input again before the dialog goes, so that the activation returns to it.
    if (modal_ && owner_) EnableWindow(owner_, TRUE);
    ShowWindow(hwnd_, SW_HIDE);
  }
}

void DialogWindow::Send(DialogEvent event) {
  if (done_) return;
  Pull();
  dialog_.OnEvent(event);
  Push();
}

}  // namespace velmarin::win32
