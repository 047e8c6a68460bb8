#include "fake/fake_text.h"

#include <iconv.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/strings.h"

namespace velmarin {

namespace {

constexpr uint32_t kInvalid = 0xFFFFFFFF;
constexpr uint32_t kLeadByte = 0xFFFFFFFE;

// Code page 932 as glibc's iconv maps it, turned into tables once: converting through iconv
// call by call is several times slower than the settings reader itself.
struct Cp932Tables {
  std::vector<uint32_t> single = std::vector<uint32_t>(256, kInvalid);
  std::vector<uint32_t> pairs = std::vector<uint32_t>(65536, kInvalid);  // lead << 8 | trail
  std::unordered_map<uint32_t, uint16_t> encode;  // code point -> one byte or lead << 8 | trail
};

// One conversion of a short input; the code point or bytes it gave, or nothing.
bool ConvertOnce(iconv_t cd, const char* in, size_t inSize, char* out, size_t outSize,
                 size_t& written) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* inPtr = const_cast<char*>(in);
  size_t inLeft = inSize;
  char* outPtr = out;
  size_t outLeft = outSize;
  const size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  written = outSize - outLeft;
  return r != static_cast<size_t>(-1) && inLeft == 0;
}

uint32_t ReadUtf32(const char* bytes) {
  return static_cast<uint32_t>(static_cast<unsigned char>(bytes[0])) |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[1])) << 8 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[2])) << 16 |
         static_cast<uint32_t>(static_cast<unsigned char>(bytes[3])) << 24;
}

Cp932Tables BuildTables() {
  Cp932Tables t;
  iconv_t decode = iconv_open("UTF-32LE", "CP932");
  iconv_t encode = iconv_open("CP932", "UTF-32LE");
  if (decode == reinterpret_cast<iconv_t>(-1) || encode == reinterpret_cast<iconv_t>(-1)) return t;
  char out[16];
  size_t written = 0;
  for (int b = 0; b < 256; ++b) {
    const char in[1] = {static_cast<char>(b)};
    if (ConvertOnce(decode, in, 1, out, sizeof out, written) && written == 4) {
      t.single[b] = ReadUtf32(out);
      continue;
    }
    // A byte that only converts with a second one is a lead byte.
    for (int trail = 0x40; trail < 0x100 && t.single[b] == kInvalid; ++trail) {
      const char two[2] = {static_cast<char>(b), static_cast<char>(trail)};
      if (ConvertOnce(decode, two, 2, out, sizeof out, written) && written == 4) {
        t.single[b] = kLeadByte;
      }
    }
    if (t.single[b] != kLeadByte) continue;
    for (int trail = 0; trail < 0x100; ++trail) {
      const char two[2] = {static_cast<char>(b), static_cast<char>(trail)};
      if (ConvertOnce(decode, two, 2, out, sizeof out, written) && written == 4) {
        t.pairs[static_cast<size_t>(b << 8 | trail)] = ReadUtf32(out);
      }
    }
  }
  // The encoder's own choice for every code point the decoder can give (several byte pairs may
  // decode to one character; only one of them is written back).
  auto addEncoding = [&](uint32_t cp) {
    if (cp == kInvalid || cp == kLeadByte || t.encode.count(cp)) return;
    const char in[4] = {static_cast<char>(cp & 0xFF), static_cast<char>((cp >> 8) & 0xFF),
                        static_cast<char>((cp >> 16) & 0xFF), static_cast<char>(cp >> 24)};
    if (!ConvertOnce(encode, in, 4, out, sizeof out, written)) return;
    if (written == 1) t.encode[cp] = static_cast<unsigned char>(out[0]);
    if (written == 2) {
      t.encode[cp] = static_cast<uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                           static_cast<unsigned char>(out[1]));
    }
  };
  // Every character of the basic plane: the encoder also takes some the decoder never gives
  // (the yen sign, the full-width wave dash's neighbours).
  for (uint32_t cp = 0; cp < 0x10000; ++cp) {
    if (cp < 0xD800 || cp > 0xDFFF) addEncoding(cp);
  }
  iconv_close(decode);
  iconv_close(encode);
  return t;
}

const Cp932Tables& Tables() {
  static const Cp932Tables tables = BuildTables();
  return tables;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// The next code point of a UTF-8 string, or kInvalid for a malformed sequence.
uint32_t NextCodePoint(const std::string& s, size_t& i) {
  const unsigned char c = static_cast<unsigned char>(s[i++]);
  if (c < 0x80) return c;
  int extra = 0;
  uint32_t cp = 0;
  uint32_t least = 0;
  if ((c & 0xE0) == 0xC0) {
    extra = 1, cp = c & 0x1F, least = 0x80;
  } else if ((c & 0xF0) == 0xE0) {
    extra = 2, cp = c & 0x0F, least = 0x800;
  } else if ((c & 0xF8) == 0xF0) {
    extra = 3, cp = c & 0x07, least = 0x10000;
  } else {
    return kInvalid;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return kInvalid;
    cp = cp << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kInvalid;
  return cp;
}

}  // namespace

std::optional<std::string> FakeText::Utf8ToAnsi(const std::string& utf8) {
  if (codePage_ != 932) return utf8;
  return Utf8ToCp932(utf8);
}

std::optional<std::string> FakeText::Cp932ToUtf8(const std::string& bytes) {
  if (codePage_ == 0) return bytes;
  const Cp932Tables& t = Tables();
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (size_t i = 0; i < bytes.size();) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    uint32_t cp = t.single[b];
    size_t length = 1;
    if (cp == kLeadByte) {
      if (i + 1 >= bytes.size()) return std::nullopt;
      cp = t.pairs[static_cast<size_t>(b << 8 | static_cast<unsigned char>(bytes[i + 1]))];
      length = 2;
    }
    if (cp == kInvalid) return std::nullopt;
    AppendUtf8(out, cp);
    i += length;
  }
  return out;
}

std::optional<std::string> FakeText::Utf8ToCp932(const std::string& utf8) {
  if (codePage_ == 0) return utf8;
  const Cp932Tables& t = Tables();
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const uint32_t cp = NextCodePoint(utf8, i);
    if (cp == kInvalid) return std::nullopt;
    auto it = t.encode.find(cp);
    if (it == t.encode.end()) return std::nullopt;
    if (it->second > 0xFF) out.push_back(static_cast<char>(it->second >> 8));
    out.push_back(static_cast<char>(it->second & 0xFF));
  }
  return out;
}

bool FakeText::EqualsNoCase(const std::string& a, const std::string& b) {
  return UpperAscii(a) == UpperAscii(b);
}

bool FakeText::StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size()) return false;
  return UpperAscii(text.substr(0, prefix.size())) == UpperAscii(prefix);
}

int FakeText::CompareNoCase(const std::string& a, const std::string& b) {
  return UpperAscii(a).compare(UpperAscii(b));
}

}  // namespace velmarin
