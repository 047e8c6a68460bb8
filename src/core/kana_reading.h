#pragma once
// A tool tip's reading for the Run box's romaji search: its own kana as written, with katakana
// as hiragana, half-width katakana as full-width (its voiced marks joined) and full-width Latin
// letters and digits as ASCII in lower case. A tool tip that does not begin with kana has none.
#include <string>
#include <string_view>

namespace velmarin {

// The reading of tip into out; false (out empty) when tip has none.
bool KanaReading(std::string_view tip, std::string& out);

// Any text folded the same way into out: katakana as hiragana, half-width kana as full-width,
// full-width Latin letters and digits as ASCII; everything else as it is.
void FoldKana(std::string_view text, std::string& out);

}  // namespace velmarin
