#include "win32/atomic_replace.h"

#include <atomic>
#include <cwchar>
#include <string_view>
#include <vector>

#include "core/held_file_retry.h"
#include "win32/handle.h"

namespace velmarin::win32 {

namespace {

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
  return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) !=
         0;
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
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileW((path + L".*.tmp").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTemporaryOf(name, data.cFileName))
      leftovers.push_back(folder + data.cFileName);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  for (const std::wstring& leftover : leftovers) DeleteFileW(leftover.c_str());
}

// Whether a rename over `path` failed with `error` because another program has one of the files
// open without sharing it (or, being deleted, still open somewhere): that passes. A missing
// folder or a full disk does not, nor does a folder or a read-only file in the file's place,
// which are refused access as well.
bool IsHeld(DWORD error, const std::wstring& path) {
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return true;
  if (error != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
}

// Renames the written temporary file over `path`, waiting for a program that holds either file.
bool RenameOver(const std::wstring& temporary, const std::wstring& path) {
  return RetryWhileHeld(
      [&] {
        if (MoveFileExW(temporary.c_str(), path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
          return FileStep::Done;
        }
        return IsHeld(GetLastError(), path) ? FileStep::Held : FileStep::Failed;
      },
      [](int ms) { Sleep(static_cast<DWORD>(ms)); });
}

}  // namespace

bool ReplaceFileAtomically(const std::wstring& path, const std::string& bytes) {
  DeleteLeftoverTemporaries(path);
  std::wstring temporary;
  Handle file(INVALID_HANDLE_VALUE);
  for (int attempt = 0; attempt < 16 && !file.valid(); ++attempt) {
    temporary = TemporaryNameBeside(path);
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
  if (written && closed && RenameOver(temporary, path)) return true;
  DeleteFileW(temporary.c_str());
  return false;
}

}  // namespace velmarin::win32
