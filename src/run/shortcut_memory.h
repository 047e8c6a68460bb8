#pragma once
// What the last reading of the Start menu took from each shortcut, so that a reading after a
// change reads again only the shortcuts written since: each shortcut by its file, with the
// write time and size it had when it was read. A shortcut whose folder gives neither is never
// taken from here. The strings lie in one block, the shortcuts in the order of their files.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/program_menu.h"
#include "run/program_menu_read.h"

namespace velmarin {

class ShortcutMemory {
 public:
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
    uint32_t link;  // offsets into text_ of three NUL-ended strings
    uint32_t target;
    uint32_t args;
    uint64_t written;
    uint64_t size;
  };
  std::string_view At(uint32_t offset) const { return std::string_view(text_.data() + offset); }
  uint32_t Store(std::string_view s);

  std::string text_;
  std::vector<Entry> entries_;
};

}  // namespace velmarin
