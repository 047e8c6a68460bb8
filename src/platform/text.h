#pragma once
// Text services: the system's ANSI code page, code page 932, and the locale's comparison rules.
#include <optional>
#include <string>

namespace velmarin {

class IText {
 public:
  virtual ~IText() = default;
  // UTF-8 to the ANSI code page; std::nullopt when a character has no form in that code page.
  virtual std::optional<std::string> Utf8ToAnsi(const std::string& utf8) = 0;
  // Code page 932, the settings file's own whatever the system's code page is, to UTF-8;
  // std::nullopt when any byte sequence is no character there.
  virtual std::optional<std::string> Cp932ToUtf8(const std::string& bytes) = 0;
  // UTF-8 to code page 932; std::nullopt when a character has no form there.
  virtual std::optional<std::string> Utf8ToCp932(const std::string& utf8) = 0;
  // Locale-aware comparisons that ignore case.
  virtual bool EqualsNoCase(const std::string& a, const std::string& b) = 0;
  // Whether text's first characters, as many UTF-16 units as prefix has, equal prefix ignoring
  // case; the answer depends on those first characters of text only (the Run box's search
  // asks once for all the tool tips that share them).
  virtual bool StartsWithNoCase(const std::string& text, const std::string& prefix) = 0;
  // The order of two texts by the locale's rules, ignoring case: below 0 when a comes first, 0
  // when they are equal, above 0 when b comes first.
  virtual int CompareNoCase(const std::string& a, const std::string& b) = 0;
};

}  // namespace velmarin
