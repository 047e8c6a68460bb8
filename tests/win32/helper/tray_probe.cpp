// Acts on the main window as other programs and the system do, for the tests on a display whose
// notification area cannot be clicked:
//   tray_probe.exe [right|left|double]   what the notification-area icon sends when clicked
//   tray_probe.exe move X Y              moves the window to X, Y (screen pixels), as another
//                                        program or a window manager may
// Ends with 0 when the message was sent, 1 when no main window was found.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring what = argv && argc >= 2 ? argv[1] : L"right";
  const int x = argv && argc >= 4 ? _wtoi(argv[2]) : 0;
  const int y = argv && argc >= 4 ? _wtoi(argv[3]) : 0;
  if (argv) LocalFree(argv);
  const HWND main = FindWindowW(L"velmarinMForm", nullptr);
  if (!main) return 1;
  if (what == L"move") {
    return SetWindowPos(main, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE)
               ? 0
               : 1;
  }
  UINT mouse = WM_RBUTTONDOWN;
  if (what == L"left") mouse = WM_LBUTTONDOWN;
  if (what == L"double") mouse = WM_LBUTTONDBLCLK;
  // The icon's message and id, as the main window registers them.
  constexpr UINT kTrayMessage = WM_APP + 2;
  constexpr WPARAM kTrayIconId = 1;
  // The menu opens for the window's own thread: this program must not wait for it.
  AllowSetForegroundWindow(ASFW_ANY);
  return PostMessageW(main, kTrayMessage, kTrayIconId, static_cast<LPARAM>(mouse)) ? 0 : 1;
}
