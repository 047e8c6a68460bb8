#include "run/program_menu_read.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/tool_tip_index.h"
#include "run/shortcut_memory.h"

namespace velmarin {

namespace {

// Folders nested deeper than this are a loop of links, not a menu.
constexpr size_t kDeepest = 32;

bool SamePath(std::string_view a, std::string_view b) {
  while (!a.empty() && (a.back() == '\\' || a.back() == '/')) a.remove_suffix(1);
  while (!b.empty() && (b.back() == '\\' || b.back() == '/')) b.remove_suffix(1);
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldAscii(x) == FoldAscii(y);
         });
}

// The shortcut's file name without its folder and its ".lnk".
std::string_view OwnName(std::string_view link) {
  const size_t slash = link.find_last_of("\\/");
  if (slash != std::string_view::npos) link.remove_prefix(slash + 1);
  const size_t dot = link.rfind('.');
  if (dot != std::string_view::npos && dot > 0) link = link.substr(0, dot);
  return link;
}

bool Stopped(const std::atomic<bool>* stop) {
  return stop && stop->load(std::memory_order_relaxed);
}

}  // namespace

std::vector<FoundShortcut> FindShortcuts(IProgramMenu& menu, const std::atomic<bool>* stop) {
  std::vector<FoundShortcut> found;
  const std::vector<std::string> leftOut = menu.LeftOutFolders();
  struct Pending {
    std::string folder;
    size_t depth;
  };
  std::vector<std::string> folders;
  std::vector<ShortcutFile> shortcuts;
  for (const std::string& root : menu.ProgramFolders()) {
    size_t placeFrom = root.size();
    while (placeFrom > 0 && (root[placeFrom - 1] == '\\' || root[placeFrom - 1] == '/')) {
      --placeFrom;
    }
    std::vector<Pending> pending{{root, 0}};
    while (!pending.empty() && !Stopped(stop)) {
      Pending at = std::move(pending.back());
      pending.pop_back();
      const bool left = std::any_of(leftOut.begin(), leftOut.end(),
                                    [&](const std::string& l) { return SamePath(l, at.folder); });
      if (left) continue;
      folders.clear();
      shortcuts.clear();
      menu.List(at.folder, folders, shortcuts);
      for (ShortcutFile& s : shortcuts) {
        found.push_back({std::move(s.path), std::move(s.name), placeFrom, s.written, s.size});
      }
      if (at.depth >= kDeepest) continue;
      // The first sub-folder is read first.
      for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        pending.push_back({std::move(*it), at.depth + 1});
      }
    }
  }
  return found;
}

ProgramCatalogue CatalogueOfNames(const std::vector<FoundShortcut>& found) {
  ProgramCatalogue catalogue;
  for (const FoundShortcut& s : found) {
    const std::string_view own = OwnName(s.link);
    const std::string_view place = std::string_view(s.link).substr(std::min(s.placeFrom, s.link.size()));
    catalogue.AddUnread(s.name.empty() ? own : std::string_view(s.name), own, s.link, place);
  }
  catalogue.Finish();
  return catalogue;
}

ProgramCatalogue ReadShortcuts(IProgramMenu& menu, const std::vector<FoundShortcut>& found,
                               const std::atomic<bool>* stop, ShortcutMemory* memory) {
  ProgramCatalogue catalogue;
  ShortcutMemory next;
  if (memory) next.Reserve(found);
  ShortcutTarget opens;
  for (const FoundShortcut& s : found) {
    if (Stopped(stop)) break;
    opens = {};
    const bool recalled = memory && memory->Recall(s, opens);
    if (!recalled && !menu.Describe(s.link, opens)) continue;
    if (memory) next.Keep(s, opens);
    const std::string_view own = OwnName(s.link);
    catalogue.Add(s.name.empty() ? own : std::string_view(s.name), own, s.link, opens.target,
                  opens.args);
  }
  catalogue.Finish();
  if (memory && !Stopped(stop)) {
    next.Finish();
    *memory = std::move(next);
  }
  return catalogue;
}

ProgramCatalogue ReadProgramMenu(IProgramMenu& menu, const std::atomic<bool>* stop) {
  return ReadShortcuts(menu, FindShortcuts(menu, stop), stop);
}

}  // namespace velmarin
