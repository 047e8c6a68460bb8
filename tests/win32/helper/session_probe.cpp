// Sends the main window what the system sends, for the session script:
//   session_probe.exe end       asks every top-level window of the program whether the session
//                               may end, then tells them it ends, as the Restart Manager does
//                               when an installer needs the program's files
//                               (WM_QUERYENDSESSION, then WM_ENDSESSION TRUE, both with
//                               ENDSESSION_CLOSEAPP)
//   session_probe.exe cancel    the same, but tells them the end was called off (wParam FALSE)
//   session_probe.exe remove    takes the program's icon out of the notification area, as a task
//                               bar that went away does
//   session_probe.exe taskbar   tells every window a new task bar was made ("TaskbarCreated")
//   session_probe.exe icon      ends with 0 when the program's icon is in the notification area
// Ends with 0 when it was done, 1 when no main window was found (or, for "icon", no icon), 2 on
// bad arguments.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shellapi.h>
// clang-format on

#include <string>
#include <vector>

namespace {

struct Windows {
  DWORD process = 0;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectOfProcess(HWND w, LPARAM data) {
  auto* windows = reinterpret_cast<Windows*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(w, &process);
  if (process == windows->process) windows->found.push_back(w);
  return TRUE;
}

// The system asks and tells each top-level window of the program in turn, and waits for each.
int EndSession(HWND main, bool ending) {
  Windows windows;
  GetWindowThreadProcessId(main, &windows.process);
  EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&windows));
  DWORD_PTR answer = 0;
  for (HWND w : windows.found) {
    SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP, SMTO_NORMAL, 5000, &answer);
  }
  for (HWND w : windows.found) {
    // The program may end while it is told: the call then returns without an answer.
    SendMessageTimeoutW(w, WM_ENDSESSION, ending ? TRUE : FALSE, ENDSESSION_CLOSEAPP, SMTO_NORMAL,
                        10000, &answer);
  }
  return 0;
}

// The program's icon: its main window and id 1, as the main window adds it.
bool NotifyIcon(HWND main, DWORD what) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = main;
  data.uID = 1;
  data.uFlags = 0;  // a change of nothing: answers whether the icon is there
  return Shell_NotifyIconW(what, &data) != FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return 2;
  const std::wstring what = argv[1];
  LocalFree(argv);
  if (what == L"taskbar") {
    const UINT created = RegisterWindowMessageW(L"TaskbarCreated");
    return created && SendNotifyMessageW(HWND_BROADCAST, created, 0, 0) ? 0 : 1;
  }
  const HWND main = FindWindowW(L"velmarinMForm", nullptr);
  if (!main) return 1;
  if (what == L"end" || what == L"cancel") return EndSession(main, what == L"end");
  if (what == L"remove") return NotifyIcon(main, NIM_DELETE) ? 0 : 1;
  if (what == L"icon") return NotifyIcon(main, NIM_MODIFY) ? 0 : 1;
  return 2;
}
