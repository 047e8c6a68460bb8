#include "win32/file_icons.h"

namespace velmarin::win32 {

namespace {

// Resource numbers of the shell library's pictures: a program without icons, a closed folder.
constexpr int kShellProgramIcon = 3;
constexpr int kShellFolderIcon = 4;

HICON ShellLibraryIcon(int id, int size) {
  wchar_t system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return FileOwnIcon(std::wstring(system, length) + L"\\shell32.dll", -id, size);
}

}  // namespace

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool HasOwnIcons(const std::wstring& path) {
  const size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || path.find_first_of(L"\\/", dot) != std::wstring::npos) {
    return false;
  }
  const wchar_t* extension = path.c_str() + dot + 1;
  for (const wchar_t* own : {L"exe", L"dll", L"cpl", L"ico"}) {
    if (_wcsicmp(extension, own) == 0) return true;
  }
  return false;
}

HICON FileOwnIcon(const std::wstring& path, int index, int size) {
  if (path.empty() || path.size() >= MAX_PATH) return nullptr;
  HICON icon = nullptr;
  UINT id = 0;
  const UINT got = PrivateExtractIconsW(path.c_str(), index, size, size, &icon, &id, 1, 0);
  if (got == 0 || got == 0xFFFFFFFF) return nullptr;
  return icon;
}

HICON ShellFolderIcon(int size) { return ShellLibraryIcon(kShellFolderIcon, size); }

HICON ShellProgramIcon(int size) { return ShellLibraryIcon(kShellProgramIcon, size); }

bool IsProgram(const std::wstring& path) {
  return path.size() > 4 && _wcsicmp(path.c_str() + path.size() - 4, L".exe") == 0;
}

}  // namespace velmarin::win32
