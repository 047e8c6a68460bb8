#pragma once
// The small icons the desktop shows for the shelf's files and folders (a program's own, the
// shell's for a folder or a document), added to the shelf's picture list once each (every text
// file shares one), so an entry shows its icon rather than a picture of its kind.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <commctrl.h>
// clang-format on

#include <map>
#include <string>

namespace velmarin::win32 {

class ShelfFileIcons {
 public:
  // The picture in `list` that shows the shell's small icon of path, added on first use; -1 when
  // the shell has none (a path that is gone).
  int PictureOf(HIMAGELIST list, const std::wstring& path);

 private:
  // Adds the icon to list_ and destroys it; its picture, or -1.
  int Add(HICON icon);

  HIMAGELIST list_ = nullptr;
  std::map<std::wstring, int> byFile_;  // upper-cased path -> picture of the file's own icon
  std::map<int, int> bySystemIndex_;    // the shell's icon number -> picture in list_
};

}  // namespace velmarin::win32
