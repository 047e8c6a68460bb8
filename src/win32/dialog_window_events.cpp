// What the user does in a dialog's window, handed to the dialog's logic as events; the swatches
// and icon previews painted.
#include "win32/dialog_window.h"
// (windows.h above, the shell's drop list below)
#include <shellapi.h>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

using K = DialogControlKind;

// Posted when a control took the focus: the default button follows it once the move is over
// (the system's own dialog keys tidy the buttons up after they move the focus).
constexpr UINT kFocusMoved = WM_APP + 1;

DialogEvent Event(DialogEventKind kind, const DialogControl& control) {
  DialogEvent event;
  event.kind = kind;
  event.name = control.name;
  event.index = control.index;
  return event;
}

// The preview's icon as the form names it, the program's own at `size` pixels.
HICON PreviewIcon(const DialogControl& c, int size) {
  if (c.iconItem.empty()) return nullptr;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (c.iconFile.empty()) {
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  }
  HICON icon = ExtractIconW(instance, Widen(c.iconFile).c_str(), static_cast<UINT>(c.iconIndex));
  if (icon == reinterpret_cast<HICON>(1)) icon = nullptr;
  if (!icon && !c.iconLibrary) {
    // A folder or a document holds no icons: the shell's picture of it.
    std::wstring path = Widen(c.iconFile);
    path.resize(std::max<size_t>(path.size() + 1, MAX_PATH));
    WORD index = 0;
    icon = ExtractAssociatedIconW(instance, path.data(), &index);
  }
  return icon;
}

}  // namespace

LRESULT CALLBACK DialogWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT DialogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (!pushing_) OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case kFocusMoved:
      FollowFocus();
      return 0;
    case WM_ACTIVATE:
      // The control that had the focus takes it again, not the bare window.
      if (LOWORD(wParam) != WA_INACTIVE && lastFocus_ && IsWindowEnabled(lastFocus_) &&
          IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      return DefWindowProcW(hwnd_, message, wParam, lParam);
    case WM_CLOSE: {
      DialogEvent event;
      event.kind = DialogEventKind::CloseBox;
      Send(event);
      return 0;
    }
    default:
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void DialogWindow::OnCommand(int id, int code) {
  DialogForm& form = dialog_.Form();
  size_t i = static_cast<size_t>(id - kFirstControlId);
  if (id == IDOK || id == IDCANCEL) {
    // Enter presses the push button with the focus, else the default button; Escape the
    // cancelling one.
    HWND focus = GetFocus();
    const bool onButton = IsPushButton(focus);
    for (i = 0; i < form.controls.size(); ++i) {
      const DialogControl& c = form.controls[i];
      const bool focused = i < controls_.size() && controls_[i] == focus;
      const bool pressed = id == IDCANCEL ? c.isCancel : (onButton ? focused : c.isDefault);
      if (pressed && c.enabled && form.enabled) break;
    }
    if (i < form.controls.size()) Send(Event(DialogEventKind::Click, form.controls[i]));
    return;
  }
  if (id < kFirstControlId || i >= form.controls.size()) return;
  const DialogControl control = form.controls[i];
  switch (control.kind) {
    case K::Button:
    case K::CheckBox:
      if (code == BN_CLICKED) Send(Event(DialogEventKind::Click, control));
      break;
    case K::Option:
      if (code == BN_CLICKED) {
        for (DialogControl& other : form.controls) {
          if (other.kind == K::Option && other.group == control.group &&
              other.parent == control.parent && other.parentIndex == control.parentIndex) {
            other.checked = &other == &form.controls[i];
          }
        }
        Send(Event(DialogEventKind::Click, control));
      }
      break;
    case K::TextBox:
      if (code == EN_CHANGE) Send(Event(DialogEventKind::Change, control));
      if (code == EN_SETFOCUS) {
        if (control.selectAllOnFocus) SendMessageW(controls_[i], EM_SETSEL, 0, -1);
        Send(Event(DialogEventKind::GotFocus, control));
      }
      break;
    case K::ListBox:
    case K::MultiList:
      if (code == LBN_SELCHANGE) Send(Event(DialogEventKind::Click, control));
      if (code == LBN_DBLCLK) Send(Event(DialogEventKind::DblClick, control));
      break;
    case K::DropList:
      if (code == CBN_SELCHANGE) Send(Event(DialogEventKind::Click, control));
      break;
    case K::Picture:
      if (code == STN_CLICKED) Send(Event(DialogEventKind::Click, control));
      break;
    default:
      break;
  }
}

void DialogWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const size_t i = static_cast<size_t>(item.CtlID) - kFirstControlId;
  const DialogForm& form = dialog_.Form();
  if (i >= form.controls.size()) return;
  const DialogControl& c = form.controls[i];
  RECT rect = item.rcItem;
  if (c.color >= 0) {
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(c.color));
    FillRect(item.hDC, &rect, brush);
    DeleteObject(brush);
    DrawEdge(item.hDC, &rect, EDGE_SUNKEN, BF_RECT);
  } else {
    FillRect(item.hDC, &rect, GetSysColorBrush(COLOR_BTNFACE));
  }
  // The icon's room grows with the monitor's DPI.
  const int size = scale_.ToScreen(32);
  if (HICON icon = PreviewIcon(c, size)) {
    DrawIconEx(item.hDC, rect.left + (rect.right - rect.left - size) / 2,
               rect.top + (rect.bottom - rect.top - size) / 2, icon, size, size, 0, nullptr,
               DI_NORMAL);
    DestroyIcon(icon);
  }
}

