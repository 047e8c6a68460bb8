#include "win32/win32_files.h"

#include <windows.h>
// After windows.h:
#include <objbase.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <atomic>
#include <cwchar>
#include <string_view>
#include <vector>

#include "win32/com_scope.h"
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

class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() {
    if (valid()) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  HANDLE get() const { return h_; }
  bool Close() {
    const bool ok = !valid() || CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }
  void Reset(HANDLE h) {
    Close();
    h_ = h;
  }

 private:
  HANDLE h_;
};

bool WriteAll(HANDLE file, const std::string& bytes) {
  constexpr size_t kChunk = 1u << 24;
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD want =
        static_cast<DWORD>(bytes.size() - done < kChunk ? bytes.size() - done : kChunk);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, want, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return true;
}

// Marks an open file to be deleted when its last handle closes, or takes the mark off again.
bool SetDeleteOnClose(HANDLE file, bool remove) {
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = remove ? TRUE : FALSE;
  return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                    sizeof disposition) != 0;
}

// A new, unused file name beside `path`: "<path>.<process>-<n>.tmp".
std::wstring TemporaryNameBeside(const std::wstring& path) {
  static std::atomic<unsigned> counter{0};
  return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
         L".tmp";
}

// Whether a file name is one TemporaryNameBeside gives for the file named `name`:
// "NAME.PID-N.tmp".
bool IsTemporaryOf(const std::wstring& name, const wchar_t* entry) {
  const size_t length = std::wcslen(entry);
  if (length < name.size() + 8 || _wcsnicmp(entry, name.c_str(), name.size()) != 0 ||
      entry[name.size()] != L'.' || _wcsicmp(entry + length - 4, L".tmp") != 0) {
    return false;
  }
  const std::wstring_view number(entry + name.size() + 1, length - name.size() - 5);
  const size_t dash = number.find(L'-');
  if (dash == 0 || dash == std::wstring_view::npos || dash + 1 == number.size()) return false;
  for (size_t i = 0; i < number.size(); ++i) {
    if (i != dash && (number[i] < L'0' || number[i] > L'9')) return false;
  }
  return true;
}

// Deletes the temporary files an earlier replace of `path` left beside it when its program was
// killed before the rename. One its writer still has open is not shared, so it stays.
void DeleteLeftoverTemporaries(const std::wstring& path) {
  const size_t nameAt = path.find_last_of(L"\\/:") + 1;  // 0 when there is no folder
  const std::wstring folder = path.substr(0, nameAt);
  const std::wstring name = path.substr(nameAt);
  std::vector<std::wstring> leftovers;
  ForEachMatch(path + L".*.tmp", [&](const WIN32_FIND_DATAW& data) {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTemporaryOf(name, data.cFileName))
      leftovers.push_back(folder + data.cFileName);
    return true;
  });
  for (const std::wstring& leftover : leftovers) DeleteFileW(leftover.c_str());
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
  DeleteLeftoverTemporaries(*wide);
  std::wstring temporary;
  Handle file(INVALID_HANDLE_VALUE);
  for (int attempt = 0; attempt < 16 && !file.valid(); ++attempt) {
    temporary = TemporaryNameBeside(*wide);
    const HANDLE created = CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    file.Reset(created);
    if (!file.valid() && error != ERROR_FILE_EXISTS) return false;
  }
  if (!file.valid()) return false;
  // While it is written the temporary file goes with its handle, so a program killed halfway
  // leaves nothing beside the settings; the mark comes off just before the rename. A file
  // system that takes no mark still gets its file.
  const bool marked = SetDeleteOnClose(file.get(), true);
  const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) &&
                       (!marked || SetDeleteOnClose(file.get(), false));
  const bool closed = file.Close();
  if (written && closed &&
      MoveFileExW(temporary.c_str(), wide->c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(temporary.c_str());
  return false;
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
