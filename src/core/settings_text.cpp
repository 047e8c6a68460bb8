#include "core/settings_text.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace velmarin {

size_t FindHighByte(std::string_view s, size_t from) {
  size_t i = from;
  // Eight bytes at a time: settings files are mostly ASCII.
  constexpr uint64_t kHighBits = 0x8080808080808080ull;
  for (; i + 8 <= s.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, s.data() + i, 8);
    if (word & kHighBits) break;
  }
  for (; i < s.size(); ++i) {
    if (static_cast<unsigned char>(s[i]) & 0x80) return i;
  }
  return std::string_view::npos;
}

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when the bytes there are not one.
size_t ValidSequenceAt(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;   // no overlong forms
    if (c == 0xED) high = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

namespace {

// A kept byte (80 to FF) is U+F700 + the byte: EF, then 9E or 9F, then 80 to BF in UTF-8.
void AppendKeptByte(std::string& out, unsigned char byte) {
  out.push_back('\xEF');
  out.push_back(static_cast<char>(0x9E + ((byte >> 6) & 1)));
  out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
}

// The byte that the character at s[i] keeps, or -1 when it is no kept byte.
int KeptByteAt(std::string_view s, size_t i) {
  if (i + 3 > s.size() || s[i] != '\xEF') return -1;
  const auto second = static_cast<unsigned char>(s[i + 1]);
  const auto third = static_cast<unsigned char>(s[i + 2]);
  if ((second != 0x9E && second != 0x9F) || (third & 0xC0) != 0x80) return -1;
  return 0x80 | ((second & 1) << 6) | (third & 0x3F);
}

bool HasKeptByte(std::string_view s) {
  for (size_t i = s.find('\xEF'); i != std::string_view::npos; i = s.find('\xEF', i + 1)) {
    if (KeptByteAt(s, i) >= 0) return true;
  }
  return false;
}

// A byte that starts a two-byte character in code page 932.
bool IsCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace

std::string EscapeBadUtf8(std::string_view s, bool& escaped) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const size_t length = ValidSequenceAt(s, i);
    if (length == 0) {
      AppendKeptByte(out, static_cast<unsigned char>(s[i]));
      escaped = true;
      ++i;
    } else {
      out.append(s.substr(i, length));
      i += length;
    }
  }
  return out;
}

std::string DecodeCp932(IText& text, std::string_view bytes, bool& escaped) {
  if (auto whole = text.Cp932ToUtf8(std::string(bytes))) return std::move(*whole);
  // Character by character: a byte that starts no character is kept. A lead byte with a bad
  // trail spends a trail outside ASCII with it, as the code page's own decoder does (so that the
  // bytes after it are read the same way when the file is read again); an ASCII byte after it
  // is read afresh (such as the "\" after a broken lead byte).
  std::string out;
  out.reserve(bytes.size() * 2);
  size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
    const size_t length = IsCp932Lead(b) && i + 1 < bytes.size() ? 2 : 1;
    if (auto one = text.Cp932ToUtf8(std::string(bytes.substr(i, length)))) {
      out.append(*one);
      i += length;
    } else {
      AppendKeptByte(out, b);
      escaped = true;
      ++i;
      if (length == 2 && static_cast<unsigned char>(bytes[i]) >= 0x80) {
        AppendKeptByte(out, static_cast<unsigned char>(bytes[i]));
        ++i;
      }
    }
  }
  return out;
}

std::optional<std::string> EncodeCp932(IText& text, std::string_view utf8) {
  if (!HasKeptByte(utf8)) return text.Utf8ToCp932(std::string(utf8));
  std::string out;
  size_t from = 0;
  const auto flush = [&](size_t to) {
    if (to == from) return true;
    auto piece = text.Utf8ToCp932(std::string(utf8.substr(from, to - from)));
    if (piece) out.append(*piece);
    return piece.has_value();
  };
  for (size_t i = 0; i < utf8.size(); ++i) {
    const int kept = KeptByteAt(utf8, i);
    if (kept < 0) continue;
    if (!flush(i)) return std::nullopt;
    out.push_back(static_cast<char>(kept));
    i += 2;
    from = i + 1;
  }
  if (!flush(utf8.size())) return std::nullopt;
  return out;
}

std::string UnescapeBytes(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    const int kept = KeptByteAt(utf8, i);
    if (kept < 0) {
      out.push_back(utf8[i]);
    } else {
      out.push_back(static_cast<char>(kept));
      i += 2;
    }
  }
  return out;
}

