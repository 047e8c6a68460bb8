// A program for the launch tests: writes its command line and its working folder, UTF-8, one
// per line, to the file named by its first argument (with no argument, to its own path with
// ".txt" added, for a test that opens it through a shortcut), and adds the command line to that
// file's name with ".log" added. It writes a temporary file first and
// renames it, so that a test waiting for the file never reads half of it.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shellapi.h>
// clang-format on

#include <string>

#include "win32/wide.h"

using velmarin::win32::Narrow;

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 2;
  std::wstring target;
  if (argc >= 2) {
    target = argv[1];
  } else {
    wchar_t self[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH + 1);
    target = std::wstring(self, n) + L".txt";
  }
  LocalFree(argv);

  wchar_t folder[MAX_PATH + 1] = {};
  GetCurrentDirectoryW(MAX_PATH + 1, folder);
  const std::string report = Narrow(GetCommandLineW()) + "\n" + Narrow(folder) + "\n";

  // Every start also adds its command line to TARGET.log, so a test can count the starts.
  HANDLE log = CreateFileW((target + L".log").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log != INVALID_HANDLE_VALUE) {
    const std::string line = Narrow(GetCommandLineW()) + "\n";
    DWORD appended = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &appended, nullptr);
    CloseHandle(log);
  }

  const std::wstring temporary = target + L".part";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 3;
  DWORD written = 0;
  WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  CloseHandle(file);
  return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
