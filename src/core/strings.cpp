#include "core/strings.h"

namespace velmarin {

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

size_t Utf8Length(std::string_view s) {
  size_t n = 0;
  for (unsigned char c : s) {
    if (!IsContinuation(c)) ++n;
  }
  return n;
}

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

std::string_view TrimSpaces(std::string_view s) {
  size_t b = 0;
  size_t e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return s.substr(b, e - b);
}

std::string_view LastChar(std::string_view s) {
  if (s.empty()) return {};
  size_t i = s.size() - 1;
  while (i > 0 && IsContinuation(static_cast<unsigned char>(s[i]))) --i;
  return s.substr(i);
}

}  // namespace velmarin
