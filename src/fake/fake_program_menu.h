#pragma once
// The Start menu for tests: folders made of the shortcuts put in them, and what each shortcut
// shows and opens.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/program_menu.h"

namespace velmarin {

class FakeProgramMenu : public IProgramMenu {
 public:
  struct Shortcut {
    std::string name;  // as its folder gives it; empty: its own file name
    std::string target;
    std::string args;
    uint64_t written = 1;  // its write time and size as the folder lists them
    uint64_t size = 1;
  };
  std::vector<std::string> roots{"C:\\Users\\me\\Programs", "C:\\ProgramData\\Programs"};
  std::vector<std::string> leftOut{"C:\\Users\\me\\Programs\\Startup",
                                   "C:\\ProgramData\\Programs\\Startup"};
  // Shortcut files by their full path; a folder is there when something lies in it.
  std::map<std::string, Shortcut> shortcuts;
  std::vector<std::string> unreadable;      // shortcuts that cannot be read
  int described = 0;                        // shortcut files read so far
  std::vector<std::string> describedLinks;  // which ones, in order

  std::vector<std::string> ProgramFolders() override { return roots; }
  std::vector<std::string> LeftOutFolders() override { return leftOut; }
  void List(const std::string& folder, std::vector<std::string>& folders,
            std::vector<ShortcutFile>& files) override {
    const std::string prefix = folder + "\\";
    for (const auto& [path, shortcut] : shortcuts) {
      if (!path.starts_with(prefix)) continue;
      const size_t slash = path.find('\\', prefix.size());
      if (slash == std::string::npos) {
        ShortcutFile file{path, shortcut.name};
        file.written = shortcut.written;
        file.size = shortcut.size;
        files.push_back(std::move(file));
      } else if (const std::string sub = path.substr(0, slash);
                 folders.empty() || folders.back() != sub) {
        folders.push_back(sub);
      }
    }
  }
  bool Describe(const std::string& shortcut, ShortcutTarget& opens) override {
    ++described;
    describedLinks.push_back(shortcut);
    for (const std::string& u : unreadable) {
      if (u == shortcut) return false;
    }
    const auto it = shortcuts.find(shortcut);
    if (it == shortcuts.end()) return false;
    opens = {it->second.target, it->second.args};
    return true;
  }
};

}  // namespace velmarin
