// A library planted beside a program under the name of a system library (oleacc.dll,
// uxtheme.dll, ...). It does nothing but write down who loaded it: each process that loads it
// appends a line "PROGRAM LIBRARY" (the two file names, lower case) to planted.log beside it.
#include <windows.h>

namespace {

// The file name of a module's path, lower case, as UTF-8.
void AppendName(HMODULE module, char*& out, const char* end) {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  const wchar_t* name = path;
  for (const wchar_t* p = path; *p; ++p) {
    if (*p == L'\\' || *p == L'/') name = p + 1;
  }
  wchar_t lower[MAX_PATH] = {};
  lstrcpynW(lower, name, MAX_PATH);
  CharLowerW(lower);
  const int written = WideCharToMultiByte(CP_UTF8, 0, lower, -1, out, static_cast<int>(end - out),
                                          nullptr, nullptr);
  if (written > 0) out += written - 1;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t log[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(self, log, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return TRUE;
  wchar_t* slash = log;
  for (wchar_t* p = log; *p; ++p) {
    if (*p == L'\\' || *p == L'/') slash = p + 1;
  }
  lstrcpynW(slash, L"planted.log", static_cast<int>(MAX_PATH - (slash - log)));
  char line[2 * MAX_PATH * 3 + 4] = {};
  char* out = line;
  const char* end = line + sizeof(line) - 3;
  AppendName(nullptr, out, end);
  *out++ = ' ';
  AppendName(self, out, end);
  *out++ = '\r';
  *out++ = '\n';
  HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD done = 0;
    WriteFile(file, line, static_cast<DWORD>(out - line), &done, nullptr);
    CloseHandle(file);
  }
  return TRUE;
}
