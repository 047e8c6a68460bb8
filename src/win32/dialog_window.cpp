#include "win32/dialog_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include "win32/bring_forward.h"
#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kClassName[] = L"velmarinDialog";
using K = DialogControlKind;

void RegisterOnce(HINSTANCE instance) {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  registered = RegisterClassExW(&wc) != 0;
}

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool IsList(K kind) { return kind == K::ListBox || kind == K::MultiList; }

}  // namespace

DialogWindow::DialogWindow(IDialog& dialog, HWND owner, bool modal)
    : dialog_(dialog), owner_(owner), modal_(modal) {}

DialogWindow::~DialogWindow() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (toolTips_) DestroyWindow(toolTips_);
  if (font_) DeleteObject(font_);
}

bool DialogWindow::Create() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterOnce(instance);
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);
  }
  const DialogForm& form = dialog_.Form();
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  scale_ = DpiScale(WindowDpi(owner_));
  const PixelRect rect = scale_.ToScreen(form.rect);
  RECT outer{0, 0, rect.width, rect.height};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  hwnd_ = CreateWindowExW(exStyle, kClassName, Widen(form.caption).c_str(), style, rect.left,
                          rect.top, outer.right - outer.left, outer.bottom - outer.top, owner_,
                          nullptr, instance, nullptr);
  if (!hwnd_) return false;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  toolTips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                              nullptr, instance, nullptr);
  const size_t count = form.controls.size();
  controls_.assign(count, nullptr);
  oldProcs_.assign(count, nullptr);
  shown_ = form.controls;
  // Frames first, so that they lie under what they hold; the rest in the form's (tab) order.
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < count; ++i) {
      const DialogControl& control = form.controls[i];
      if ((control.kind == K::Frame) != (pass == 0)) continue;
      controls_[i] = MakeControl(control, kFirstControlId + static_cast<int>(i));
    }
  }
  for (size_t i = 0; i < count; ++i) {
    const DialogControl& c = form.controls[i];
    if (c.kind == K::UpDown) {
      for (size_t j = 0; j < count; ++j) {
        if (form.controls[j].name == c.buddy && form.controls[j].index == c.index) {
          SendMessageW(controls_[i], UDM_SETBUDDY, reinterpret_cast<WPARAM>(controls_[j]), 0);
        }
      }
      SendMessageW(controls_[i], UDM_SETRANGE32, 0, c.upDownMax);
    }
    // Every control tells where the focus goes; lists, pictures and drop targets their mouse.
    if (controls_[i]) {
      SetWindowLongPtrW(controls_[i], GWLP_USERDATA, static_cast<LONG_PTR>(i));
      oldProcs_[i] = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(controls_[i], GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProc)));
    }
    if (c.acceptsDrops) DragAcceptFiles(controls_[i], TRUE);
  }
  if (modal_ && owner_) EnableWindow(owner_, FALSE);
  // Everything as the form says, as if it had all changed.
  fresh_ = true;
  Push();
  fresh_ = false;
  ShowWindow(hwnd_, SW_SHOW);
  return true;
}

void DialogWindow::BringForward() {
  if (!hwnd_ || done_) return;
  win32::BringForward(hwnd_);
}

HWND DialogWindow::MakeControl(const DialogControl& c, int id) {
  const wchar_t* cls = L"STATIC";
  DWORD style = WS_CHILD;
  DWORD exStyle = 0;
  switch (c.kind) {
    case K::Label:
      // Notify: the label takes the mouse itself, so that its tool tip sees it.
      style |= SS_LEFT | SS_NOTIFY;
      break;
    case K::TextBox:
      cls = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case K::Button:
      cls = L"BUTTON";
      style |= WS_TABSTOP | (c.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case K::CheckBox:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_AUTOCHECKBOX;
      break;
    case K::Option:
      cls = L"BUTTON";
      style |= WS_TABSTOP | BS_RADIOBUTTON;
      break;
    case K::Frame:
      cls = L"BUTTON";
      style |= BS_GROUPBOX;
      break;
    case K::ListBox:
    case K::MultiList:
      cls = L"LISTBOX";
      style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
               (c.kind == K::MultiList ? LBS_EXTENDEDSEL : 0);
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case K::DropList:
      cls = L"COMBOBOX";
      style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
      break;
    case K::Picture:
      style |= SS_OWNERDRAW | SS_NOTIFY;
      break;
    case K::UpDown:
      cls = UPDOWN_CLASSW;
      style |= UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
      break;
  }
  if (c.kind == K::Frame && c.rect.height <= 2) {
    cls = L"STATIC";
    style = WS_CHILD | SS_ETCHEDHORZ;
  }
  const PixelRect rect = scale_.ToScreen(c.rect);
  HWND hwnd = CreateWindowExW(exStyle, cls, L"", style, rect.left, rect.top, rect.width,
                              rect.height, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
  if (hwnd && font_) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return hwnd;
}

void DialogWindow::AddToolTip(HWND control, const std::string& text) {
  if (!toolTips_ || !control) return;
  std::wstring wide = Widen(text);
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = wide.data();
  SendMessageW(toolTips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (!text.empty()) SendMessageW(toolTips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

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
        c.iconIndex != was.iconIndex) {
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

void DialogWindow::Send(DialogEvent event) {
  if (done_) return;
  Pull();
  dialog_.OnEvent(event);
  Push();
}

}  // namespace velmarin::win32
