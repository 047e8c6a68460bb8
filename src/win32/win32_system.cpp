#include "win32/win32_system.h"

#include <algorithm>

#include "win32/drag_source.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

// One name per user session: a second start in the same session finds the first one's lock.
constexpr wchar_t kInstanceLockName[] = L"Local\\velmarinSingleInstance";

BOOL CALLBACK CloseIfNotMain(HWND hwnd, LPARAM mainWindow) {
  // Only what the user can see: dialogs and boxes, not the helpers of the controls.
  if (hwnd != reinterpret_cast<HWND>(mainWindow) && IsWindowVisible(hwnd)) {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
  }
  return TRUE;
}

}  // namespace

Win32System::~Win32System() {
  if (instanceLock_) CloseHandle(instanceLock_);
}

bool Win32System::AcquireSingleInstance() {
  if (instanceLock_) return true;
  HANDLE lock = CreateMutexW(nullptr, FALSE, kInstanceLockName);
  const DWORD error = GetLastError();
  if (lock && error == ERROR_ALREADY_EXISTS) {
    CloseHandle(lock);
    return false;
  }
  // A lock that cannot be made at all does not keep the user from the program.
  instanceLock_ = lock;
  return true;
}

// Sizes are the main window's layout pixels (MainWindow::Scale), its frame counted in screen
// pixels; places on the desktop are the screen's own pixels.
int Win32System::OuterWidth() { return window_.OuterLayoutRect().width; }

int Win32System::ClientWidth() {
  window_.ApplyPendingMove();
  RECT rc{};
  GetClientRect(window_.Handle(), &rc);
  return window_.Scale().ToLayout(rc.right);
}

void Win32System::ShowMainWindow(bool visible) {
  window_.Show(visible);
}

void Win32System::MoveMainWindow(const PixelRect& outer) { window_.MoveTo(outer); }

bool Win32System::IsCursorOverControl(ControlId id) {
  POINT cursor{};
  RECT rc{};
  if (!window_.ScreenRect(id, rc) || !GetCursorPos(&cursor)) return false;
  return PtInRect(&rc, cursor) != FALSE;
}

void Win32System::CloseOtherWindows() {
  EnumThreadWindows(GetCurrentThreadId(), &CloseIfNotMain,
                    reinterpret_cast<LPARAM>(window_.Handle()));
}

bool Win32System::CursorClientPosition(int& x, int& y) {
  POINT cursor{};
  if (!window_.Handle() || !GetCursorPos(&cursor)) return false;
  window_.ApplyPendingMove();
  if (!ScreenToClient(window_.Handle(), &cursor)) return false;
  x = window_.Scale().ToLayout(cursor.x);
  y = window_.Scale().ToLayout(cursor.y);
  return true;
}

void Win32System::EndProgram() {
  if (window_.Handle() && IsWindow(window_.Handle())) {
    DestroyWindow(window_.Handle());
  } else {
    PostQuitMessage(0);
  }
}

// The session is ending: the settings are saved and the icon is gone. A dialog's or a menu's
// loop may be running under the system's message, and unwinding each of them would take the
// rest of the session's time; the process simply ends, as the system would end it after a
// log-off.
void Win32System::EndProgramNow() { ExitProcess(0); }

// No command line: the program takes none. Registered for an update's restart only; the system
// brings back a program that ran at least a minute.
void Win32System::RegisterForRestart() {
  RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);
}

void Win32System::EnableMainWindow(bool enabled) {
  if (window_.Handle()) EnableWindow(window_.Handle(), enabled ? TRUE : FALSE);
}

std::optional<ScreenPoint> Win32System::CursorPosition() {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return std::nullopt;
  return ScreenPoint{cursor.x, cursor.y};
}

void Win32System::MoveMainWindowTo(int left, int top) {
  if (!window_.Handle()) return;
  window_.ApplyPendingMove();
  window_.MoveCornerTo(left, top);
}

void Win32System::LetPendingEventsRun() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The loop that ends the program is the main one: it gets the quit again.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool Win32System::DragFilesOut(const std::vector<std::string>& paths) {
  return win32::DragFilesOut(paths);
}

// The system's drag rectangle in the window's layout pixels, at least one pixel either way.
PixelSize Win32System::DragDistance() {
  const DpiScale& scale = window_.Scale();
  return {std::max(1, scale.ToLayout(MetricForDpi(SM_CXDRAG, scale.Dpi()))),
          std::max(1, scale.ToLayout(MetricForDpi(SM_CYDRAG, scale.Dpi())))};
}

void Win32System::SetMainWindowHeight(int outerHeight) {
  HWND hwnd = window_.Handle();
  if (!hwnd) return;
  PixelRect outer = window_.OuterLayoutRect();
  outer.height = outerHeight;
  window_.MoveTo(outer);
}


}  // namespace velmarin::win32
