#pragma once
// The readings of the kanji, generated at build time from the KANJIDIC dictionary (see
// scripts/kanji_readings.py; the data's licence is in license.txt). kKanjiCodes holds the kanji's
// code points in ascending order; kanji k's readings are the bytes of kKanjiReadings from
// kKanjiStarts[k] to kKanjiStarts[k + 1], each reading one byte a kana (hiragana U+3041..U+3096
// as 0x81..0xD6, "ー" as 0xDF) ended by a zero byte.
#include <cstddef>
#include <cstdint>

namespace velmarin {

extern const size_t kKanjiCount;
extern const uint16_t kKanjiCodes[];
extern const uint16_t kKanjiStarts[];
extern const unsigned char kKanjiReadings[];

}  // namespace velmarin
