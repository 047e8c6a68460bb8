#include "core/kana_reading.h"

#include <cstdint>

namespace velmarin {

namespace {

// The code point at s[i], and the bytes it takes; a broken sequence is one byte of its own.
char32_t Decode(std::string_view s, size_t i, size_t& bytes) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char lead = b(0);
  size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (n == 0 || i + n > s.size()) {
    bytes = 1;
    return lead;
  }
  char32_t c = n == 1 ? lead : lead & (0xFF >> (n + 1));
  for (size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) {
      bytes = 1;
      return lead;
    }
    c = (c << 6) | (b(k) & 0x3F);
  }
  bytes = n;
  return c;
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Half-width katakana U+FF66 to U+FF9D as full-width katakana.
constexpr char16_t kHalfWidth[] = {
    u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ', u'ョ', u'ッ', u'ー', u'ア',
    u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ', u'サ', u'シ', u'ス',
    u'セ', u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ', u'ネ', u'ノ',
    u'ハ', u'ヒ', u'フ', u'ヘ', u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ', u'ユ',
    u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ', u'ン'};

bool IsKana(char32_t c) {
  return (c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FA) || c == 0x30FC ||
         (c >= 0xFF66 && c <= 0xFF9D);
}

char32_t Hiragana(char32_t c) { return c >= 0x30A1 && c <= 0x30F6 ? c - 0x60 : c; }

// The voiced (mark 1) or semi-voiced (mark 2) form of a full-width kana, or 0 when it has none.
char32_t Marked(char32_t c, int mark) {
  const char32_t k = Hiragana(c);
  if (mark == 1 && k == U'う') return U'ゔ';
  // か to ぢ take their voiced form next to them, then つ て と after the small っ.
  if (mark == 1 && ((k >= U'か' && k <= U'ぢ' && (k - U'か') % 2 == 0) || k == U'つ' ||
                    k == U'て' || k == U'と')) {
    return k + 1;
  }
  if (mark == 1 && k >= U'は' && k <= U'ほ' && (k - U'は') % 3 == 0) return k + 1;
  if (mark == 2 && k >= U'は' && k <= U'ほ' && (k - U'は') % 3 == 0) return k + 2;
  return 0;
}

}  // namespace

bool KanaReading(std::string_view tip, std::string& out) {
  out.clear();
  size_t bytes = 0;
  if (tip.empty() || !IsKana(Decode(tip, 0, bytes))) return false;
  FoldKana(tip, out);
  return true;
}

void FoldKana(std::string_view text, std::string& out) {
  out.clear();
  size_t bytes = 0;
  char32_t last = 0;  // the last kana written, for a half-width mark after it
  size_t lastAt = 0;
  for (size_t i = 0; i < text.size(); i += bytes) {
    char32_t c = Decode(text, i, bytes);
    if (c == 0xFF9E || c == 0xFF9F) {
      if (const char32_t m = last ? Marked(last, c == 0xFF9E ? 1 : 2) : 0) {
        out.resize(lastAt);
        Encode(m, out);
        last = 0;
        continue;
      }
      c = c == 0xFF9E ? U'゛' : U'゜';
    } else if (c >= 0xFF66 && c <= 0xFF9D) {
      c = kHalfWidth[c - 0xFF66];
    } else if (c >= 0xFF01 && c <= 0xFF5E) {
      c -= 0xFEE0;
      if (c >= 'A' && c <= 'Z') c += 32;
    }
    c = Hiragana(c);
    last = (c >= 0x3041 && c <= 0x3096) ? c : 0;
    lastAt = out.size();
    Encode(c, out);
  }
}

}  // namespace velmarin
