// clang-format off
#include "win32/program_menu.h"  // first: it brings the Windows headers
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

#include <map>
#include <vector>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

std::string KnownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::string found;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path) {
    found = Narrow(path);
  }
  CoTaskMemFree(path);
  return found;
}

std::wstring Lower(std::wstring s) {
  CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

bool EndsWithLnk(const std::wstring& name) {
  return name.size() > 4 && Lower(name.substr(name.size() - 4)) == L".lnk";
}

// A name as desktop.ini gives it: the text itself, or "@file,-id", a string of a module's
// resources (environment names in the file expanded).
std::wstring ResolvedName(const std::wstring& value) {
  if (value.empty() || value[0] != L'@') return value;
  const size_t comma = value.rfind(L',');
  if (comma == std::wstring::npos || comma + 2 >= value.size() || value[comma + 1] != L'-') {
    return {};
  }
  const std::wstring file = value.substr(1, comma - 1);
  const int id = _wtoi(value.c_str() + comma + 2);
  wchar_t expanded[MAX_PATH] = {};
  const DWORD n = ExpandEnvironmentStringsW(file.c_str(), expanded, MAX_PATH);
  if (n == 0 || n > MAX_PATH || id <= 0) return {};
  HMODULE module =
      LoadLibraryExW(expanded, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return {};
  const wchar_t* text = nullptr;
  const int length = LoadStringW(module, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  std::wstring name = length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : L"";
  FreeLibrary(module);
  return name;
}

// The shortcut file's bytes, when it is small enough to be one.
bool ReadSmallFile(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // Read into room kept from file to file: filling 64 KB with zeros for each of 3 000
  // shortcuts of 2 KB costs more than their parsing.
  static thread_local char buffer[65536];
  DWORD read = 0;
  const bool ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr);
  CloseHandle(file);
  bytes.assign(buffer, ok ? read : 0);
  return ok;
}

uint32_t Le(const std::string& b, size_t at, size_t size) {
  uint32_t v = 0;
  for (size_t i = 0; i < size; ++i) {
    v |= static_cast<uint32_t>(static_cast<unsigned char>(b[at + i])) << (8 * i);
  }
  return v;
}

// A NUL-ended ANSI string at offset at of b, as UTF-8; empty when it runs off the end.
std::string AnsiAt(const std::string& b, size_t at, size_t end) {
  const size_t nul = b.find('\0', at);
  if (at >= end || nul == std::string::npos || nul >= end) return {};
  const std::string ansi = b.substr(at, nul - at);
  const int n =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(), n);
  return Narrow(wide);
}

// The target and arguments straight from the shortcut's bytes, as the shell writes them: the
// local path of its link information and its argument string. Under Wine this is a third of
// what the shell-link object takes. False when the file holds no local path (a network or an
// installer's shortcut): the shell-link object is asked then.
bool ParseShortcut(const std::string& b, ShortcutTarget& info) {
  constexpr uint32_t kHasIdList = 0x1, kHasLinkInfo = 0x2, kIsUnicode = 0x80;
  if (b.size() < 0x4C || Le(b, 0, 4) != 0x4C) return false;
  const uint32_t flags = Le(b, 0x14, 4);
  if (!(flags & kHasLinkInfo)) return false;
  size_t at = 0x4C;
  if (flags & kHasIdList) {
    if (at + 2 > b.size()) return false;
    at += 2 + Le(b, at, 2);
  }
  if (at + 0x1C > b.size()) return false;
  const size_t infoSize = Le(b, at, 4);
  const size_t end = at + infoSize;
  if (end > b.size() || !(Le(b, at + 8, 4) & 0x1)) return false;
  info.target = AnsiAt(b, at + Le(b, at + 0x10, 4), end) + AnsiAt(b, at + Le(b, at + 0x18, 4), end);
  if (info.target.empty()) return false;
  // The strings after it, each a count of characters and the characters: name, relative path,
  // working folder, arguments.
  at = end;
  const size_t unit = (flags & kIsUnicode) ? 2 : 1;
  for (uint32_t bit = 0x4; bit <= 0x20; bit <<= 1) {
    if (!(flags & bit)) continue;
    if (at + 2 > b.size()) return false;
    const size_t count = Le(b, at, 2);
    at += 2;
    if (at + count * unit > b.size()) return false;
    if (bit == 0x20) {
      if (unit == 2) {
        std::wstring wide(count, L'\0');
        for (size_t i = 0; i < count; ++i) wide[i] = static_cast<wchar_t>(Le(b, at + 2 * i, 2));
        // Some writers count the closing NUL; the arguments end there, as the shell reads them.
        wide.resize(wcsnlen(wide.c_str(), wide.size()));
        info.args = Narrow(wide);
      } else {
        info.args = AnsiAt(b.substr(0, at + count) + '\0', at, at + count + 1);
      }
    }
    at += count * unit;
  }
  return true;
}

// The localized names of the folder's files, from its desktop.ini, by file name in lower case.
std::map<std::wstring, std::wstring> LocalizedNames(const std::wstring& folder) {
  std::map<std::wstring, std::wstring> localized;
  const std::wstring ini = folder + L"\\desktop.ini";
  std::vector<wchar_t> section(32768);
  const DWORD n = GetPrivateProfileSectionW(L"LocalizedFileNames", section.data(),
                                            static_cast<DWORD>(section.size()), ini.c_str());
  // Lines "file=name", each ending with a NUL, the last with two.
  for (size_t i = 0; i < n && section[i];) {
    const std::wstring line(section.data() + i);
    i += line.size() + 1;
    const size_t eq = line.find(L'=');
    if (eq == std::wstring::npos || eq == 0) continue;
    const std::wstring name = ResolvedName(line.substr(eq + 1));
    if (!name.empty()) localized[Lower(line.substr(0, eq))] = name;
  }
  return localized;
}

}  // namespace

