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
  bool Clear() override {
    if (heldByAnother) return false;
    ++clears;
    fileList.reset();
    named.clear();
    return true;
  }
  bool PutFileList(const std::string& block) override {
    if (heldByAnother) return false;
    fileList = block;
    return true;
  }
  bool PutNamed(const std::string& formatName, const std::string& bytes) override {
    if (heldByAnother) return false;
    named[formatName] = bytes;
    return true;
  }

  // Another program has the clipboard open: every call fails.
  bool heldByAnother = false;
  int clears = 0;
  std::optional<std::string> fileList;
  std::map<std::string, std::string> named;
};

}  // namespace velmarin
