#include "win32/win32_shell.h"

#include <shellapi.h>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

// The format dialog's "default format" identifier and its error result.
constexpr UINT kFormatDefaultId = 0xFFFF;
constexpr int kFormatError = -1;

using FormatDriveFn = DWORD(WINAPI*)(HWND, UINT, UINT, UINT);

// The format dialog lives in shell32 without a declaration in every SDK; look it up once.
FormatDriveFn FormatDriveEntry() {
  static const FormatDriveFn entry = [] {
    HMODULE shell32 = GetModuleHandleW(L"shell32.dll");
    if (!shell32) shell32 = LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!shell32) return FormatDriveFn{};
    return reinterpret_cast<FormatDriveFn>(
        reinterpret_cast<void*>(GetProcAddress(shell32, "SHFormatDrive")));
  }();
  return entry;
}

}  // namespace

std::wstring DoubleNulList(const std::vector<std::string>& paths) {
  std::wstring list;
  for (const std::string& path : paths) {
    const std::wstring wide = Widen(path);
    // A NUL inside a path would split it; keep only the part before it.
    const std::wstring piece = wide.substr(0, wide.find(L'\0'));
    if (piece.empty()) continue;
    list += piece;
    list.push_back(L'\0');
  }
  list.push_back(L'\0');
  return list;
}

void Win32Shell::Execute(const std::string& verb, const std::string& file,
                         const std::string& params, const std::string& folder, int show) {
  const std::wstring wideVerb = Widen(verb);
  const std::wstring wideFile = Widen(file);
  const std::wstring wideParams = Widen(params);
  const std::wstring wideFolder = Widen(folder);
  ShellExecuteW(GetDesktopWindow(), wideVerb.empty() ? nullptr : wideVerb.c_str(), wideFile.c_str(),
                wideParams.empty() ? nullptr : wideParams.c_str(),
                wideFolder.empty() ? nullptr : wideFolder.c_str(), show);
}

bool Win32Shell::StartCommandLine(const std::string& commandLine, int windowStyle) {
  std::wstring line = Widen(commandLine);
  if (line.empty()) return false;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(windowStyle);
  PROCESS_INFORMATION process = {};
  // The command line buffer must be writable: the call may change it.
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

int Win32Shell::DeleteToRecycleBin(const std::vector<std::string>& paths) {
  const std::wstring list = DoubleNulList(paths);
  if (list.size() < 2) return ERROR_INVALID_PARAMETER;  // no path at all
  SHFILEOPSTRUCTW operation = {};
  operation.hwnd = owner_;
  operation.wFunc = FO_DELETE;
  operation.pFrom = list.c_str();
  operation.fFlags = FOF_ALLOWUNDO | FOF_SILENT;
  return SHFileOperationW(&operation);
}

int Win32Shell::FormatDrive(int driveNumber) {
  if (driveNumber < 0 || driveNumber > 25) return kFormatError;
  const FormatDriveFn format = FormatDriveEntry();
  if (!format) return kFormatError;
  return static_cast<int>(format(owner_, static_cast<UINT>(driveNumber), kFormatDefaultId, 0));
}

bool Win32Shell::FindWindowByClassAndClose(const std::string& className) {
  const std::wstring wideClass = Widen(className);
  HWND window = FindWindowW(wideClass.c_str(), nullptr);
  if (!window) return false;
  return PostMessageW(window, WM_CLOSE, 0, 0) != FALSE;
}

void Win32Shell::Beep() { MessageBeep(MB_OK); }

}  // namespace velmarin::win32
