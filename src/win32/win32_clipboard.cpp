#include "win32/win32_clipboard.h"

#include <cstring>
#include <utility>
#include <vector>

#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

// A movable, zero-filled block holding the bytes; null when there is no memory for it.
HGLOBAL BlockOf(const std::string& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() ? bytes.size() : 1);
  if (!block) return nullptr;
  void* memory = GlobalLock(block);
  if (!memory) {
    GlobalFree(block);
    return nullptr;
  }
  if (!bytes.empty()) std::memcpy(memory, bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

UINT FormatOf(const ClipboardBlock& block) {
  if (block.formatName.empty()) return CF_HDROP;
  return RegisterClipboardFormatW(Widen(block.formatName).c_str());
}

}  // namespace

bool Win32Clipboard::Fill(const std::vector<ClipboardBlock>& blocks) {
  // Everything is made before the clipboard is opened, so that it is held only for the moment
  // the blocks are handed over, and a block that cannot be made leaves the clipboard as it was.
  std::vector<std::pair<UINT, HGLOBAL>> made;
  bool complete = true;
  for (const ClipboardBlock& block : blocks) {
    const UINT format = FormatOf(block);
    HGLOBAL memory = format ? BlockOf(block.bytes) : nullptr;
    if (!memory) {
      complete = false;
      break;
    }
    made.emplace_back(format, memory);
  }
  bool taken = complete && OpenClipboard(owner_);
  if (taken) {
    taken = EmptyClipboard() != FALSE;
    for (auto& [format, memory] : made) {
      if (!taken) break;
      // The clipboard owns the block once it took it.
      if (SetClipboardData(format, memory)) {
        memory = nullptr;
      } else {
        taken = false;
      }
    }
    CloseClipboard();
  }
  for (const auto& [format, memory] : made) {
    if (memory) GlobalFree(memory);
  }
  return taken;
}

}  // namespace velmarin::win32
