// A command typed without a path, found as the system's run dialog finds it: environment names
// expanded, then the registered application paths, then the system's folders and those of PATH,
// each with the executable extensions.
#include <vector>

#include "win32/wide.h"
#include "win32/win32_shell.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kAppPaths[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr wchar_t kDefaultExtensions[] = L".COM;.EXE;.BAT;.CMD";

std::wstring Expanded(const std::wstring& text) {
  const DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::wstring out(needed, L'\0');
  const DWORD written = ExpandEnvironmentStringsW(text.c_str(), out.data(), needed);
  if (written == 0 || written > needed) return text;
  out.resize(written - 1);  // the count includes the closing NUL
  return out;
}

bool HasFolderPart(const std::wstring& name) {
  return name.find_first_of(L"\\/:") != std::wstring::npos;
}

bool HasExtension(const std::wstring& name) {
  const size_t dot = name.rfind(L'.');
  return dot != std::wstring::npos && dot + 1 < name.size();
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Unquoted(std::wstring text) {
  if (text.size() >= 2 && text.front() == L'"') {
    const size_t close = text.find(L'"', 1);
    if (close != std::wstring::npos) return text.substr(1, close - 1);
  }
  return text;
}

// The program registered under a name (the default value of its App Paths key, its environment
// names expanded), when it exists.
std::optional<std::wstring> RegisteredPath(HKEY root, const std::wstring& name) {
  const std::wstring key = kAppPaths + name;
  DWORD bytes = 0;
  if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
          ERROR_SUCCESS ||
      bytes < sizeof(wchar_t)) {
    return std::nullopt;
  }
  std::wstring value(bytes / sizeof(wchar_t), L'\0');
  if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(wcsnlen(value.c_str(), value.size()));
  const std::wstring path = Unquoted(value);
  if (path.empty() || !IsFile(path)) return std::nullopt;
  return path;
}

std::wstring FolderFrom(UINT (*get)(wchar_t*, UINT)) {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT length = get(buffer, MAX_PATH + 1);
  return length == 0 || length > MAX_PATH ? std::wstring() : std::wstring(buffer, length);
}

UINT SystemFolder(wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); }
UINT WindowsFolder(wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); }

// Where a typed name is looked for, in order: the system folder, the Windows folder, then the
// folders of PATH one by one. The program's own folder and the current folder are not among
// them unless PATH names them: a file lying beside velmarin.exe does not stand for a program of
// the system.
std::vector<std::wstring> SearchFolders() {
  std::vector<std::wstring> folders;
  for (const std::wstring& folder : {FolderFrom(SystemFolder), FolderFrom(WindowsFolder)}) {
    if (!folder.empty()) folders.push_back(folder);
  }
  const DWORD needed = GetEnvironmentVariableW(L"PATH", nullptr, 0);
  std::wstring path(needed, L'\0');
  const DWORD length = needed ? GetEnvironmentVariableW(L"PATH", path.data(), needed) : 0;
  path.resize(length < needed ? length : 0);
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find(L';', start);
    if (end == std::wstring::npos) end = path.size();
    std::wstring folder = Expanded(Unquoted(path.substr(start, end - start)));
    if (!folder.empty()) folders.push_back(std::move(folder));
    start = end + 1;
  }
  return folders;
}

// The first folder that holds the name with one of the extensions; every extension is tried in
// a folder before the next folder.
std::optional<std::wstring> InFolders(const std::wstring& name,
                                      const std::vector<std::wstring>& extensions) {
  for (std::wstring folder : SearchFolders()) {
    if (folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    for (const std::wstring& extension : extensions) {
      const std::wstring candidate = folder + name + extension;
      if (candidate.size() < 32767 && IsFile(candidate)) return candidate;
    }
  }
  return std::nullopt;
}

std::vector<std::wstring> ExecutableExtensions() {
  std::wstring list = Expanded(L"%PATHEXT%");
  if (list.empty() || list == L"%PATHEXT%") list = kDefaultExtensions;
  std::vector<std::wstring> extensions;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = list.find(L';', start);
    std::wstring piece = list.substr(start, end == std::wstring::npos ? end : end - start);
    if (piece.size() > 1 && piece.front() == L'.') extensions.push_back(std::move(piece));
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return extensions;
}

std::optional<std::wstring> FindBareName(const std::wstring& name) {
  const std::wstring registered = HasExtension(name) ? name : name + L".exe";
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    if (auto path = RegisteredPath(root, registered)) return path;
  }
  // A name with an extension of its own is taken as it is; a name without one gets each
  // executable extension in turn, never none (a file called just "cmd" is no program).
  if (HasExtension(name)) return InFolders(name, {std::wstring()});
  return InFolders(name, ExecutableExtensions());
}

}  // namespace

std::optional<std::string> Win32Shell::FindProgram(const std::string& command) {
  const std::wstring typed = Widen(command);
  if (typed.empty() || typed.find(L'\0') != std::wstring::npos) return std::nullopt;
  const std::wstring name = Expanded(typed);
  if (name.empty() || name.size() >= 32767) return std::nullopt;
  if (HasFolderPart(name)) {
    if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return Narrow(name);
  }
  if (auto path = FindBareName(name)) return Narrow(*path);
  return std::nullopt;
}

}  // namespace velmarin::win32
