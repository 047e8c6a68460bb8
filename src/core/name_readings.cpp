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
// Steps one search may take; what it has not reached by then is not found.
constexpr int kSteps = 1 << 20;

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

// The search walks the names sorted by their units, so that names with the same first units
// lie together and each beginning is read once for all of them.
class NameReadings::Walk {
 public:
  Walk(const NameReadings& names, std::string_view want, std::string_view last)
      : n_(names), want_(want), last_(last), length_(want.size() + (last.empty() ? 0 : 1)) {}

  // Marks the names of order_[lo, hi), which share their first `depth` units, whose units from
  // `depth` on read as the wanted kana from `at` on.
  void From(uint32_t lo, uint32_t hi, size_t depth, size_t at) {
    if (at == length_) {
      Mark(lo, hi, depth);
      return;
    }
    uint32_t i = lo;
    // The names that end here come first; they read no further.
    while (i < hi && Length(i) <= depth) ++i;
    while (i < hi) {
      if (--steps_ < 0) return;
      const uint16_t unit = Unit(i, depth);
      const uint32_t j = static_cast<uint32_t>(
          std::partition_point(
              n_.order_.begin() + i, n_.order_.begin() + hi,
              [&](uint32_t name) { return n_.units_[n_.starts_[name] + depth] == unit; }) -
          n_.order_.begin());
      Read(unit, i, j, depth, at);
      i = j;
    }
  }

 private:
  // Whether the wanted kana at `at` may be b: the typed kana, then any of the last ones.
  bool Is(size_t at, unsigned char b) const {
    if (at < want_.size()) return static_cast<unsigned char>(want_[at]) == b;
    return last_.find(static_cast<char>(b)) != std::string_view::npos;
  }
  size_t Length(uint32_t i) const {
    const uint32_t name = n_.order_[i];
    return n_.starts_[name + 1] - n_.starts_[name];
  }
  uint16_t Unit(uint32_t i, size_t depth) const {
    return n_.units_[n_.starts_[n_.order_[i]] + depth];
  }
  // Marks the names of order_[lo, hi) that have at least `least` units.
  void Mark(uint32_t lo, uint32_t hi, size_t least) {
    for (uint32_t i = lo; i < hi; ++i) {
      if (Length(i) < least) continue;
      const uint32_t name = n_.order_[i];
      n_.hits_[name / 64] |= 1ULL << (name % 64);
    }
  }
  // The names of order_[lo, hi) have `unit` at `depth`: each way it reads as the wanted kana.
  void Read(uint16_t unit, uint32_t lo, uint32_t hi, size_t depth, size_t at) {
    if (unit < kKanji) {
      if (unit != kWall && Is(at, static_cast<unsigned char>(unit)))
        From(lo, hi, depth + 1, at + 1);
      return;
    }
    const size_t k = unit - kKanji;
    const unsigned char* r = kKanjiReadings + kKanjiStarts[k];
    const unsigned char* const end = kKanjiReadings + kKanjiStarts[k + 1];
    for (size_t len = 0; r < end; r += len + 1) {
      len = std::strlen(reinterpret_cast<const char*>(r));
      // The first sound as written, or voiced after the first kanji.
      if (!Is(at, r[0]) && !(depth > 0 && ((Voiced(r[0]) && Is(at, Voiced(r[0]))) ||
                                           (HalfVoiced(r[0]) && Is(at, HalfVoiced(r[0])))))) {
        continue;
      }
      bool tsu = false;
      size_t n = 1;
      for (; n < len && at + n < length_; ++n) {
        if (Is(at + n, r[n])) continue;
        // The last sound as a small っ, which needs a kanji after it.
        if (n + 1 == len && EndsInTsu(r[n]) && Is(at + n, kSmallTsu)) {
          tsu = true;
          continue;
        }
        break;
      }
      if (n < len && at + n < length_) continue;  // a sound differs
      if (at + n == length_) {
        // The typed text ends inside this kanji's reading.
        Mark(lo, hi, tsu ? depth + 2 : depth + 1);
      } else {
        From(lo, hi, depth + 1, at + n);
      }
    }
  }

  const NameReadings& n_;
  std::string_view want_;
  std::string_view last_;
  size_t length_;
  int steps_ = kSteps;
};

