#pragma once
// What the last reading of the Start menu took from each shortcut, so that a reading after a
// change reads again only the shortcuts written since: each shortcut by its file, with the
// write time and size it had when it was read. A shortcut whose folder gives neither is never
// taken from here. The strings lie in one block, each program folder once and each shortcut by
// its path under it, in the order of their files.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/program_menu.h"
#include "run/program_menu_read.h"

namespace velmarin {

class ShortcutMemory {
 public:
  // Room for a reading of these shortcuts, so that the block is not copied as it grows.
  void Reserve(const std::vector<FoundShortcut>& found);
  // What was read from the shortcut when it had the same file, write time and size; false when
  // it was not read so and must be read again.
  bool Recall(const FoundShortcut& shortcut, ShortcutTarget& opens) const;
  // Notes what was read from the shortcut.
  void Keep(const FoundShortcut& shortcut, const ShortcutTarget& opens);
  // After the last Keep, before the first Recall.
  void Finish();

  size_t size() const { return entries_.size(); }
  // What it holds in memory, in bytes.
  size_t Bytes() const;

 private:
  struct Entry {
    uint32_t folder;  // in folders_
    uint32_t place;   // offsets into text_ of NUL-ended strings: the path under the folder,
    uint32_t target;  // the target and the arguments
    uint32_t args;
    uint64_t written;
    uint64_t size;
  };
  std::string_view At(uint32_t offset) const { return std::string_view(text_.data() + offset); }
  uint32_t Store(std::string_view s);
  // The shortcut's program folder and its path under it.
  static std::pair<std::string_view, std::string_view> Split(const FoundShortcut& shortcut);
  // The number of the program folder in folders_; folders_.size() when it is not there.
  uint32_t FolderNumber(std::string_view folder) const;

  std::vector<std::string> folders_;
  std::string text_;
  std::vector<Entry> entries_;
};

}  // namespace velmarin
