#include "core/name_readings.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "core/kana_reading.h"
#include "core/kanji_table.h"

namespace velmarin {

namespace {

// A name's unit: a kana, letter or digit as its byte (kana as in the kanji table), kWall for a
// character nothing typed reads as, or kKanji + the kanji's number in the table.
constexpr uint16_t kWall = 0x01;
constexpr uint16_t kKanji = 0x100;
constexpr unsigned char kLongVowel = 0xDF;
constexpr unsigned char kSmallTsu = 0x80 + (0x3063 - 0x3040);
// Typed text longer than this many kana reads as no name: the search's depth is bounded.
constexpr size_t kLongestWanted = 256;
// Steps one name's search may take; a name that needs more is passed over.
constexpr int kStepsPerName = 4096;

constexpr unsigned char KanaByte(char32_t c) {
  return static_cast<unsigned char>(0x80 + (c - 0x3040));
}

// The code point at s[i], and its bytes; a broken sequence is one byte that reads as nothing.
char32_t Decode(std::string_view s, size_t i, size_t& bytes) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char lead = b(0);
  const size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  bytes = 1;
  if (n == 0 || i + n > s.size()) return 0xFFFD;
  char32_t c = n == 1 ? lead : lead & (0xFF >> (n + 1));
  for (size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0xFFFD;
    c = (c << 6) | (b(k) & 0x3F);
  }
  bytes = n;
  return c;
}

// The byte of a hiragana or "ー" of folded text, or 0 for any other character.
unsigned char KanaOf(char32_t c) {
  if (c >= 0x3041 && c <= 0x3096) return KanaByte(c);
  return c == 0x30FC ? kLongVowel : 0;
}

int KanjiNumber(char32_t c) {
  if (c < 0x3400 || c > 0xFFFF) return -1;
  const uint16_t* end = kKanjiCodes + kKanjiCount;
  const uint16_t* at = std::lower_bound(kKanjiCodes, end, static_cast<uint16_t>(c));
  return at != end && *at == c ? static_cast<int>(at - kKanjiCodes) : -1;
}

// The first sound of a kanji after the first, voiced (か: が, て: で, は: ば) or, in the は row,
// half-voiced (は: ぱ); 0 when it has no such form.
unsigned char Voiced(unsigned char b) {
  const char32_t c = 0x3040 + (b - 0x80);
  if (b < 0x81 || b > 0xD6) return 0;
  if ((c >= U'か' && c <= U'ぢ' && (c - U'か') % 2 == 0) || c == U'つ' || c == U'て' ||
      c == U'と') {
    return static_cast<unsigned char>(b + 1);
  }
  if (c >= U'は' && c <= U'ほ' && (c - U'は') % 3 == 0) return static_cast<unsigned char>(b + 1);
  return 0;
}

unsigned char HalfVoiced(unsigned char b) {
  const char32_t c = 0x3040 + (b - 0x80);
  if (b < 0x81 || b > 0xD6) return 0;
  return c >= U'は' && c <= U'ほ' && (c - U'は') % 3 == 0 ? static_cast<unsigned char>(b + 2) : 0;
}

// Whether a reading's last sound may become a small っ before the next kanji.
bool EndsInTsu(unsigned char b) {
  return b == KanaByte(U'く') || b == KanaByte(U'き') || b == KanaByte(U'つ') ||
         b == KanaByte(U'ち');
}

// UTF-8 hiragana and "ー" as the table's bytes, appended to out; false for anything else.
bool AppendKana(std::string_view kana, std::string& out) {
  size_t bytes = 0;
  for (size_t i = 0; i < kana.size(); i += bytes) {
    const unsigned char b = KanaOf(Decode(kana, i, bytes));
    if (b == 0) return false;
    out += static_cast<char>(b);
  }
  return true;
}

struct Search {
  const uint16_t* units;
  size_t count;
  std::string_view want;
  int steps;

  bool Reads(size_t unit, size_t at) {
    if (at == want.size()) return true;
    if (unit == count || --steps < 0) return false;
    const uint16_t u = units[unit];
    const auto w = static_cast<unsigned char>(want[at]);
    if (u < kKanji) return u == w && Reads(unit + 1, at + 1);
    const size_t k = u - kKanji;
    const unsigned char* r = kKanjiReadings + kKanjiStarts[k];
    const unsigned char* const end = kKanjiReadings + kKanjiStarts[k + 1];
    const bool later = unit > 0;
    const bool followed = unit + 1 < count;
    for (size_t len = 0; r < end; r += len + 1) {
      len = std::strlen(reinterpret_cast<const char*>(r));
      // The first sound as written, or voiced after the first kanji.
      if (r[0] != w && !(later && (Voiced(r[0]) == w || HalfVoiced(r[0]) == w))) continue;
      size_t n = 1;
      for (; n < len && at + n < want.size(); ++n) {
        const auto typed = static_cast<unsigned char>(want[at + n]);
        if (r[n] == typed) continue;
        // The last sound as a small っ before the next kanji.
        if (n + 1 == len && followed && typed == kSmallTsu && EndsInTsu(r[n])) continue;
        break;
      }
      if (n < len && at + n < want.size()) continue;  // a sound differs
      // The typed text ends inside this kanji's reading, or goes on with the next unit.
      if (at + n == want.size() || Reads(unit + 1, at + n)) return true;
    }
    return false;
  }
};

}  // namespace

