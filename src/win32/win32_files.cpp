#include "win32/win32_files.h"

#include <windows.h>
// After windows.h:
#include <objbase.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cwchar>
#include <string_view>
#include <vector>

#include "win32/atomic_replace.h"
#include "win32/com_scope.h"
#include "win32/handle.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

// Longest path the wide calls take with the "\\?\" form; buffers never need more.
constexpr DWORD kLongestPath = 32768;

// A path as the wide calls want it. Empty paths and paths with a NUL inside (which the calls
// would silently cut short) are refused.
std::optional<std::wstring> ToWidePath(const std::string& path) {
  if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
  std::wstring wide = Widen(path);
  if (wide.empty()) return std::nullopt;
  return wide;
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsNotFound(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
         error == ERROR_NO_MORE_FILES;
}

bool IsDotEntry(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// Walks the entries matching a pattern. The visitor returns false to stop. Returns the error of
// the first query (ERROR_SUCCESS when it found something).
template <typename Visitor>
DWORD ForEachMatch(const std::wstring& pattern, Visitor visit) {
  WIN32_FIND_DATAW data;
  HANDLE find =
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return GetLastError();
  do {
    if (!visit(data)) break;
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return ERROR_SUCCESS;
}

std::optional<bool> FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const DWORD error = GetLastError();
  if (IsNotFound(error)) return false;
  return std::nullopt;
}

// Calls that fill a buffer and report the length they need (GetShortPathNameW and the like).
template <typename Call>
std::optional<std::wstring> FillBuffer(Call call) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::nullopt;
    if (n < buffer.size()) {
      buffer.resize(n);
      return buffer;
    }
    if (n > kLongestPath) return std::nullopt;
    buffer.assign(n, L'\0');  // n counts the terminating NUL when the buffer was short
  }
  return std::nullopt;
}

std::string WithoutTrailingSeparator(std::wstring path) {
  while (path.size() > 1 && IsSeparator(path.back())) path.pop_back();
  return Narrow(path);
}

}  // namespace

Win32Files::Win32Files() { SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS); }

std::optional<bool> Win32Files::MatchExists(const std::string& pattern, bool foldersToo) {
  auto wide = ToWidePath(pattern);
  if (!wide) return false;
  const bool bareDrive = wide->size() == 2 && (*wide)[1] == L':';
  if (bareDrive || IsSeparator(wide->back())) {
    // A folder written as a folder ("C:\Tools\", "A:"): it counts with folders; for files,
    // anything inside it that is a file does.
    std::wstring folder = *wide;
    if (bareDrive) folder += L'\\';
    if (foldersToo) return FolderExists(folder);
    *wide = folder + L'*';
  }
  if (wide->find_first_of(L"*?<>\"") == std::wstring::npos) {
    // One name, not a pattern: its attributes tell the same as a search for it, at a fraction of
    // the cost (the painting asks this for every cell's file).
    const DWORD attributes = GetFileAttributesW(wide->c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
      return foldersToo || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    if (IsNotFound(GetLastError())) return false;
    return std::nullopt;
  }
  bool found = false;
  const DWORD error = ForEachMatch(*wide, [&](const WIN32_FIND_DATAW& data) {
    found = foldersToo || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return !found;
  });
  if (error == ERROR_SUCCESS) return found;
  if (IsNotFound(error)) return false;
  return std::nullopt;  // no medium, a malformed name, a folder we may not read
}

std::optional<uint32_t> Win32Files::Attributes(const std::string& path) {
  auto wide = ToWidePath(path);
  if (!wide) return std::nullopt;
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return static_cast<uint32_t>(attributes);
}

namespace {

// The system's own words for an error code, in the user's language.
std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", n);
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) {
    message.pop_back();
  }
  return Narrow(message);
}

}  // namespace

AttributeQuery Win32Files::QueryAttributes(const std::string& path) {
  AttributeQuery query;
  auto wide = ToWidePath(path);
  if (!wide) {
    query.failure = FileFailure::BadName;
    return query;
  }
  const DWORD attributes = GetFileAttributesW(wide->c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    query.attributes = static_cast<uint32_t>(attributes);
    return query;
  }
  const DWORD error = GetLastError();
  const bool badName =
      error == ERROR_INVALID_NAME || error == ERROR_BAD_PATHNAME || error == ERROR_DIRECTORY;
  query.failure = badName ? FileFailure::BadName : FileFailure::Other;
  query.description = SystemMessage(error);
  return query;
}

