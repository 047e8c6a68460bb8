#include "run/shortcut_memory.h"

#include <algorithm>

namespace velmarin {

bool ShortcutMemory::Recall(const FoundShortcut& shortcut, ShortcutTarget& opens) const {
  if (shortcut.written == 0 && shortcut.size == 0) return false;
  const auto it =
      std::lower_bound(entries_.begin(), entries_.end(), std::string_view(shortcut.link),
                       [this](const Entry& e, std::string_view link) { return At(e.link) < link; });
  if (it == entries_.end() || At(it->link) != shortcut.link) return false;
  if (it->written != shortcut.written || it->size != shortcut.size) return false;
  opens.target = At(it->target);
  opens.args = At(it->args);
  return true;
}

uint32_t ShortcutMemory::Store(std::string_view s) {
  const auto offset = static_cast<uint32_t>(text_.size());
  text_.append(s);
  text_.push_back('\0');
  return offset;
}

void ShortcutMemory::Keep(const FoundShortcut& shortcut, const ShortcutTarget& opens) {
  if (shortcut.written == 0 && shortcut.size == 0) return;
  // A NUL inside a string would cut it short when it is taken back: such a shortcut is read
  // again instead.
  for (std::string_view s : {std::string_view(shortcut.link), std::string_view(opens.target),
                             std::string_view(opens.args)}) {
    if (s.find('\0') != std::string_view::npos) return;
  }
  // The block is addressed by 32-bit offsets; past 4 GB nothing more is kept.
  if (text_.size() + shortcut.link.size() + opens.target.size() + opens.args.size() + 3 >=
      UINT32_MAX) {
    return;
  }
  Entry e{};
  e.link = Store(shortcut.link);
  e.target = Store(opens.target);
  e.args = Store(opens.args);
  e.written = shortcut.written;
  e.size = shortcut.size;
  entries_.push_back(e);
}

void ShortcutMemory::Finish() {
  std::stable_sort(entries_.begin(), entries_.end(),
                   [this](const Entry& a, const Entry& b) { return At(a.link) < At(b.link); });
  // The same file twice keeps the first.
  entries_.erase(
      std::unique(entries_.begin(), entries_.end(),
                  [this](const Entry& a, const Entry& b) { return At(a.link) == At(b.link); }),
      entries_.end());
  text_.shrink_to_fit();
  entries_.shrink_to_fit();
}

size_t ShortcutMemory::Bytes() const {
  return text_.capacity() + entries_.capacity() * sizeof(Entry);
}

}  // namespace velmarin
