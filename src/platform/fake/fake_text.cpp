#include "platform/fake/fake_text.h"

#include <iconv.h>

#include <cerrno>

#include "core/strings.h"

namespace velmarin {

namespace {

// Converts with iconv; a character that does not convert makes the whole call fail unless
// `replace` is set, in which case it becomes U+FFFD (input is UTF-8 output then).
std::optional<std::string> Convert(const char* to, const char* from, const std::string& in,
                                   bool replace) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.reserve(in.size() * 2);
  std::string src = in;
  char* inPtr = src.data();
  size_t inLeft = src.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      if (!replace) {
        iconv_close(cd);
        return std::nullopt;
      }
      out.append("\xEF\xBF\xBD");
      // Skip one byte (or a lead and trail byte pair) and go on.
      const unsigned char lead = static_cast<unsigned char>(*inPtr);
      const size_t skip = (inLeft >= 2 && ((lead >= 0x81 && lead <= 0x9F) || lead >= 0xE0)) ? 2 : 1;
      inPtr += skip;
      inLeft -= skip;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string FakeText::AnsiToUtf8(const std::string& ansi) {
  if (codePage_ != 932) return ansi;
  return Convert("UTF-8", "CP932", ansi, true).value_or(std::string());
}

std::optional<std::string> FakeText::Utf8ToAnsi(const std::string& utf8) {
  if (codePage_ != 932) return utf8;
  return Convert("CP932", "UTF-8", utf8, false);
}

bool FakeText::EqualsNoCase(const std::string& a, const std::string& b) {
  return UpperAscii(a) == UpperAscii(b);
}

bool FakeText::StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  return UpperAscii(text.substr(0, prefix.size())) == UpperAscii(prefix);
}

}  // namespace velmarin