std::vector<std::string> Win32ProgramMenu::ProgramFolders() {
  std::vector<std::string> folders;
  for (const std::string& f :
       {KnownFolder(FOLDERID_Programs), KnownFolder(FOLDERID_CommonPrograms)}) {
    if (!f.empty()) folders.push_back(f);
  }
  return folders;
}

std::vector<std::string> Win32ProgramMenu::LeftOutFolders() {
  return {KnownFolder(FOLDERID_Startup), KnownFolder(FOLDERID_CommonStartup)};
}

void Win32ProgramMenu::List(const std::string& folder, std::vector<std::string>& folders,
                            std::vector<ShortcutFile>& shortcuts) {
  const std::wstring wide = Widen(folder);
  WIN32_FIND_DATAW found{};
  HANDLE find = FindFirstFileExW((wide + L"\\*").c_str(), FindExInfoBasic, &found,
                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return;
  const size_t first = shortcuts.size();
  std::vector<std::wstring> names;  // of the shortcuts listed here
  bool hasIni = false;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      folders.push_back(Narrow(wide + L"\\" + name));
    } else if (EndsWithLnk(name)) {
      // The listing gives each file's write time and size for nothing: a shortcut unchanged
      // since the last reading is not read again.
      ShortcutFile file{Narrow(wide + L"\\" + name), {}};
      file.written = (static_cast<uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                     found.ftLastWriteTime.dwLowDateTime;
      file.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
      shortcuts.push_back(std::move(file));
      names.push_back(name);
    } else if (Lower(name) == L"desktop.ini") {
      hasIni = true;
    }
  } while (FindNextFileW(find, &found));
  FindClose(find);
  if (!hasIni) return;
  const std::map<std::wstring, std::wstring> localized = LocalizedNames(wide);
  for (size_t i = 0; i < names.size(); ++i) {
    if (const auto it = localized.find(Lower(names[i])); it != localized.end()) {
      shortcuts[first + i].name = Narrow(it->second);
    }
  }
}

bool Win32ProgramMenu::Describe(const std::string& shortcut, ShortcutTarget& info) {
  const std::wstring path = Widen(shortcut);
  if (!ReadSmallFile(path, bytes_)) return false;
  if (ParseShortcut(bytes_, info)) return true;
  info.target.clear();
  info.args.clear();
  if (!link_.get() && FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IShellLinkW, link_.Out()))) {
    return false;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(link_->QueryInterface(IID_IPersistFile, file.Out())) ||
      FAILED(file->Load(path.c_str(), STGM_READ))) {
    return false;
  }
  wchar_t buffer[MAX_PATH * 2] = {};
  if (SUCCEEDED(link_->GetPath(buffer, MAX_PATH * 2, nullptr, 0))) info.target = Narrow(buffer);
  buffer[0] = 0;
  if (SUCCEEDED(link_->GetArguments(buffer, MAX_PATH * 2))) info.args = Narrow(buffer);
  return true;
}

}  // namespace velmarin::win32
