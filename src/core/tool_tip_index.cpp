#include "core/tool_tip_index.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace velmarin {

bool ToolTipIndex::Current(const Model& model) const {
  return built_ && edits_ == model.edits && pages_ == model.Pages.data() &&
         pageTable_ == model.Pages.size() && pageCount_ == model.PageCount &&
         maxButton_ == model.settings.MaxButton;
}

void ToolTipIndex::Build(const Model& model) {
  built_ = false;
  entries_.clear();
  tips_.clear();
  folded_.clear();
  for (auto& list : byFirst_) list.clear();
  const auto pages = static_cast<size_t>(
      std::clamp<int64_t>(model.PageCount, 0, static_cast<int64_t>(model.Pages.size())));
  const int buttons = std::clamp<int>(model.settings.MaxButton, 0, static_cast<int>(kButtonSlots));
  for (size_t p = 0; p < pages; ++p) {
    for (int b = 0; b < buttons; ++b) {
      const std::string& tip = model.Pages[p].Buttons[static_cast<size_t>(b)].ToolTip;
      // An empty tip begins with no name; one that does not fit the copy's offsets is never
      // offered (a person does not type four gigabytes).
      if (tip.empty() || folded_.size() + tip.size() > std::numeric_limits<uint32_t>::max())
        continue;
      Entry entry{static_cast<uint32_t>(folded_.size()), static_cast<uint32_t>(tip.size()),
                  static_cast<uint32_t>(tips_.size()), false};
      tips_.push_back(tip);
      for (char c : tip) {
        folded_ += FoldAscii(c);
        if (static_cast<unsigned char>(c) >= 0x80) entry.nonAscii = true;
      }
      const auto first = static_cast<unsigned char>(FoldAscii(tip[0]));
      byFirst_[first >= 0x80 ? 128 : first].push_back(static_cast<uint32_t>(entries_.size()));
      entries_.push_back(entry);
    }
  }
  built_ = true;
  edits_ = model.edits;
  pages_ = model.Pages.data();
  pageTable_ = model.Pages.size();
  pageCount_ = model.PageCount;
  maxButton_ = model.settings.MaxButton;
}

ToolTipIndex::Quick ToolTipIndex::Judge(const Entry& entry, std::string_view foldedName,
                                        bool nameNonAscii) const {
  if (entry.length < foldedName.size()) {
    // Shorter in bytes: only a character of another length could still match.
    return entry.nonAscii || nameNonAscii ? Quick::Ask : Quick::No;
  }
  const char* tip = folded_.data() + entry.offset;
  if (!entry.nonAscii && !nameNonAscii) {
    return std::memcmp(tip, foldedName.data(), foldedName.size()) == 0 ? Quick::Yes : Quick::No;
  }
  for (size_t i = 0; i < foldedName.size(); ++i) {
    const auto a = static_cast<unsigned char>(tip[i]);
    const auto b = static_cast<unsigned char>(foldedName[i]);
    if (a >= 0x80 || b >= 0x80) return Quick::Ask;
    if (a != b) return Quick::No;
  }
  return Quick::Yes;
}

}  // namespace velmarin
