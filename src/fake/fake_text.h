#pragma once
// Text services for tests: code page 932 as glibc maps it, or bytes passed through; ASCII case
// rules.
#include <string>

#include "platform/text.h"

namespace velmarin {

class FakeText : public IText {
 public:
  // codePage is the system's ANSI code page: 932 converts like a Japanese system; any other
  // passes ANSI bytes through unchanged but still knows code page 932, as every Windows does;
  // 0 passes every conversion through unchanged.
  explicit FakeText(int codePage = 932) : codePage_(codePage) {}
  std::optional<std::string> Utf8ToAnsi(const std::string& utf8) override;
  std::optional<std::string> Cp932ToUtf8(const std::string& bytes) override;
  std::optional<std::string> Utf8ToCp932(const std::string& utf8) override;
  bool EqualsNoCase(const std::string& a, const std::string& b) override;
  bool StartsWithNoCase(const std::string& text, const std::string& prefix) override;
  // By the bytes with ASCII letters upper-cased.
  int CompareNoCase(const std::string& a, const std::string& b) override;

 private:
  int codePage_;
};

}  // namespace velmarin
