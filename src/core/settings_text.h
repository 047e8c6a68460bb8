#pragma once
// The settings file's text below the key/value level: its lines, its encodings.
#include <cstddef>
#include <string>
#include <string_view>

namespace velmarin {

// A file that starts with this is UTF-8; any other file is in the ANSI code page.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// True when any byte is outside ASCII. Every byte the line rules look at ("=", CR, LF, space)
// is below 0x40, so it never is the second byte of a double-byte character: lines and pairs
// can be cut in the raw bytes before the text is converted.
bool HasHighByte(std::string_view s);

// Invalid UTF-8 sequences replaced by U+FFFD, one per bad byte.
std::string RepairUtf8(std::string_view s);

// One key/value pair of the file, cut from the raw text.
struct SettingsLine {
  std::string_view key;    // spaces around it removed
  std::string_view value;  // cut at the first CR after "=", spaces around it removed
  bool missingCr = false;  // no CR between "=" and LF: the value runs to the LF
};

// Walks the lines of the file. Only LF-terminated lines count; reading stops at the first line
// without "=" or with "=" as its first character (the writer's closing empty line).
class SettingsLineReader {
 public:
  explicit SettingsLineReader(std::string_view text) : text_(text) {}
  // The next pair, or false when reading has stopped.
  bool Next(SettingsLine& line);
  // After reading stopped: the text from the stopping line on holds more than blanks and line
  // ends (a hand-edited line that the reader skipped, or a last line without LF).
  bool TextLeftUnread() const;

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace velmarin