bool TypedReading(std::string_view typed, Romaji& out) {
  if (ReadRomaji(typed, out)) return true;
  out.pending.clear();
  FoldKana(typed, out.kana);
  bool kana = false;
  size_t bytes = 0;
  for (size_t i = 0; i < out.kana.size(); i += bytes) {
    const unsigned char b = KanaOf(Decode(out.kana, i, bytes));
    if (b == 0) {
      out.kana.clear();
      return false;
    }
    kana = kana || b != kLongVowel;
  }
  if (!kana) out.kana.clear();
  return kana;
}

void NameReadings::Build(const std::vector<std::string>& names) {
  units_.clear();
  starts_.assign(1, 0);
  std::vector<uint32_t> firstCount(257, 0);
  std::vector<unsigned char> firsts;  // each name's first kana, in name order, kWall between names
  std::string folded;
  for (const std::string& name : names) {
    if (starts_.size() > std::numeric_limits<uint32_t>::max() - 1) break;
    FoldKana(name, folded);
    const size_t from = units_.size();
    size_t bytes = 0;
    for (size_t i = 0; i < folded.size(); i += bytes) {
      const char32_t c = Decode(folded, i, bytes);
      uint16_t unit = kWall;
      if (const unsigned char kana = KanaOf(c)) {
        unit = kana;
      } else if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')) {
        unit = static_cast<uint16_t>(c);
      } else if (c >= 'A' && c <= 'Z') {
        unit = static_cast<uint16_t>(c + 32);
      } else if (c == U'々') {
        // The kanji before it, once more.
        if (units_.size() > from && units_.back() >= kKanji) unit = units_.back();
      } else if (const int k = KanjiNumber(c); k >= 0) {
        unit = static_cast<uint16_t>(kKanji + k);
      }
      units_.push_back(unit);
    }
    starts_.push_back(static_cast<uint32_t>(units_.size()));
    // The kana the name's reading can begin with.
    const size_t before = firsts.size();
    if (units_.size() > from) {
      const uint16_t first = units_[from];
      if (first >= kKanji) {
        const size_t k = first - kKanji;
        for (uint32_t at = kKanjiStarts[k]; at < kKanjiStarts[k + 1];
             at += static_cast<uint32_t>(std::strlen(reinterpret_cast<const char*>(kKanjiReadings + at))) + 1) {
          firsts.push_back(kKanjiReadings[at]);
        }
      } else if (first != kWall) {
        firsts.push_back(static_cast<unsigned char>(first));
      }
    }
    std::sort(firsts.begin() + static_cast<std::ptrdiff_t>(before), firsts.end());
    firsts.erase(std::unique(firsts.begin() + static_cast<std::ptrdiff_t>(before), firsts.end()),
                 firsts.end());
    for (size_t f = before; f < firsts.size(); ++f) ++firstCount[firsts[f]];
    firsts.push_back(kWall);
  }
  firstStart_.assign(258, 0);
  for (size_t b = 0; b < 257; ++b) firstStart_[b + 1] = firstStart_[b] + firstCount[b];
  byFirst_.assign(firstStart_[257], 0);
  std::vector<uint32_t> next(firstStart_.begin(), firstStart_.end() - 1);
  uint32_t name = 0;
  for (const unsigned char f : firsts) {
    if (f == kWall) {
      ++name;
      continue;
    }
    byFirst_[next[f]++] = name;  // names in ascending order under each kana
  }
  hits_.assign((size() + 63) / 64, 0);
}

void NameReadings::Find(const Romaji& typed, const std::function<bool(uint32_t)>& found) const {
  if (size() == 0) return;
  want_.clear();
  if (!AppendKana(typed.kana, want_)) return;
  const size_t kana = want_.size();
  std::fill(hits_.begin(), hits_.end(), 0);
  const auto search = [&] {
    if (want_.empty() || want_.size() > kLongestWanted) return;
    const auto first = static_cast<unsigned char>(want_[0]);
    for (uint32_t at = firstStart_[first]; at < firstStart_[first + 1u]; ++at) {
      const uint32_t name = byFirst_[at];
      uint64_t& word = hits_[name / 64];
      const uint64_t bit = 1ULL << (name % 64);
      if (word & bit) continue;
      Search s{units_.data() + starts_[name], starts_[name + 1] - starts_[name], want_,
               kStepsPerName};
      if (s.Reads(0, 0)) word |= bit;
    }
  };
  if (typed.pending.empty()) {
    search();
  } else {
    // The pending letters may still become any of these kana.
    for (const std::string& next : KanaBegunBy(typed.pending)) {
      want_.resize(kana);
      if (AppendKana(next, want_)) search();
    }
  }
  for (size_t word = 0; word < hits_.size(); ++word) {
    for (uint64_t bits = hits_[word]; bits != 0; bits &= bits - 1) {
      if (!found(static_cast<uint32_t>(word * 64 + static_cast<size_t>(std::countr_zero(bits)))))
        return;
    }
  }
}

bool NameReadings::ReadsAs(std::string_view name, std::string_view kana) {
  NameReadings one;
  one.Build({std::string(name)});
  bool read = false;
  one.Find(Romaji{std::string(kana), {}}, [&](uint32_t) {
    read = true;
    return false;
  });
  return read;
}

}  // namespace velmarin
