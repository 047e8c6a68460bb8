#pragma once
// The clipboard and the drag source for tests: what was put on the clipboard, by format, and
// the file lists dragged out.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/clipboard.h"

namespace velmarin {

class FakeClipboard : public IClipboard {
 public:
  bool Fill(const std::vector<ClipboardBlock>& blocks) override {
    if (heldByAnother) return false;
    ++fills;
    fileList.reset();
    named.clear();
    for (const ClipboardBlock& block : blocks) {
      if (block.formatName.empty()) {
        fileList = block.bytes;
      } else {
        named[block.formatName] = block.bytes;
      }
    }
    return true;
  }

  // Another program has the clipboard open: every call fails.
  bool heldByAnother = false;
  int fills = 0;
  std::optional<std::string> fileList;
  std::map<std::string, std::string> named;
};

}  // namespace velmarin
