// Writes Start-menu shortcuts for the tests and benchmarks.
//   shortcut_probe --folders OUT          the user's and the shared program folders, UTF-8, to OUT
//   shortcut_probe LINK TARGET [ARGS [WORKDIR]]      one shortcut
//   shortcut_probe --many COUNT FOLDER TARGET        COUNT shortcuts in nested folders under FOLDER
//   shortcut_probe --list OUT             the entries of the program's Run box list, UTF-8, to OUT
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>
// clang-format on

#include <cstdio>
#include <string>

#include "win32/wide.h"

namespace {

using velmarin::win32::Narrow;

std::wstring Known(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring found;
  if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_CREATE, nullptr, &path)) && path) found = path;
  CoTaskMemFree(path);
  return found;
}

// Says on the error output which step failed, for the test's report.
bool Failed(const char* step, HRESULT result) {
  std::fprintf(stderr, "shortcut_probe: %s failed: 0x%08lx\n", step,
               static_cast<unsigned long>(result));
  return false;
}

bool MakeLink(const std::wstring& file, const std::wstring& target, const std::wstring& args,
              const std::wstring& workDir) {
  IShellLinkW* link = nullptr;
  const HRESULT made = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_IShellLinkW, reinterpret_cast<void**>(&link));
  if (FAILED(made)) return Failed("making the link", made);
  link->SetPath(target.c_str());
  if (!args.empty()) link->SetArguments(args.c_str());
  if (!workDir.empty()) link->SetWorkingDirectory(workDir.c_str());
  IPersistFile* persist = nullptr;
  bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)));
  if (ok) {
    const HRESULT saved = persist->Save(file.c_str(), TRUE);
    ok = SUCCEEDED(saved) || Failed("saving the link", saved);
    persist->Release();
  }
  link->Release();
  return ok;
}

bool WriteUtf8(const wchar_t* path, const std::string& text) {
  HANDLE out = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(out);
  return ok;
}

// The Run box's list, one entry a line; false when there is no box.
bool ListRunBox(std::string& text) {
  HWND main = FindWindowW(L"velmarinMForm", nullptr);
  HWND combo = main ? FindWindowExW(main, nullptr, L"ComboBox", nullptr) : nullptr;
  if (!combo) return false;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
    if (length < 0) continue;
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got =
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(got > 0 ? static_cast<size_t>(got) : 0);
    text += Narrow(entry) + "\n";
  }
  return true;
}

void MakeFolders(const std::wstring& file) {
  for (size_t i = file.find(L'\\', 3); i != std::wstring::npos; i = file.find(L'\\', i + 1)) {
    CreateDirectoryW(file.substr(0, i).c_str(), nullptr);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 3) return 2;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring first = argv[1];
  int result = 0;
  if (first == L"--folders") {
    const std::string text =
        Narrow(Known(FOLDERID_Programs)) + "\n" + Narrow(Known(FOLDERID_CommonPrograms)) + "\n";
    if (!WriteUtf8(argv[2], text)) result = 1;
  } else if (first == L"--list") {
    std::string text;
    if (!ListRunBox(text) || !WriteUtf8(argv[2], text)) result = 1;
  } else if (first == L"--many" && argc >= 5) {
    const int count = _wtoi(argv[2]);
    for (int i = 0; i < count && result == 0; ++i) {
      // Thirty groups of ten folders of ten, as installers leave them.
      const std::wstring file = std::wstring(argv[3]) + L"\\Group " + std::to_wstring(i / 100) +
                                L"\\Part " + std::to_wstring(i / 10 % 10) + L"\\Program " +
                                std::to_wstring(i) + L".lnk";
      MakeFolders(file);
      if (!MakeLink(file, argv[4], L"/n " + std::to_wstring(i), L"")) result = 1;
    }
  } else {
    MakeFolders(argv[1]);
    if (!MakeLink(argv[1], argv[2], argc > 3 ? argv[3] : L"", argc > 4 ? argv[4] : L"")) {
      result = 1;
    }
  }
  CoUninitialize();
  LocalFree(argv);
  return result;
}
