#pragma once
// The settings file's text below the key/value level: its lines, its encodings.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace velmarin {

// A file that starts with this is UTF-8; any other file is in the ANSI code page.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Position of the first byte outside ASCII at or after `from`, or npos.
size_t FindHighByte(std::string_view s, size_t from = 0);
inline bool HasHighByte(std::string_view s) { return FindHighByte(s) != std::string_view::npos; }

// Invalid UTF-8 sequences replaced by U+FFFD, one per bad byte.
std::string RepairUtf8(std::string_view s);

// One key/value pair of the file, cut from the text.
struct SettingsLine {
  std::string_view key;    // spaces around it removed
  std::string_view value;  // cut at the first CR after "=", spaces around it removed
  bool missingCr = false;  // no CR between "=" and LF: the value runs to the LF
  size_t lineStart = 0;    // where the line begins in the text
};

// Walks the lines of the file. Only LF-terminated lines count; reading stops at the first line
// without "=" or with "=" as its first character (the writer's closing empty line).
class SettingsLineReader {
 public:
  explicit SettingsLineReader(std::string_view text, size_t from = 0) : text_(text), pos_(from) {}
  // The next pair, or false when reading has stopped.
  bool Next(SettingsLine& line);
  // After reading stopped: the text from the stopping line on holds more than blanks and line
  // ends (a hand-edited line that the reader skipped, or a last line without LF).
  bool TextLeftUnread() const;

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

// The keys and values of an ANSI file in UTF-8. Every byte the line rules look at (LF, CR, "=",
// space) is below 0x40 and so never the second byte of a double-byte character: the pairs are
// cut in the raw bytes, and only keys and values with bytes outside ASCII are converted, all of
// them in one call before reading starts.
class AnsiPairDecoder {
 public:
  AnsiPairDecoder(std::string_view text, IText& converter);
  // Turns the pair that SettingsLineReader cut from `text` into UTF-8. Call it for the lines in
  // the order they are read.
  void Decode(SettingsLine& line);

 private:
  std::string_view Take(std::string_view raw, std::string& scratch);

  IText& converter_;
  std::vector<size_t> lineStarts_;  // the lines with bytes outside ASCII, in order
  size_t nextLine_ = 0;
  std::string converted_;  // their pieces, each followed by LF
  size_t next_ = 0;
  bool batched_ = false;  // false: a piece lost its LF in conversion; convert one by one
  std::string keyScratch_;
  std::string valueScratch_;
};

}  // namespace velmarin
