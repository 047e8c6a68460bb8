#include "core/settings_text.h"

#include <cstdint>
#include <cstring>

#include "core/strings.h"

namespace velmarin {

bool HasHighByte(std::string_view s) {
  const char* p = s.data();
  size_t n = s.size();
  // Eight bytes at a time: settings files are mostly ASCII.
  constexpr uint64_t kHighBits = 0x8080808080808080ull;
  while (n >= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    if (word & kHighBits) return true;
    p += 8;
    n -= 8;
  }
  for (; n > 0; --n, ++p) {
    if (static_cast<unsigned char>(*p) & 0x80) return true;
  }
  return false;
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

std::string RepairUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const size_t length = ValidSequenceAt(s, i);
    if (length == 0) {
      out.append("\xEF\xBF\xBD");
      ++i;
    } else {
      out.append(s.substr(i, length));
      i += length;
    }
  }
  return out;
}

bool SettingsLineReader::Next(SettingsLine& line) {
  if (pos_ >= text_.size()) return false;
  const size_t lf = text_.find('\n', pos_);
  if (lf == std::string_view::npos) return false;  // text after the last LF is not a line
  const std::string_view whole = text_.substr(pos_, lf - pos_);
  const size_t eq = whole.find('=');
  if (eq == std::string_view::npos || eq == 0) return false;
  line.key = TrimSpaces(whole.substr(0, eq));
  std::string_view rest = whole.substr(eq + 1);
  const size_t cr = rest.find('\r');
  line.missingCr = cr == std::string_view::npos;
  if (!line.missingCr) rest = rest.substr(0, cr);
  line.value = TrimSpaces(rest);
  pos_ = lf + 1;
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
