#include "core/tool_tip_index.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "core/kana_reading.h"

namespace velmarin {

namespace {

// Bytes of the UTF-8 character that starts with this byte (1 for a byte that starts none).
size_t CharBytes(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The typed text's character boundaries, in UTF-16 units from its start.
std::vector<size_t> UnitCuts(std::string_view name) {
  std::vector<size_t> cuts;
  size_t units = 0;
  for (size_t i = 0; i < name.size();) {
    const size_t bytes = std::min(CharBytes(static_cast<unsigned char>(name[i])), name.size() - i);
    units += bytes == 4 ? 2 : 1;
    i += bytes;
    cuts.push_back(units);
  }
  return cuts;
}

// The buttons' tool tips as the copy holds them, in page and slot order, until visit says stop.
template <typename Visit>
void ForEachButtonTip(const Model& model, Visit visit) {
  const auto pages = static_cast<size_t>(
      std::clamp<int64_t>(model.PageCount, 0, static_cast<int64_t>(model.Pages.size())));
  const int buttons = std::clamp<int>(model.settings.MaxButton, 0, static_cast<int>(kButtonSlots));
  for (size_t p = 0; p < pages; ++p) {
    for (int b = 0; b < buttons; ++b) {
      const std::string& tip = model.Pages[p].Buttons[static_cast<size_t>(b)].ToolTip;
      // An empty tip begins with no name.
      if (!tip.empty() && !visit(tip)) return;
    }
  }
}

}  // namespace

size_t ToolTipIndex::BytesOfUnits(std::string_view s, size_t units) {
  size_t i = 0;
  size_t counted = 0;
  while (counted < units) {
    if (i >= s.size()) return std::string_view::npos;
    const size_t bytes = std::min(CharBytes(static_cast<unsigned char>(s[i])), s.size() - i);
    counted += bytes == 4 ? 2 : 1;
    i += bytes;
  }
  return i;
}

bool ToolTipIndex::SameAsButtons(const Model& model) const {
  size_t n = 0;
  bool same = true;
  ForEachButtonTip(model, [&](const std::string& tip) {
    same = n < tips_.size() && tips_[n] == tip;
    ++n;
    return same;
  });
  return same && n == tips_.size();
}

bool ToolTipIndex::Current(const Model& model) {
  if (!built_ || edits_ != model.edits || pages_ != model.Pages.data() ||
      pageTable_ != model.Pages.size() || pageCount_ != model.PageCount ||
      maxButton_ != model.settings.MaxButton) {
    return false;
  }
  if (recheck_) {
    recheck_ = false;
    if (!SameAsButtons(model)) return false;
  }
  return true;
}

void ToolTipIndex::Build(const Model& model) {
  tips_.clear();
  answers_.clear();
  ForEachButtonTip(model, [&](const std::string& tip) {
    // The numbers are 32-bit: a person keeps no four thousand million tool tips.
    if (tips_.size() >= std::numeric_limits<uint32_t>::max()) return false;
    tips_.push_back(tip);
    return true;
  });
  sorted_.resize(tips_.size());
  for (uint32_t n = 0; n < sorted_.size(); ++n) sorted_[n] = n;
  std::sort(sorted_.begin(), sorted_.end(), [&](uint32_t a, uint32_t b) {
    const int order = tips_[a].compare(tips_[b]);
    return order != 0 ? order < 0 : a < b;
  });
  matched_.assign((tips_.size() + 63) / 64, 0);
  readMatched_.assign(matched_.size(), 0);
  readings_.Build(tips_);
  kanaFirst_.assign(matched_.size(), 0);
  std::string reading;
  for (uint32_t n = 0; n < tips_.size(); ++n) {
    if (KanaReading(tips_[n], reading)) kanaFirst_[n / 64] |= 1ULL << (n % 64);
  }
  built_ = true;
  recheck_ = false;
  edits_ = model.edits;
  pages_ = model.Pages.data();
  pageTable_ = model.Pages.size();
  pageCount_ = model.PageCount;
  maxButton_ = model.settings.MaxButton;
}

bool ToolTipIndex::Same(std::string_view tipPart, std::string_view namePart,
                        const SameBeginning& same) {
  // The same bytes up to a point, then ASCII on both sides: only the case of ASCII letters can
  // still make them equal.
  const auto [tipRest, nameRest] =
      std::mismatch(tipPart.begin(), tipPart.end(), namePart.begin(), namePart.end());
  size_t head = static_cast<size_t>(tipRest - tipPart.begin());
  // Back to the start of the character the first difference lies in.
  while (head > 0 && head < tipPart.size() &&
         (static_cast<unsigned char>(tipPart[head]) & 0xC0) == 0x80) {
    --head;
  }
  const std::string_view tipTail = tipPart.substr(head);
  const std::string_view nameTail = namePart.substr(std::min(head, namePart.size()));
  if (IsAscii(tipTail) && IsAscii(nameTail)) {
    return tipTail.size() == nameTail.size() &&
           std::equal(tipTail.begin(), tipTail.end(), nameTail.begin(),
                      [](char a, char b) { return FoldAscii(a) == FoldAscii(b); });
  }
  std::string key;
  key.reserve(tipPart.size() + 1 + namePart.size());
  key.append(tipPart).push_back('\0');
  key.append(namePart);
  if (const auto known = answers_.find(key); known != answers_.end()) return known->second;
  const bool answer = same(tipPart, namePart);
  // A bound on what a long session of typing keeps.
  if (answers_.size() >= 65536) answers_.clear();
  answers_.emplace(std::move(key), answer);
  return answer;
}

void ToolTipIndex::ForEachMatch(const Model& model, std::string_view name,
                                const SameBeginning& same, const Visit& visit,
                                const Visit* byReading) {
  if (name.empty()) return;
  if (!Current(model)) Build(model);
  struct Range {
    size_t from;
    size_t to;
  };
  // One more character of the typed text at a time; the tips of a range share their beginning
  // up to the characters compared so far, and it equals the typed one.
  std::vector<Range> ranges{{0, sorted_.size()}};
  std::vector<Range> next;
  for (const size_t units : UnitCuts(name)) {
    const std::string_view namePart = name.substr(0, BytesOfUnits(name, units));
    next.clear();
    for (const Range range : ranges) {
      size_t i = range.from;
      while (i < range.to) {
        const std::string& tip = tips_[sorted_[i]];
        const size_t bytes = BytesOfUnits(tip, units);
        if (bytes == std::string_view::npos) {
          ++i;  // shorter than the typed text: no match
          continue;
        }
        const std::string_view beginning(tip.data(), bytes);
        // The tips with the same beginning follow this one in the sorted order.
        const auto end = std::partition_point(
            sorted_.begin() + static_cast<std::ptrdiff_t>(i) + 1,
            sorted_.begin() + static_cast<std::ptrdiff_t>(range.to),
            [&](uint32_t n) { return std::string_view(tips_[n]).starts_with(beginning); });
        const auto j = static_cast<size_t>(end - sorted_.begin());
        if (Same(beginning, namePart, same)) next.push_back({i, j});
        i = j;
      }
    }
    ranges.swap(next);
    if (ranges.empty()) break;
  }
  std::fill(matched_.begin(), matched_.end(), 0);
  for (const Range range : ranges) {
    for (size_t i = range.from; i < range.to; ++i)
      matched_[sorted_[i] / 64] |= 1ULL << (sorted_[i] % 64);
  }
  // In page and slot order, until the visitor says stop.
  const auto visitAll = [&](const std::vector<uint64_t>& marked, const Visit& to) {
    for (size_t word = 0; word < marked.size(); ++word) {
      for (uint64_t bits = marked[word]; bits != 0; bits &= bits - 1) {
        if (!to(tips_[word * 64 + static_cast<size_t>(std::countr_zero(bits))])) return false;
      }
    }
    return true;
  };
  if (!visitAll(matched_, visit) || !byReading || !TypedReading(name, romaji_)) return;
  std::fill(readMatched_.begin(), readMatched_.end(), 0);
  readings_.Find(romaji_, [&](uint32_t n) {
    const uint64_t bit = 1ULL << (n % 64);
    if (!(matched_[n / 64] & bit)) readMatched_[n / 64] |= bit;
    return true;
  });
  // What is written as kana first, then what is read by its kanji. Letters that make no whole
  // kana yet ("k", "sh") find names written in kana only: read by their kanji, a third of all
  // names would begin so, a list no one reads through.
  const bool kanji = !romaji_.kana.empty();
  matched_.swap(readMatched_);
  for (size_t word = 0; word < matched_.size(); ++word) {
    readMatched_[word] = matched_[word] & kanaFirst_[word];
    matched_[word] = kanji ? matched_[word] & ~kanaFirst_[word] : 0;
  }
  if (visitAll(readMatched_, *byReading)) visitAll(matched_, *byReading);
}

}  // namespace velmarin
