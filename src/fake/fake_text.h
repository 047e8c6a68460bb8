#pragma once
// Text services for tests: code page 932 as glibc maps it, or bytes passed through; ASCII case
// rules.
#include <string>

#include "platform/text.h"

namespace velmarin {

class FakeText : public IText {
 public:
  // codePage 932 converts like a Japanese system; 0 passes bytes through unchanged.
  explicit FakeText(int codePage = 932) : codePage_(codePage) {}
  std::string AnsiToUtf8(const std::string& ansi) override;
  std::optional<std::string> Utf8ToAnsi(const std::string& utf8) override;
  bool EqualsNoCase(const std::string& a, const std::string& b) override;
  bool StartsWithNoCase(const std::string& text, const std::string& prefix) override;
  // By the bytes with ASCII letters upper-cased.
  int CompareNoCase(const std::string& a, const std::string& b) override;

 private:
  int codePage_;
};

}  // namespace velmarin