LRESULT CALLBACK DialogWindow::ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
  const auto i = static_cast<size_t>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self || i >= self->oldProcs_.size() || !self->oldProcs_[i]) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->OnControlMessage(i, message, wParam, lParam);
}

LRESULT DialogWindow::OnControlMessage(size_t i, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = controls_[i];
  WNDPROC old = oldProcs_[i];
  if (message == WM_SETFOCUS) {
    lastFocus_ = hwnd;
    PostMessageW(hwnd_, kFocusMoved, 0, 0);
    const LRESULT result = CallWindowProcW(old, hwnd, message, wParam, lParam);
    ChooseFocusedOption(i);
    return result;
  }
  const DialogControl& shown = dialog_.Form().controls[i];
  const bool list = shown.kind == K::ListBox || shown.kind == K::MultiList;
  // Only lists, pictures and the controls that take drops tell of their mouse.
  if (!list && shown.kind != K::Picture && !shown.acceptsDrops) {
    return CallWindowProcW(old, hwnd, message, wParam, lParam);
  }
  const DialogControl control = shown;  // the events below may change the form
  auto lineAt = [&]() -> int {
    if (!list) return -1;
    const LRESULT hit = SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lParam);
    return HIWORD(hit) ? -1 : static_cast<int>(LOWORD(hit));
  };
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      const LRESULT result = CallWindowProcW(old, hwnd, message, wParam, lParam);
      const int line = lineAt();
      // A right press selects the line under the mouse in a single-selection list as well.
      if (message == WM_RBUTTONDOWN && control.kind == K::ListBox && line >= 0) {
        SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
      }
      DialogEvent event = Event(DialogEventKind::MouseDown, control);
      event.button = message == WM_LBUTTONDOWN ? 1 : 2;
      event.line = line;
      Send(event);
      return result;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const LRESULT result = CallWindowProcW(old, hwnd, message, wParam, lParam);
      DialogEvent event = Event(DialogEventKind::MouseUp, control);
      event.button = message == WM_LBUTTONUP ? 1 : 2;
      event.line = lineAt();
      Send(event);
      return result;
    }
    case WM_DROPFILES: {
      auto drop = reinterpret_cast<HDROP>(wParam);
      DialogEvent event = Event(DialogEventKind::Drop, control);
      const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT k = 0; k < count; ++k) {
        std::wstring path(DragQueryFileW(drop, k, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, k, path.data(), static_cast<UINT>(path.size())));
        event.files.push_back(Narrow(path));
      }
      DragFinish(drop);
      if (!event.files.empty()) Send(event);
      return 0;
    }
    default:
      return CallWindowProcW(old, hwnd, message, wParam, lParam);
  }
}

}  // namespace velmarin::win32
