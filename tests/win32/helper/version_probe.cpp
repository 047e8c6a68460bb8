// Reads a program's version information as the file's properties do, and prints it in UTF-8,
// one "NAME=VALUE" a line:
//   version_probe.exe PROGRAM
//     Version=MAJOR.MINOR.BUILD.REVISION   the numeric file version
//     Translation=LLLLCCCC                 the first language and code page, in hex
//     NAME=TEXT                            each string of that language and code page
// Ends with 1 when the program has no version information.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return 2;
  const std::wstring program = argv[1];
  LocalFree(argv);

  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
  if (size == 0) return 1;
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(program.c_str(), 0, size, data.data())) return 1;

  std::string text;
  char line[120];
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
    std::snprintf(line, sizeof line, "Version=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS),
                  LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                  LOWORD(fixed->dwFileVersionLS));
    text += line;
  }
  WORD* translation = nullptr;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < 2 * sizeof(WORD))
    return 1;
  std::snprintf(line, sizeof line, "Translation=%04X%04X\n", translation[0], translation[1]);
  text += line;
  for (const wchar_t* name : {L"FileDescription", L"FileVersion", L"InternalName",
                              L"LegalCopyright", L"OriginalFilename", L"ProductName",
                              L"ProductVersion"}) {
    wchar_t key[80];
    std::swprintf(key, 80, L"\\StringFileInfo\\%04X%04X\\%ls", translation[0], translation[1],
                  name);
    wchar_t* value = nullptr;
    if (VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&value), &length) && value)
      text += Utf8(name) + "=" + Utf8(value) + "\n";
  }
  DWORD written = 0;
  return WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()),
                   &written, nullptr)
             ? 0
             : 1;
}
