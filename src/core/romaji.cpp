#include "core/romaji.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace velmarin {

namespace {

struct Spelling {
  const char* romaji;
  const char* kana;
};

// Every spelling of every kana; "n" alone and the doubled consonants are rules of their own.
// clang-format off
constexpr Spelling kSpellings[] = {
    {"a", "あ"},     {"i", "い"},     {"u", "う"},     {"e", "え"},     {"o", "お"},
    {"ka", "か"},    {"ki", "き"},    {"ku", "く"},    {"ke", "け"},    {"ko", "こ"},
    {"kya", "きゃ"}, {"kyi", "きぃ"}, {"kyu", "きゅ"}, {"kye", "きぇ"}, {"kyo", "きょ"},
    {"ca", "か"},    {"ci", "し"},    {"cu", "く"},    {"ce", "せ"},    {"co", "こ"},
    {"qa", "くぁ"},  {"qi", "くぃ"},  {"qu", "く"},    {"qe", "くぇ"},  {"qo", "くぉ"},
    {"sa", "さ"},    {"si", "し"},    {"su", "す"},    {"se", "せ"},    {"so", "そ"},
    {"shi", "し"},   {"sha", "しゃ"}, {"shu", "しゅ"}, {"she", "しぇ"}, {"sho", "しょ"},
    {"sya", "しゃ"}, {"syi", "しぃ"}, {"syu", "しゅ"}, {"sye", "しぇ"}, {"syo", "しょ"},
    {"ta", "た"},    {"ti", "ち"},    {"tu", "つ"},    {"te", "て"},    {"to", "と"},
    {"chi", "ち"},   {"cha", "ちゃ"}, {"chu", "ちゅ"}, {"che", "ちぇ"}, {"cho", "ちょ"},
    {"tya", "ちゃ"}, {"tyi", "ちぃ"}, {"tyu", "ちゅ"}, {"tye", "ちぇ"}, {"tyo", "ちょ"},
    {"cya", "ちゃ"}, {"cyi", "ちぃ"}, {"cyu", "ちゅ"}, {"cye", "ちぇ"}, {"cyo", "ちょ"},
    {"tsu", "つ"},   {"tsa", "つぁ"}, {"tsi", "つぃ"}, {"tse", "つぇ"}, {"tso", "つぉ"},
    {"thi", "てぃ"}, {"thu", "てゅ"}, {"dhi", "でぃ"}, {"dhu", "でゅ"}, {"twu", "とぅ"},
    {"na", "な"},    {"ni", "に"},    {"nu", "ぬ"},    {"ne", "ね"},    {"no", "の"},
    {"nya", "にゃ"}, {"nyi", "にぃ"}, {"nyu", "にゅ"}, {"nye", "にぇ"}, {"nyo", "にょ"},
    {"ha", "は"},    {"hi", "ひ"},    {"hu", "ふ"},    {"he", "へ"},    {"ho", "ほ"},
    {"hya", "ひゃ"}, {"hyi", "ひぃ"}, {"hyu", "ひゅ"}, {"hye", "ひぇ"}, {"hyo", "ひょ"},
    {"fa", "ふぁ"},  {"fi", "ふぃ"},  {"fu", "ふ"},    {"fe", "ふぇ"},  {"fo", "ふぉ"},
    {"ma", "ま"},    {"mi", "み"},    {"mu", "む"},    {"me", "め"},    {"mo", "も"},
    {"mya", "みゃ"}, {"myi", "みぃ"}, {"myu", "みゅ"}, {"mye", "みぇ"}, {"myo", "みょ"},
    {"ya", "や"},    {"yu", "ゆ"},    {"ye", "いぇ"},  {"yo", "よ"},
    {"ra", "ら"},    {"ri", "り"},    {"ru", "る"},    {"re", "れ"},    {"ro", "ろ"},
    {"rya", "りゃ"}, {"ryi", "りぃ"}, {"ryu", "りゅ"}, {"rye", "りぇ"}, {"ryo", "りょ"},
    {"wa", "わ"},    {"wi", "うぃ"},  {"wu", "う"},    {"we", "うぇ"},  {"wo", "を"},
    {"ga", "が"},    {"gi", "ぎ"},    {"gu", "ぐ"},    {"ge", "げ"},    {"go", "ご"},
    {"gya", "ぎゃ"}, {"gyi", "ぎぃ"}, {"gyu", "ぎゅ"}, {"gye", "ぎぇ"}, {"gyo", "ぎょ"},
    {"za", "ざ"},    {"zi", "じ"},    {"zu", "ず"},    {"ze", "ぜ"},    {"zo", "ぞ"},
    {"ji", "じ"},    {"ja", "じゃ"},  {"ju", "じゅ"},  {"je", "じぇ"},  {"jo", "じょ"},
    {"zya", "じゃ"}, {"zyi", "じぃ"}, {"zyu", "じゅ"}, {"zye", "じぇ"}, {"zyo", "じょ"},
    {"jya", "じゃ"}, {"jyi", "じぃ"}, {"jyu", "じゅ"}, {"jye", "じぇ"}, {"jyo", "じょ"},
    {"da", "だ"},    {"di", "ぢ"},    {"du", "づ"},    {"de", "で"},    {"do", "ど"},
    {"dya", "ぢゃ"}, {"dyi", "ぢぃ"}, {"dyu", "ぢゅ"}, {"dye", "ぢぇ"}, {"dyo", "ぢょ"},
    {"ba", "ば"},    {"bi", "び"},    {"bu", "ぶ"},    {"be", "べ"},    {"bo", "ぼ"},
    {"bya", "びゃ"}, {"byi", "びぃ"}, {"byu", "びゅ"}, {"bye", "びぇ"}, {"byo", "びょ"},
    {"pa", "ぱ"},    {"pi", "ぴ"},    {"pu", "ぷ"},    {"pe", "ぺ"},    {"po", "ぽ"},
    {"pya", "ぴゃ"}, {"pyi", "ぴぃ"}, {"pyu", "ぴゅ"}, {"pye", "ぴぇ"}, {"pyo", "ぴょ"},
    {"va", "ゔぁ"},  {"vi", "ゔぃ"},  {"vu", "ゔ"},    {"ve", "ゔぇ"},  {"vo", "ゔぉ"},
    {"xa", "ぁ"},    {"xi", "ぃ"},    {"xu", "ぅ"},    {"xe", "ぇ"},    {"xo", "ぉ"},
    {"la", "ぁ"},    {"li", "ぃ"},    {"lu", "ぅ"},    {"le", "ぇ"},    {"lo", "ぉ"},
    {"xya", "ゃ"},   {"xyu", "ゅ"},   {"xyo", "ょ"},   {"lya", "ゃ"},   {"lyu", "ゅ"},
    {"lyo", "ょ"},   {"xtu", "っ"},   {"ltu", "っ"},   {"xtsu", "っ"},  {"ltsu", "っ"},
    {"xwa", "ゎ"},   {"lwa", "ゎ"},   {"xka", "ゕ"},   {"lka", "ゕ"},   {"xke", "ゖ"},
    {"lke", "ゖ"},
};
// clang-format on

constexpr size_t kLongestSpelling = 4;
constexpr const char* kSmallTsu = "っ";
constexpr const char* kN = "ん";

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
bool IsVowel(char c) { return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o'; }
bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

const std::unordered_map<std::string, std::string>& Spellings() {
  static const auto* table = [] {
    auto* t = new std::unordered_map<std::string, std::string>;
    for (const Spelling& s : kSpellings) t->emplace(s.romaji, s.kana);
    return t;
  }();
  return *table;
}

// For every beginning of a spelling that is not yet one, the shortest kana it may become.
const std::map<std::string, std::vector<std::string>, std::less<>>& Beginnings() {
  static const auto* beginnings = [] {
    auto* b = new std::map<std::string, std::vector<std::string>, std::less<>>;
    for (const Spelling& s : kSpellings) {
      const std::string romaji = s.romaji;
      for (size_t n = 1; n < romaji.size(); ++n) {
        if (!Spellings().contains(romaji.substr(0, n))) (*b)[romaji.substr(0, n)].push_back(s.kana);
      }
    }
    for (auto& [letters, kana] : *b) {
      // A consonant typed twice is a small tsu; an n may stay ん.
      if (letters.size() == 1 && letters != "n") kana.push_back(kSmallTsu);
      if (letters == "n") kana.push_back(kN);
      std::sort(kana.begin(), kana.end());
      kana.erase(std::unique(kana.begin(), kana.end()), kana.end());
      // Sorted by bytes, a kana that begins with another follows it: keep the shorter.
      std::vector<std::string> shortest;
      for (const std::string& k : kana) {
        if (shortest.empty() || !k.starts_with(shortest.back())) shortest.push_back(k);
      }
      kana = std::move(shortest);
    }
    return b;
  }();
  return *beginnings;
}

}  // namespace

const std::vector<std::string>& KanaBegunBy(std::string_view pending) {
  static const std::vector<std::string> none;
  const auto& beginnings = Beginnings();
  const auto found = beginnings.find(pending);
  return found == beginnings.end() ? none : found->second;
}

bool ReadRomaji(std::string_view typed, Romaji& out) {
  out.kana.clear();
  out.pending.clear();
  const auto at = [&](size_t i) { return i < typed.size() ? Lower(typed[i]) : '\0'; };
  bool letters = false;
  for (size_t i = 0; i < typed.size();) {
    const char c = at(i);
    if (c == '-') {
      out.kana += "ー";
      ++i;
      continue;
    }
    if (!IsLetter(c)) return false;
    letters = true;
    const char next = at(i + 1);
    if (c == 'n' && next != '\0' && !IsVowel(next) && next != 'y') {
      // n' and nn are ん; so is an n before another consonant. Before a vowel the second n of
      // a pair begins the next kana, as in "konnichiha".
      out.kana += kN;
      const char after = at(i + 2);
      i += (next == '\'' || (next == 'n' && !IsVowel(after) && after != 'y')) ? 2 : 1;
      continue;
    }
    if (!IsVowel(c) && c != 'n' && (next == c || (c == 't' && next == 'c' && at(i + 2) == 'h'))) {
      out.kana += kSmallTsu;  // "tt", "kk", "tch"
      ++i;
      continue;
    }
    bool read = false;
    for (size_t n = std::min(kLongestSpelling, typed.size() - i); n > 0 && !read; --n) {
      std::string key;  // short enough to stay inside the string itself
      for (size_t k = 0; k < n; ++k) key += at(i + k);
      if (const auto found = Spellings().find(key); found != Spellings().end()) {
        out.kana += found->second;
        i += n;
        read = true;
      }
    }
    if (read) continue;
    for (size_t k = i; k < typed.size(); ++k) out.pending += at(k);
    return !KanaBegunBy(out.pending).empty();
  }
  return letters;
}

}  // namespace velmarin
