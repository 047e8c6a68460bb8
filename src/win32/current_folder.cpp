#include "win32/current_folder.h"

namespace velmarin::win32 {

namespace {

// The value of an environment name, empty when it is not set.
std::wstring Environment(const wchar_t* name) {
  std::wstring value(MAX_PATH, L'\0');
  DWORD n = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
  if (n > value.size()) {
    value.resize(n);
    n = GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size()));
  }
  value.resize(n < value.size() ? n : 0);
  return value;
}

std::wstring SystemFolder() {
  std::wstring folder(MAX_PATH, L'\0');
  const UINT n = GetSystemDirectoryW(folder.data(), MAX_PATH);
  folder.resize(n < MAX_PATH ? n : 0);
  return folder;
}

// "C:\Users\name" or "\\server\share\name": a relative value would be taken from the folder
// the program was started in, the very folder to leave.
bool IsFullPath(const std::wstring& folder) {
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  if (folder.size() >= 3 && folder[1] == L':' && separator(folder[2])) return true;
  return folder.size() >= 3 && separator(folder[0]) && separator(folder[1]);
}

std::wstring CurrentFolder() {
  const DWORD size = GetCurrentDirectoryW(0, nullptr);
  if (size == 0) return {};
  std::wstring folder(size, L'\0');
  const DWORD n = GetCurrentDirectoryW(size, folder.data());
  folder.resize(n < size ? n : 0);
  return folder;
}

}  // namespace

std::wstring MoveToProfileFolder() {
  for (const std::wstring& folder : {Environment(L"USERPROFILE"), SystemFolder()}) {
    if (IsFullPath(folder) && SetCurrentDirectoryW(folder.c_str())) return folder;
  }
  return {};
}

KeepCurrentFolder::KeepCurrentFolder() : folder_(CurrentFolder()) {}

KeepCurrentFolder::~KeepCurrentFolder() {
  if (!folder_.empty()) SetCurrentDirectoryW(folder_.c_str());
}

}  // namespace velmarin::win32
