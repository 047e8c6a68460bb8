#include "win32/file_icons.h"

namespace velmarin::win32 {

namespace {

// The resource number of the closed folder's icon in the shell's library.
constexpr int kShellFolderIcon = 4;

}  // namespace

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
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

HICON ShellFolderIcon(int size) {
  wchar_t system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return FileOwnIcon(std::wstring(system, length) + L"\\shell32.dll", -kShellFolderIcon, size);
}

}  // namespace velmarin::win32
