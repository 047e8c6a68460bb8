#pragma once
// The Start menu's programs as the disk holds them: its program folders, what each folder
// holds, and what a shortcut shows and opens. Read on a worker thread of its own, away from
// the window: one object per thread.
#include <string>
#include <vector>

namespace velmarin {

// A shortcut as the Start menu shows it.
struct ShortcutInfo {
  std::string name;    // the name the Start menu shows (a localized one when the folder has it)
  std::string target;  // what it opens, empty when it does not say
  std::string args;    // the arguments it hands over
};

class IProgramMenu {
 public:
  virtual ~IProgramMenu() = default;
  // The program folders, the user's own first, then the one every user shares.
  virtual std::vector<std::string> ProgramFolders() = 0;
  // Folders under them that hold no programs to list (the ones started at log-on).
  virtual std::vector<std::string> LeftOutFolders() = 0;
  // The folders and the shortcut files (".lnk") directly in folder, as full paths.
  virtual void List(const std::string& folder, std::vector<std::string>& folders,
                    std::vector<std::string>& shortcuts) = 0;
  // What the shortcut file shows and opens; false when it cannot be read.
  virtual bool Describe(const std::string& shortcut, ShortcutInfo& info) = 0;
};

}  // namespace velmarin