DriveType Win32Files::TypeOfDrive(const std::string& drive) {
  if (drive.empty()) return DriveType::Unknown;
  const char letter = drive[0];
  const bool isLetter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
  if (!isLetter || (drive.size() > 1 && drive[1] != ':')) return DriveType::Unknown;
  const wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
  switch (GetDriveTypeW(root)) {
    case DRIVE_NO_ROOT_DIR:
      return DriveType::NoRootDir;
    case DRIVE_REMOVABLE:
      return DriveType::Removable;
    case DRIVE_FIXED:
      return DriveType::Fixed;
    case DRIVE_REMOTE:
      return DriveType::Remote;
    case DRIVE_CDROM:
      return DriveType::CdRom;
    case DRIVE_RAMDISK:
      return DriveType::RamDisk;
    default:
      return DriveType::Unknown;
  }
}

std::optional<std::string> Win32Files::ReadAll(const std::string& path) {
  auto wide = ToWidePath(path);
  if (!wide) return std::nullopt;
  Handle file(CreateFileW(
      wide->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) return std::nullopt;
  LARGE_INTEGER size;
  // Settings and lists are small; a file this big is not one of ours.
  constexpr LONGLONG kLargest = 1LL << 30;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 || size.QuadPart > kLargest) {
    return std::nullopt;
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got,
                  nullptr)) {
      return std::nullopt;
    }
    if (got == 0) break;  // the file shrank while we read it
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

bool Win32Files::ReplaceAtomically(const std::string& path, const std::string& bytes) {
  auto wide = ToWidePath(path);
  if (!wide || IsSeparator(wide->back())) return false;
  return ReplaceFileAtomically(*wide, bytes);
}

bool Win32Files::Rename(const std::string& from, const std::string& to) {
  auto wideFrom = ToWidePath(from);
  auto wideTo = ToWidePath(to);
  if (!wideFrom || !wideTo) return false;
  return MoveFileExW(wideFrom->c_str(), wideTo->c_str(), 0) != 0;
}

std::vector<std::string> Win32Files::List(const std::string& pattern) {
  std::vector<std::string> names;
  auto wide = ToWidePath(pattern);
  if (!wide) return names;
  ForEachMatch(*wide, [&](const WIN32_FIND_DATAW& data) {
    if (!IsDotEntry(data.cFileName)) names.push_back(Narrow(data.cFileName));
    return true;
  });
  return names;
}

std::optional<std::string> Win32Files::ShortName(const std::string& path) {
  auto wide = ToWidePath(path);
  if (!wide) return std::nullopt;
  auto result = FillBuffer(
      [&](wchar_t* buffer, DWORD size) { return GetShortPathNameW(wide->c_str(), buffer, size); });
  if (!result) return std::nullopt;
  return Narrow(*result);
}

std::optional<std::string> Win32Files::LongName(const std::string& path) {
  auto wide = ToWidePath(path);
  if (!wide) return std::nullopt;
  auto result = FillBuffer(
      [&](wchar_t* buffer, DWORD size) { return GetLongPathNameW(wide->c_str(), buffer, size); });
  if (!result) return std::nullopt;
  return Narrow(*result);
}

std::optional<std::string> Win32Files::LinkTarget(const std::string& path) {
  auto wide = ToWidePath(path);
  if (!wide) return std::nullopt;
  ComScope com;
  if (!com.Usable()) return std::nullopt;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.Out()))) {
    return std::nullopt;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.Out())) ||
      FAILED(file->Load(wide->c_str(), STGM_READ))) {
    return std::nullopt;
  }
  std::wstring target(kLongestPath, L'\0');
  // S_FALSE: the shortcut points at something that is no file (a control-panel item, say).
  if (link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, 0) != S_OK) {
    return std::nullopt;
  }
  target.resize(wcsnlen(target.c_str(), target.size()));
  if (target.empty()) return std::nullopt;
  return Narrow(target);
}

std::string Win32Files::ProgramFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  DWORD n = 0;
  while (true) {
    n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) break;  // not cut short
    if (buffer.size() >= kLongestPath) return {};
    buffer.assign(buffer.size() * 2, L'\0');
  }
  buffer.resize(n);
  const size_t cut = buffer.find_last_of(L"\\/");
  if (cut == std::wstring::npos) return {};
  buffer.resize(cut);
  return WithoutTrailingSeparator(buffer);
}

std::string Win32Files::SystemFolder() {
  auto result =
      FillBuffer([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
  if (!result) return {};
  return WithoutTrailingSeparator(*result);
}

}  // namespace velmarin::win32
