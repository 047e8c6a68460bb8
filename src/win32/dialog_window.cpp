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
  const DialogForm& form = dialog_.Form();
  // The corner is a place on the desktop, in the screen's pixels; the size is the form's, made
  // for the monitor the dialog stands on: first as the owner's monitor would have it, then, once
  // the window is there, for its own monitor.
  TakeDpi(WindowDpi(owner_));
  const RECT outer = OuterRect();
  hwnd_ = CreateWindowExW(kExStyle, kClassName, Widen(form.caption).c_str(), kStyle, form.rect.left,
                          form.rect.top, outer.right - outer.left, outer.bottom - outer.top, owner_,
                          nullptr, instance, nullptr);
  if (!hwnd_) return false;
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  if (const int dpi = WindowDpi(hwnd_); dpi != scale_.Dpi()) {
    TakeDpi(dpi);
    SizeWindow(form.rect.left, form.rect.top);
  }
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
      SendMessageW(controls_[i], UDM_SETRANGE32, c.upDownMin, c.upDownMax);
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

void DialogWindow::TakeDpi(int dpi) {
  scale_ = DpiScale(dpi);
  // The message font of the system, at the size for this monitor.
  NONCLIENTMETRICSW metrics{};
  HFONT font = NonClientMetricsForDpi(metrics, scale_.Dpi())
                   ? CreateFontIndirectW(&metrics.lfMessageFont)
                   : nullptr;
  if (!font) return;  // the old font stays
  for (HWND control : controls_) {
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  if (font_) DeleteObject(font_);
  font_ = font;
}

RECT DialogWindow::OuterRect() const {
  const DialogForm& form = dialog_.Form();
  const PixelRect client = scale_.ToScreen(PixelRect{0, 0, form.rect.width, form.rect.height});
  RECT outer{0, 0, client.width, client.height};
  AdjustRectForDpi(outer, kStyle, kExStyle, scale_.Dpi());
  return outer;
}

void DialogWindow::SizeWindow(int left, int top) {
  const RECT outer = OuterRect();
  SetWindowPos(hwnd_, nullptr, left, top, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  if (DpiScale(dpi) == scale_) return;
  TakeDpi(dpi);
  // The system's corner keeps the dialog under the mouse that drags it; the size is the form's.
  SizeWindow(suggested.left, suggested.top);
  const DialogForm& form = dialog_.Form();
  for (size_t i = 0; i < controls_.size() && i < form.controls.size(); ++i) {
    if (!controls_[i]) continue;
    const PixelRect rect = scale_.ToScreen(form.controls[i].rect);
    MoveWindow(controls_[i], rect.left, rect.top, rect.width, rect.height, FALSE);
  }
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
      // Tab stop or not as the form's checks say (KeepOptionTabStop).
      cls = L"BUTTON";
      style |= BS_RADIOBUTTON;
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
  if (!ContinuesOptionGroup(static_cast<size_t>(id - kFirstControlId))) style |= WS_GROUP;
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

}  // namespace velmarin::win32
