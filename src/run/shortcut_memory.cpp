#include "run/shortcut_memory.h"

#include <algorithm>
#include <utility>

namespace velmarin {

namespace {

// A shortcut's target and arguments are seldom longer than this; the block grows past it.
constexpr size_t kTargetRoom = 64;

bool Unknown(const FoundShortcut& shortcut) { return shortcut.written == 0 && shortcut.size == 0; }

}  // namespace

std::pair<std::string_view, std::string_view> ShortcutMemory::Split(const FoundShortcut& shortcut) {
  const std::string_view link = shortcut.link;
  const size_t at = std::min(shortcut.placeFrom, link.size());
  return {link.substr(0, at), link.substr(at)};
}

uint32_t ShortcutMemory::FolderNumber(std::string_view folder) const {
  const auto it = std::find(folders_.begin(), folders_.end(), folder);
  return static_cast<uint32_t>(it - folders_.begin());
}

void ShortcutMemory::Reserve(const std::vector<FoundShortcut>& found) {
  size_t room = 0;
  for (const FoundShortcut& s : found) room += Split(s).second.size() + 3 + kTargetRoom;
  text_.reserve(room);
  entries_.reserve(found.size());
}

bool ShortcutMemory::Recall(const FoundShortcut& shortcut, ShortcutTarget& opens) const {
  if (Unknown(shortcut)) return false;
  const auto [folder, place] = Split(shortcut);
  const uint32_t number = FolderNumber(folder);
  if (number == folders_.size()) return false;
  const auto it = std::lower_bound(
      entries_.begin(), entries_.end(), std::pair(number, place),
      [this](const Entry& e, const auto& key) { return std::pair(e.folder, At(e.place)) < key; });
  if (it == entries_.end() || it->folder != number || At(it->place) != place) return false;
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
  if (Unknown(shortcut)) return;
  const auto [folder, place] = Split(shortcut);
  // A NUL inside a string would cut it short when it is taken back: such a shortcut is read
  // again instead.
  for (std::string_view s : {place, std::string_view(opens.target), std::string_view(opens.args)}) {
    if (s.find('\0') != std::string_view::npos) return;
  }
  // The block is addressed by 32-bit offsets; past 4 GB nothing more is kept.
  if (text_.size() + place.size() + opens.target.size() + opens.args.size() + 3 >= UINT32_MAX) {
    return;
  }
  Entry e{};
  e.folder = FolderNumber(folder);
  if (e.folder == folders_.size()) folders_.emplace_back(folder);
  e.place = Store(place);
  e.target = Store(opens.target);
  e.args = Store(opens.args);
  e.written = shortcut.written;
  e.size = shortcut.size;
  entries_.push_back(e);
}

void ShortcutMemory::Finish() {
  const auto key = [this](const Entry& e) { return std::pair(e.folder, At(e.place)); };
  std::stable_sort(entries_.begin(), entries_.end(),
                   [&](const Entry& a, const Entry& b) { return key(a) < key(b); });
  // The same file twice keeps the first.
  entries_.erase(std::unique(entries_.begin(), entries_.end(),
                             [&](const Entry& a, const Entry& b) { return key(a) == key(b); }),
                 entries_.end());
  if (text_.capacity() - text_.size() > text_.size() / 4) text_.shrink_to_fit();
  entries_.shrink_to_fit();
}

size_t ShortcutMemory::Bytes() const {
  size_t bytes = text_.capacity() + entries_.capacity() * sizeof(Entry);
  for (const std::string& f : folders_) bytes += sizeof f + f.capacity();
  return bytes;
}

}  // namespace velmarin
