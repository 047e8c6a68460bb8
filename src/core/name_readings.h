#pragma once
// Finding names by how they are read: "dentaku" and "でんたく" find 電卓, "settei" finds 設定.
// A name reads kana as themselves (katakana as hiragana), Latin letters and digits as themselves
// and each kanji by any of its dictionary readings (core/kanji_table.h), with the two sound
// changes of compounds: a reading ending in く, き, つ or ち may end in a small っ before the
// next kanji (せつ + てい: せってい, がく + こう: がっこう), and a kanji after the first may voice
// its first sound (て + かみ: てがみ). 々 repeats the kanji before it.
//
// The readings of every name are not written out: Build keeps each name as a short row of
// kanji numbers and kana, sorted so that names with the same beginning lie together, and an
// index by the kana a name's reading can begin with, so that a search looks only at the names
// that can match and reads each shared beginning once, kanji by kanji.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/romaji.h"

namespace velmarin {

// Whether typed text asks for a reading search, and what it reads as: romaji (kana + pending
// letters, as ReadRomaji gives) or hiragana/katakana typed directly (kana, no pending).
bool TypedReading(std::string_view typed, Romaji& out);

class NameReadings {
 public:
  // Takes the names (UTF-8), numbered 0..n-1 in the order given; builds the first-kana index.
  void Build(const std::vector<std::string>& names);
  // Calls found(i) once for each name i whose reading begins with typed's reading (kana followed
  // by any continuation of its pending letters), in ascending i; found returns false to stop.
  void Find(const Romaji& typed, const std::function<bool(uint32_t)>& found) const;
  size_t size() const { return starts_.empty() ? 0 : starts_.size() - 1; }

 private:
  class Walk;
  struct Run {
    uint32_t lo;  // a run of order_ whose names have the same first unit
    uint32_t hi;
  };

  std::vector<uint16_t> units_;         // every name's units, one after the other
  std::vector<uint32_t> starts_;        // name i's units are units_[starts_[i]..starts_[i + 1])
  std::vector<uint32_t> order_;         // the names sorted by their units
  std::vector<uint32_t> firstStart_;    // by first kana: its runs in byFirst_, 257 starts
  std::vector<Run> byFirst_;            // runs of names by the kana their reading can begin with
  mutable std::vector<uint64_t> hits_;  // one bit per name, for the search under way
  mutable std::string want_;            // the wanted kana, one byte each, room kept
  mutable std::string last_;            // the kana the pending letters may become
};

}  // namespace velmarin
