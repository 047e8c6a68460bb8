// What other programs do around a save, for the save failure script:
//   save_probe.exe hold PATH    opens PATH for reading and writing without sharing it, writes
//                               "held" to its output and keeps the file open until it is ended
//   save_probe.exe scan PATH    the same, but shares reading and writing (not deleting), as a
//                               virus scanner or the search indexer opens a fresh file
//   save_probe.exe text TITLE   writes the texts of the message box titled TITLE, one a line
//   save_probe.exe codepage -   writes the system's ANSI code page the save is made under
// Ends with 1 when the file could not be opened or no such box is shown, 2 on bad arguments.
#include <windows.h>

#include <string>

namespace {

void Print(const std::wstring& line) {
  const std::wstring text = line + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
}

std::wstring ClassOf(HWND w) {
  wchar_t name[64] = L"";
  GetClassNameW(w, name, 64);
  return name;
}

// The text of a window of another program, asked of its own thread.
std::wstring TextOf(HWND w) {
  wchar_t text[512] = L"";
  DWORD_PTR length = 0;
  SendMessageTimeoutW(w, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      &length);
  return text;
}

struct Search {
  std::wstring title;
  HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND w, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (IsWindowVisible(w) && ClassOf(w) == L"#32770" && TextOf(w) == search->title) {
    search->box = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK PrintStatic(HWND w, LPARAM) {
  if (ClassOf(w) == L"Static") {
    const std::wstring text = TextOf(w);
    if (!text.empty()) Print(text);
  }
  return TRUE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 3) return 2;
  const std::wstring what = argv[1];
  const std::wstring argument = argv[2];
  LocalFree(argv);
  if (what == L"hold" || what == L"scan") {
    const bool scan = what == L"scan";
    const HANDLE file =
        CreateFileW(argument.c_str(), scan ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                    scan ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0, nullptr, OPEN_EXISTING,
                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    Print(L"held");
    Sleep(INFINITE);
  }
  if (what == L"text") {
    Search search{argument};
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
    if (!search.box) return 1;
    EnumChildWindows(search.box, PrintStatic, 0);
    return 0;
  }
  if (what == L"codepage") {
    Print(std::to_wstring(GetACP()));
    return 0;
  }
  return 2;
}
