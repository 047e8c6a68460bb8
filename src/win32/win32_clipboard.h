#pragma once
// The system clipboard, opened without an owner window for each block put on it.
#include "platform/clipboard.h"

namespace velmarin::win32 {

class Win32Clipboard : public IClipboard {
 public:
  bool Clear() override;
  bool PutFileList(const std::string& block) override;
  bool PutNamed(const std::string& formatName, const std::string& bytes) override;
};

}  // namespace velmarin::win32
