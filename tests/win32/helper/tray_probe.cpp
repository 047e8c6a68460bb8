// Sends the main window what its notification-area icon sends when clicked, for the tests on a
// display whose notification area cannot be clicked:
//   tray_probe.exe [right|left|double]
// Ends with 0 when the message was sent, 1 when no main window was found.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring what = argv && argc >= 2 ? argv[1] : L"right";
  if (argv) LocalFree(argv);
  UINT mouse = WM_RBUTTONDOWN;
  if (what == L"left") mouse = WM_LBUTTONDOWN;
  if (what == L"double") mouse = WM_LBUTTONDBLCLK;
  const HWND main = FindWindowW(L"velmarinMForm", nullptr);
  if (!main) return 1;
  // The icon's message and id, as the main window registers them.
  constexpr UINT kTrayMessage = WM_APP + 2;
  constexpr WPARAM kTrayIconId = 1;
  // The menu opens for the window's own thread: this program must not wait for it.
  AllowSetForegroundWindow(ASFW_ANY);
  return PostMessageW(main, kTrayMessage, kTrayIconId, static_cast<LPARAM>(mouse)) ? 0 : 1;
}
