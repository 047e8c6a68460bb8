#pragma once
// The settings file's text below the key/value level: its lines, its encodings.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace velmarin {

// A file that starts with this is UTF-8; any other file is in code page 932, whatever the
// system's own code page is.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Position of the first byte outside ASCII at or after `from`, or npos.
size_t FindHighByte(std::string_view s, size_t from = 0);
inline bool HasHighByte(std::string_view s) { return FindHighByte(s) != std::string_view::npos; }

// A byte of the file that is no character in its encoding is kept in the text as one character
// of a private range (U+F780 to U+F7FF for the bytes 80 to FF), which no decoder gives, and the
// save writes that byte back where it was: a broken byte costs nothing that was around it.
// `escaped` is set when any byte was kept so.
std::string EscapeBadUtf8(std::string_view s, bool& escaped);
std::string DecodeCp932(IText& text, std::string_view bytes, bool& escaped);
// The text in code page 932 with the kept bytes as they were; std::nullopt when a character has
// no form there.
std::optional<std::string> EncodeCp932(IText& text, std::string_view utf8);
// UTF-8 with the kept bytes as they were.
std::string UnescapeBytes(std::string_view utf8);

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

// The keys and values of a code page 932 file in UTF-8. Every byte the line rules look at (LF, CR,
// "=", space) is below 0x40 and so never the second byte of a double-byte character: the pairs are
// cut in the raw bytes, and only keys and values with bytes outside ASCII are converted, all of
// them in one call before reading starts.
class Cp932PairDecoder {
 public:
  Cp932PairDecoder(std::string_view text, IText& converter);
  // Turns the pair that SettingsLineReader cut from `text` into UTF-8. Call it for the lines in
  // the order they are read.
  void Decode(SettingsLine& line);
  // Some byte was no character and was kept as it was (see DecodeCp932).
  bool escaped() const { return escaped_; }

 private:
  std::string_view Take(std::string_view raw, std::string& scratch);

  IText& converter_;
  std::vector<size_t> lineStarts_;  // the lines with bytes outside ASCII, in order
  size_t nextLine_ = 0;
  std::string converted_;  // their pieces, each followed by LF
  size_t next_ = 0;
  bool batched_ = false;  // false: a piece did not convert whole; convert one by one
  bool escaped_ = false;
  std::string keyScratch_;
  std::string valueScratch_;
};

}  // namespace velmarin