Cp932PairDecoder::Cp932PairDecoder(std::string_view text, IText& converter)
    : converter_(converter) {
  std::string batch;
  size_t pieces = 0;
  const auto add = [&](std::string_view piece) {
    if (!HasHighByte(piece)) return;
    batch.append(piece);
    batch.push_back('\n');  // never inside a piece, and converts to itself
    ++pieces;
  };
  for (size_t high = FindHighByte(text); high != std::string_view::npos;) {
    const size_t lf = text.rfind('\n', high);
    const size_t begin = lf == std::string_view::npos ? 0 : lf + 1;
    SettingsLineReader reader(text, begin);
    SettingsLine line;
    if (reader.Next(line)) {
      lineStarts_.push_back(begin);
      add(line.key);
      add(line.value);
    }
    const size_t end = text.find('\n', high);
    high = end == std::string_view::npos ? end : FindHighByte(text, end + 1);
  }
  if (pieces == 0) return;
  // A byte that is no character fails the whole batch: the pieces are then taken one by one.
  if (auto converted = converter_.Cp932ToUtf8(batch)) converted_ = std::move(*converted);
  size_t lineFeeds = 0;
  for (char c : converted_) lineFeeds += c == '\n';
  batched_ = lineFeeds == pieces;
}

std::string_view Cp932PairDecoder::Take(std::string_view raw, std::string& scratch) {
  if (!HasHighByte(raw)) return raw;
  if (batched_) {
    const size_t end = converted_.find('\n', next_);
    const std::string_view piece = std::string_view(converted_).substr(next_, end - next_);
    next_ = end + 1;
    return piece;
  }
  scratch = DecodeCp932(converter_, raw, escaped_);
  return scratch;
}

void Cp932PairDecoder::Decode(SettingsLine& line) {
  if (nextLine_ >= lineStarts_.size() || lineStarts_[nextLine_] != line.lineStart) return;
  ++nextLine_;
  line.key = Take(line.key, keyScratch_);
  line.value = Take(line.value, valueScratch_);
}

namespace {

std::string_view Trim(const char* begin, const char* end) {
  while (begin < end && *begin == ' ') ++begin;
  while (end > begin && end[-1] == ' ') --end;
  return std::string_view(begin, static_cast<size_t>(end - begin));
}

// The first CR or LF in [p, stop), or stop. Values run some tens of bytes, so eight bytes are
// tested at a time where the byte order allows it.
const char* FindLineBreak(const char* p, const char* stop) {
  if constexpr (std::endian::native == std::endian::little) {
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHighBits = 0x8080808080808080ull;
    // The lowest flagged byte of (v - 1s) & ~v is exactly the first zero byte of v.
    const auto zeroBytes = [](uint64_t v) { return (v - kOnes) & ~v & kHighBits; };
    for (; stop - p >= 8; p += 8) {
      uint64_t word;
      std::memcpy(&word, p, 8);
      const uint64_t found = zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'));
      if (found) return p + std::countr_zero(found) / 8;
    }
  }
  while (p < stop && *p != '\r' && *p != '\n') ++p;
  return p;
}

}  // namespace

bool SettingsLineReader::Next(SettingsLine& line) {
  const char* const start = text_.data() + pos_;
  const char* const stop = text_.data() + text_.size();
  // Keys are short: a plain loop finds the "=" (or the LF of a line without one).
  const char* eq = start;
  while (eq < stop && *eq != '=' && *eq != '\n') ++eq;
  if (eq == stop || *eq == '\n' || eq == start) return false;  // text after the last LF is no line
  const char* const value = eq + 1;
  const char* const cut = FindLineBreak(value, stop);
  if (cut == stop) return false;
  const char* lf = cut;
  if (*cut == '\r') {
    lf = cut + 1 < stop && cut[1] == '\n'
             ? cut + 1
             : static_cast<const char*>(std::memchr(cut, '\n', static_cast<size_t>(stop - cut)));
    if (!lf) return false;
  }
  line.key = Trim(start, eq);
  line.missingCr = *cut == '\n';
  line.value = Trim(value, cut);
  line.lineStart = pos_;
  pos_ = static_cast<size_t>(lf + 1 - text_.data());
  return true;
}

bool SettingsLineReader::TextLeftUnread() const {
  for (size_t i = pos_; i < text_.size(); ++i) {
    const char c = text_[i];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return true;
  }
  return false;
}

}  // namespace velmarin
