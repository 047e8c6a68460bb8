#pragma once
// The Start menu's programs as the disk holds them: its program folders, what each folder
// holds, and what a shortcut opens. Read on a worker thread of its own, away from the window:
// one object per thread.
#include <cstdint>
#include <string>
#include <vector>

namespace velmarin {

// A shortcut file as its folder lists it.
struct ShortcutFile {
  std::string path;  // the shortcut file (".lnk")
  std::string name;  // the name the menu shows when its folder gives one (a localized one)
  // When the file was last written and its size, as its folder lists it; 0 when the folder
  // does not say (the shortcut is then read at every reading).
  uint64_t written = 0;
  uint64_t size = 0;
};

// What a shortcut opens.
struct ShortcutTarget {
  std::string target;  // empty when it does not say
  std::string args;    // the arguments it hands over
};

class IProgramMenu {
 public:
  virtual ~IProgramMenu() = default;
  // The program folders, the user's own first, then the one every user shares.
  virtual std::vector<std::string> ProgramFolders() = 0;
  // Folders under them that hold no programs to list (the ones started at log-on).
  virtual std::vector<std::string> LeftOutFolders() = 0;
  // The folders (full paths) and the shortcut files directly in folder.
  virtual void List(const std::string& folder, std::vector<std::string>& folders,
                    std::vector<ShortcutFile>& shortcuts) = 0;
  // What the shortcut file opens; false when it cannot be read. This is the slow part: a file
  // to open and read for each shortcut.
  virtual bool Describe(const std::string& shortcut, ShortcutTarget& opens) = 0;
};

}  // namespace velmarin
