// A program for the clipboard tests: reads the file list and the drop effect from the clipboard,
// as a file manager pasting them would, and writes both to the file named by its first argument.
// Each format is written as its byte count (four bytes, little-endian) and its bytes; a format
// the clipboard does not hold is written as the count FFFFFFFF and no bytes. It writes a
// temporary file first and renames it, so that a test waiting for the file never reads half of
// it.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shellapi.h>
// clang-format on

#include <cstdint>
#include <string>

namespace {

void PutCount(std::string& out, uint32_t count) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((count >> (8 * k)) & 0xFF));
}

// The bytes of one format; the clipboard is open.
void PutFormat(std::string& out, UINT format) {
  HANDLE data = format ? GetClipboardData(format) : nullptr;
  const void* memory = data ? GlobalLock(data) : nullptr;
  if (!memory) {
    PutCount(out, 0xFFFFFFFFu);
    return;
  }
  const SIZE_T size = GlobalSize(data);
  PutCount(out, static_cast<uint32_t>(size));
  out.append(static_cast<const char*>(memory), size);
  GlobalUnlock(data);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return 2;
  const std::wstring target = argv[1];
  LocalFree(argv);

  // Another program may hold the clipboard for a moment.
  bool open = false;
  for (int attempt = 0; attempt < 50 && !open; ++attempt) {
    open = OpenClipboard(nullptr) != FALSE;
    if (!open) Sleep(100);
  }
  if (!open) return 3;
  std::string report;
  PutFormat(report, CF_HDROP);
  PutFormat(report, RegisterClipboardFormatW(L"Preferred DropEffect"));
  CloseClipboard();

  const std::wstring temporary = target + L".part";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 4;
  DWORD written = 0;
  WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
  CloseHandle(file);
  return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 5;
}
