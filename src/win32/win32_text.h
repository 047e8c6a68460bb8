#pragma once
// Text services of a real Windows system: its ANSI code page, code page 932 and its locale's
// comparisons.
#include "platform/text.h"

namespace velmarin::win32 {

class Win32Text : public IText {
 public:
  std::optional<std::string> Utf8ToAnsi(const std::string& utf8) override;
  std::optional<std::string> Cp932ToUtf8(const std::string& bytes) override;
  std::optional<std::string> Utf8ToCp932(const std::string& utf8) override;
  bool EqualsNoCase(const std::string& a, const std::string& b) override;
  bool StartsWithNoCase(const std::string& text, const std::string& prefix) override;
  int CompareNoCase(const std::string& a, const std::string& b) override;
};

}  // namespace velmarin::win32
