#include "win32/run_box_edit.h"

#include "run/run_box.h"
#include "shell/cell_access.h"
#include "win32/stale_capture.h"
#include "win32/window_accessible.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kOldProc[] = L"velmarinRunEditProc";
constexpr wchar_t kApp[] = L"velmarinRunEditApp";

UINT CompositionWrittenMessage() {
  static const UINT message = RegisterWindowMessageW(L"velmarinRunCompositionWritten");
  return message;
}

LRESULT CALLBACK EditProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto old = reinterpret_cast<WNDPROC>(GetPropW(edit, kOldProc));
  auto* app = static_cast<App*>(GetPropW(edit, kApp));
  if (!old) return DefWindowProcW(edit, msg, wParam, lParam);
  if (!app) return CallWindowProcW(old, edit, msg, wParam, lParam);
  if (msg != 0 && msg == CompositionWrittenMessage()) {
    Run_CompositionEnd(*app);
    return 0;
  }
  switch (msg) {
    case WM_CHAR: {
      // Enter may end the program and destroy the box: a swallowed key touches nothing after.
      const int code = Run_KeyPress(*app, static_cast<int>(wParam));
      if (code == 0) return 0;
      return CallWindowProcW(old, edit, msg, static_cast<WPARAM>(code), lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      // The field takes the mouse from a left press to its release; holding it at a new press
      // means the release was lost, and a press made elsewhere belongs elsewhere.
      if (GetCapture() == edit && HandOnStalePress(edit, msg, wParam, lParam)) return 0;
      break;
    case WM_SETFOCUS: {
      const LRESULT result = CallWindowProcW(old, edit, msg, wParam, lParam);
      Run_GotFocus(*app);
      return result;
    }
    case WM_IME_STARTCOMPOSITION:
      Run_CompositionStart(*app);
      break;
    case WM_IME_ENDCOMPOSITION: {
      const LRESULT result = CallWindowProcW(old, edit, msg, wParam, lParam);
      // The written text may still be on its way as characters posted to the field: the
      // composition ends for the box behind them, so that they are not typed over a completion
      // or an opened list, and what was written completes once.
      const UINT written = CompositionWrittenMessage();
      if (!written || !PostMessageW(edit, written, 0, 0)) Run_CompositionEnd(*app);
      return result;
    }
    case WM_GETOBJECT:
      // The hot key puts the keyboard here: a screen reader names the field as the Run box.
      if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) {
        if (IAccessible* named = MakeWindowAccessible(edit, kRunBoxAccessName, ROLE_SYSTEM_TEXT)) {
          const LRESULT result = LresultFromObject(kIidAccessible, wParam, named);
          named->Release();
          if (result > 0) return result;
        }
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
      RemovePropW(edit, kOldProc);
      RemovePropW(edit, kApp);
      break;
    default:
      break;
  }
  return CallWindowProcW(old, edit, msg, wParam, lParam);
}

}  // namespace

void WatchRunEdit(HWND combo, App& app) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(combo, &info) || !info.hwndItem) return;
  HWND edit = info.hwndItem;
  if (GetPropW(edit, kOldProc)) return;
  SetPropW(edit, kApp, &app);
  const LONG_PTR old = SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc));
  if (old) {
    SetPropW(edit, kOldProc, reinterpret_cast<HANDLE>(old));
  } else {
    RemovePropW(edit, kApp);
  }
}

}  // namespace velmarin::win32
