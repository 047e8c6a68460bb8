#pragma once
// The Start menu's program folders read from the disk: the shell's known folders, each folder's
// files, the names the menu shows (a folder's desktop.ini gives localized ones) and the
// shortcuts' targets through the shell-link object. For the thread that reads the menu; COM must
// be usable on it.
#include <shobjidl.h>
#include <windows.h>

#include <string>

#include "platform/program_menu.h"
#include "win32/com_scope.h"

namespace velmarin::win32 {

class Win32ProgramMenu : public IProgramMenu {
 public:
  std::vector<std::string> ProgramFolders() override;
  std::vector<std::string> LeftOutFolders() override;
  void List(const std::string& folder, std::vector<std::string>& folders,
            std::vector<ShortcutFile>& shortcuts) override;
  bool Describe(const std::string& shortcut, ShortcutTarget& info) override;

 private:
  ComPtr<IShellLinkW> link_;  // loads one file after another, each replacing the last
  std::string bytes_;         // the shortcut file read last
};

}  // namespace velmarin::win32