void NameReadings::Build(const std::vector<std::string>& names) {
  units_.clear();
  starts_.assign(1, 0);
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
  }
  const uint32_t count = static_cast<uint32_t>(size());
  order_.resize(count);
  for (uint32_t i = 0; i < count; ++i) order_[i] = i;
  const auto unitsOf = [&](uint32_t name) {
    return std::basic_string_view<uint16_t>(units_.data() + starts_[name],
                                            starts_[name + 1] - starts_[name]);
  };
  std::sort(order_.begin(), order_.end(), [&](uint32_t a, uint32_t b) {
    const auto ua = unitsOf(a);
    const auto ub = unitsOf(b);
    return std::lexicographical_compare(ua.begin(), ua.end(), ub.begin(), ub.end());
  });
  // The runs of names with the same first unit, under each kana that unit's reading can begin
  // with.
  std::vector<std::pair<unsigned char, Run>> runs;
  for (uint32_t i = 0; i < count;) {
    const uint32_t name = order_[i];
    if (starts_[name + 1] == starts_[name]) {
      ++i;  // an empty name reads as nothing
      continue;
    }
    const uint16_t first = units_[starts_[name]];
    uint32_t j = i + 1;
    while (j < count && starts_[order_[j] + 1] > starts_[order_[j]] &&
           units_[starts_[order_[j]]] == first) {
      ++j;
    }
    if (first >= kKanji) {
      const size_t k = first - kKanji;
      // Each kana once, however many of the kanji's readings begin with it.
      uint64_t seen[4] = {};
      for (uint32_t at = kKanjiStarts[k]; at < kKanjiStarts[k + 1];) {
        const unsigned char kana = kKanjiReadings[at];
        if (!(seen[kana / 64] & (1ULL << (kana % 64)))) runs.push_back({kana, {i, j}});
        seen[kana / 64] |= 1ULL << (kana % 64);
        at +=
            static_cast<uint32_t>(std::strlen(reinterpret_cast<const char*>(kKanjiReadings + at))) +
            1;
      }
    } else if (first != kWall) {
      runs.push_back({static_cast<unsigned char>(first), {i, j}});
    }
    i = j;
  }
  std::stable_sort(runs.begin(), runs.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  firstStart_.assign(257, 0);
  byFirst_.clear();
  for (const auto& [kana, run] : runs) {
    ++firstStart_[kana + 1u];
    byFirst_.push_back(run);
  }
  for (size_t b = 1; b < firstStart_.size(); ++b) firstStart_[b] += firstStart_[b - 1];
  hits_.assign((size() + 63) / 64, 0);
}

void NameReadings::Find(const Romaji& typed, const std::function<bool(uint32_t)>& found) const {
  if (size() == 0) return;
  want_.clear();
  if (!AppendKana(typed.kana, want_) || want_.size() > kLongestWanted) return;
  std::fill(hits_.begin(), hits_.end(), 0);
  const auto search = [&](std::string_view want, std::string_view last) {
    if (want.empty() && last.empty()) return;
    Walk walk(*this, want, last);
    // The runs of names whose first unit can begin with the first kana wanted.
    const std::string_view firsts = want.empty() ? last : want.substr(0, 1);
    for (const char f : firsts) {
      const auto kana = static_cast<unsigned char>(f);
      for (uint32_t r = firstStart_[kana]; r < firstStart_[kana + 1u]; ++r)
        walk.From(byFirst_[r].lo, byFirst_[r].hi, 0, 0);
    }
  };
  if (typed.pending.empty()) {
    search(want_, {});
  } else {
    // The pending letters may still become any of these kana: one kana each (searched as one
    // last kana of several), or a kana and a small one after it (きゃ, きゅ: the first one more
    // kana wanted, the small ones the last).
    const size_t kana = want_.size();
    std::string single;
    std::string pairs;  // first and second kana, two bytes a pair, sorted
    for (const std::string& next : KanaBegunBy(typed.pending)) {
      last_.clear();
      if (!AppendKana(next, last_)) continue;
      if (last_.size() == 1) single += last_;
      if (last_.size() == 2) pairs += last_;
    }
    if (!single.empty()) search(want_, single);
    for (size_t p = 0; p < pairs.size();) {
      want_.resize(kana);
      want_ += pairs[p];
      last_.clear();
      for (; p < pairs.size() && pairs[p] == want_.back(); p += 2) last_ += pairs[p + 1];
      search(want_, last_);
    }
  }
  for (size_t word = 0; word < hits_.size(); ++word) {
    for (uint64_t bits = hits_[word]; bits != 0; bits &= bits - 1) {
      if (!found(static_cast<uint32_t>(word * 64 + static_cast<size_t>(std::countr_zero(bits)))))
        return;
    }
  }
}

}  // namespace velmarin
