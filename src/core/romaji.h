#pragma once
// Romaji typed with the input method switched off, read as hiragana: the Hepburn and kunrei
// spellings and the usual input-method ones (shi/si, chi/ti, tsu/tu, fu/hu, ji/zi, ja/zya/jya),
// n, nn and n' for ん, a doubled consonant for っ, "-" for ー, x- and l- for small kana, in
// either case. The letters at the end that do not make a kana yet ("mem") are kept apart: they
// are the start of the next one.
#include <string>
#include <string_view>
#include <vector>

namespace velmarin {

struct Romaji {
  std::string kana;     // hiragana, UTF-8
  std::string pending;  // the letters after it, in lower case, that begin a kana
};

// Reads typed as romaji into out (whose strings keep their room from call to call); false when
// it holds anything else, or letters that spell no kana.
bool ReadRomaji(std::string_view typed, Romaji& out);

// What pending letters may still become, each the shortest: "m" gives ま み む め も and っ
// ("mm"), "ky" gives きゃ きゅ きょ..., "n" the な row and ん. Empty for no letters.
const std::vector<std::string>& KanaBegunBy(std::string_view pending);

}  // namespace velmarin
