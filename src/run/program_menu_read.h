#pragma once
// Reading the Start menu's programs into a catalogue: every shortcut under its program folders,
// however deep, the user's before the shared ones, leaving out the folders started at log-on.
// Finding the shortcuts is quick; reading each one for what it opens is what takes the time, so
// a first catalogue of their names can be searched before it is done.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/program_menu.h"
#include "run/program_catalogue.h"

namespace velmarin {

// A shortcut found in the menu, not yet read.
struct FoundShortcut {
  std::string link;      // the shortcut file
  std::string name;      // the name its folder gives it; empty: its own file name
  size_t placeFrom = 0;  // where its path under its program folder begins in link
  uint64_t written = 0;  // the file's write time and size as listed; 0: not known
  uint64_t size = 0;
};

class ShortcutMemory;

// Every shortcut under the program folders, in the order they are listed. When stop becomes
// true the search ends early with what it has.
std::vector<FoundShortcut> FindShortcuts(IProgramMenu& menu,
                                         const std::atomic<bool>* stop = nullptr);
// The programs by their names alone: a shortcut at the same place in both menus once. Shortcuts
// elsewhere that open the same program are each there until they are read.
ProgramCatalogue CatalogueOfNames(const std::vector<FoundShortcut>& found);
// The finished catalogue: each shortcut read for what it opens, a program found twice once.
// With a memory, a shortcut the last reading read, unchanged since, is taken from it instead of
// being read again, and the memory then holds what this reading took from each shortcut (a
// reading that was stopped leaves it as it was).
ProgramCatalogue ReadShortcuts(IProgramMenu& menu, const std::vector<FoundShortcut>& found,
                               const std::atomic<bool>* stop = nullptr,
                               ShortcutMemory* memory = nullptr);
// Both steps: the finished catalogue.
ProgramCatalogue ReadProgramMenu(IProgramMenu& menu, const std::atomic<bool>* stop = nullptr);

}  // namespace velmarin
