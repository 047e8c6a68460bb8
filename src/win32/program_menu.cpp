// clang-format off
#include "win32/program_menu.h"  // first: it brings the Windows headers
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on

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

void Win32ProgramMenu::ReadLocalizedNames(const std::wstring& folder) {
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
    if (!name.empty()) localized_[Lower(line.substr(0, eq))] = name;
  }
}

void Win32ProgramMenu::List(const std::string& folder, std::vector<std::string>& folders,
                            std::vector<std::string>& shortcuts) {
  localized_.clear();
  const std::wstring wide = Widen(folder);
  WIN32_FIND_DATAW found{};
  HANDLE find = FindFirstFileExW((wide + L"\\*").c_str(), FindExInfoBasic, &found,
                                 FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) return;
  bool hasIni = false;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      folders.push_back(Narrow(wide + L"\\" + name));
    } else if (EndsWithLnk(name)) {
      shortcuts.push_back(Narrow(wide + L"\\" + name));
    } else if (Lower(name) == L"desktop.ini") {
      hasIni = true;
    }
  } while (FindNextFileW(find, &found));
  FindClose(find);
  if (hasIni) ReadLocalizedNames(wide);
}

bool Win32ProgramMenu::Describe(const std::string& shortcut, ShortcutInfo& info) {
  const std::wstring path = Widen(shortcut);
  // A fresh shell-link object for each file: one that loaded before may keep what the next
  // file leaves unset.
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link_.Out()))) {
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
  const size_t slash = path.find_last_of(L'\\');
  const std::wstring own = slash == std::wstring::npos ? path : path.substr(slash + 1);
  if (const auto it = localized_.find(Lower(own)); it != localized_.end()) {
    info.name = Narrow(it->second);
  }
  return true;
}

}  // namespace velmarin::win32
