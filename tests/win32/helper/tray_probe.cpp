// Acts on the main window as other programs and the system do, for the tests on a display whose
// notification area cannot be clicked:
//   tray_probe.exe [right|left|double]   what the notification-area icon sends when clicked
//   tray_probe.exe move X Y              moves the window to X, Y (screen pixels), as another
//                                        program or a window manager may
//   tray_probe.exe monitors              prints each monitor the system reports, one a line:
//                                        "monitor L,T,R,B work L,T,R,B" (primary first)
// Ends with 0 when the message was sent (or the monitors printed), 1 when no main window (or no
// monitor) was found.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM out) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const RECT& m = info.rcMonitor;
  const RECT& w = info.rcWork;
  char line[160];
  const int n = std::snprintf(line, sizeof line, "monitor %ld,%ld,%ld,%ld work %ld,%ld,%ld,%ld\n",
                              m.left, m.top, m.right, m.bottom, w.left, w.top, w.right, w.bottom);
  auto& text = *reinterpret_cast<std::string*>(out);
  // The primary monitor first.
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    text.insert(0, line, n);
  } else {
    text.append(line, n);
  }
  return TRUE;
}

int PrintMonitors() {
  std::string text;
  EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, reinterpret_cast<LPARAM>(&text));
  if (text.empty()) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(),
                            static_cast<DWORD>(text.size()), &written, nullptr);
  return ok ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring what = argv && argc >= 2 ? argv[1] : L"right";
  const int x = argv && argc >= 4 ? _wtoi(argv[2]) : 0;
  const int y = argv && argc >= 4 ? _wtoi(argv[3]) : 0;
  if (argv) LocalFree(argv);
  if (what == L"monitors") return PrintMonitors();
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
