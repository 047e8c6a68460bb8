#pragma once
// A compact copy of every button's tool tip, in page and slot order, for the Run box's search as
// the user types: reading 12 000 tool tips out of the button records on every keystroke costs
// more than the keystroke may take. The copy is rebuilt on the first search after the model
// changed: after an edit that bumps Model::edits, or when the page table, the page count or the
// number of buttons differ from the ones it was built from.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/model.h"

namespace velmarin {

class ToolTipIndex {
 public:
  // What a tool tip says about a typed beginning without the platform's comparison.
  enum class Quick { No, Yes, Ask };

  // Calls visit(tip, quick) for every non-empty tool tip that may begin with name, in page and
  // slot order, until visit returns false. Tool tips that cannot begin with name are left out;
  // quick is Yes where the ASCII comparison (ignoring case) decides, Ask where only the
  // platform's comparison can. name must not be empty.
  template <typename Visit>
  void ForEachCandidate(const Model& model, std::string_view name, Visit visit);

  // Forgets the copy: the next search reads the model again.
  void Invalidate() { built_ = false; }

 private:
  struct Entry {
    uint32_t offset;  // of the folded tip in folded_
    uint32_t length;
    uint32_t tip;   // in tips_
    bool nonAscii;  // the tip has a byte of 0x80 or above
  };
  void Build(const Model& model);
  bool Current(const Model& model) const;
  Quick Judge(const Entry& entry, std::string_view foldedName, bool nameNonAscii) const;
  const std::string& Tip(const Entry& entry) const { return tips_[entry.tip]; }

  bool built_ = false;
  uint64_t edits_ = 0;
  const Page* pages_ = nullptr;
  size_t pageTable_ = 0;
  int32_t pageCount_ = 0;
  int16_t maxButton_ = 0;
  std::vector<Entry> entries_;
  std::vector<std::string> tips_;  // every tool tip as it is
  std::string folded_;             // the same one after the other, ASCII letters in lower case
  // Entry numbers by the first byte of the folded tip: 0..127 for an ASCII byte, 128 for any
  // other; each list in page and slot order.
  std::vector<uint32_t> byFirst_[129];
};

// ASCII letters in lower case; every other byte as it is.
inline char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

template <typename Visit>
void ToolTipIndex::ForEachCandidate(const Model& model, std::string_view name, Visit visit) {
  if (name.empty()) return;
  if (!Current(model)) Build(model);
  std::string folded(name);
  bool nameNonAscii = false;
  for (char& c : folded) {
    c = FoldAscii(c);
    if (static_cast<unsigned char>(c) >= 0x80) nameNonAscii = true;
  }
  const auto first = static_cast<unsigned char>(folded[0]);
  auto offer = [&](uint32_t n) {
    const Entry& entry = entries_[n];
    const Quick quick = Judge(entry, folded, nameNonAscii);
    return quick == Quick::No || visit(Tip(entry), quick);
  };
  if (first >= 0x80 || nameNonAscii) {
    // A name with other characters may meet a tip of any beginning through the platform.
    for (uint32_t n = 0; n < entries_.size(); ++n) {
      if (!offer(n)) return;
    }
    return;
  }
  // An ASCII name: only tips that begin with its first letter, or with another character that
  // the platform may still take for it, can begin with it. The two lists merge in order.
  const std::vector<uint32_t>& same = byFirst_[first];
  const std::vector<uint32_t>& other = byFirst_[128];
  size_t a = 0, b = 0;
  while (a < same.size() || b < other.size()) {
    const bool takeSame = b >= other.size() || (a < same.size() && same[a] < other[b]);
    if (!offer(takeSame ? same[a++] : other[b++])) return;
  }
}

}  // namespace velmarin
