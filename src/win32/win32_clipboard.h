#pragma once
// The system clipboard, opened once per fill with the main window as its owner.
#include <windows.h>

#include "platform/clipboard.h"

namespace velmarin::win32 {

class Win32Clipboard : public IClipboard {
 public:
  // The window that owns what is put on the clipboard: with none, the system takes no block
  // after the clipboard was emptied.
  void SetOwner(HWND owner) { owner_ = owner; }
  bool Fill(const std::vector<ClipboardBlock>& blocks) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace velmarin::win32
