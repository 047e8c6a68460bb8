#include "win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

// A movable, zero-filled block holding the bytes, handed to the clipboard under a format. The
// clipboard owns the block once it took it.
bool Put(UINT format, const std::string& bytes) {
  if (format == 0) return false;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() ? bytes.size() : 1);
  if (!block) return false;
  void* memory = GlobalLock(block);
  if (!memory) {
    GlobalFree(block);
    return false;
  }
  if (!bytes.empty()) std::memcpy(memory, bytes.data(), bytes.size());
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return false;
  }
  const bool taken = SetClipboardData(format, block) != nullptr;
  CloseClipboard();
  if (!taken) GlobalFree(block);
  return taken;
}

}  // namespace

bool Win32Clipboard::Clear() {
  if (!OpenClipboard(nullptr)) return false;
  const bool emptied = EmptyClipboard() != FALSE;
  CloseClipboard();
  return emptied;
}

bool Win32Clipboard::PutFileList(const std::string& block) { return Put(CF_HDROP, block); }

bool Win32Clipboard::PutNamed(const std::string& formatName, const std::string& bytes) {
  return Put(RegisterClipboardFormatW(Widen(formatName).c_str()), bytes);
}

}  // namespace velmarin::win32
