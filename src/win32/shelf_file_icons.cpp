#include "win32/shelf_file_icons.h"

#include <shellapi.h>

#include "win32/file_icons.h"

namespace velmarin::win32 {

int ShelfFileIcons::Add(HICON icon) {
  const int picture = ImageList_ReplaceIcon(list_, -1, icon);
  DestroyIcon(icon);
  return picture;
}

int ShelfFileIcons::PictureOf(HIMAGELIST list, const std::wstring& path) {
  if (!list || path.empty() || path.size() >= MAX_PATH) return -1;
  if (list != list_) {
    list_ = list;
    byFile_.clear();
    bySystemIndex_.clear();
  }
  // A program or an icon file: its own first icon, as the desktop shows it; a folder: the
  // shell's folder picture (one for all). Both without the shell's list of system icons.
  std::wstring key = path;
  CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  // A drive ("C:\") is no plain folder: the shell gives its drive's picture.
  const bool folder = path.size() > 3 && IsFolder(path);
  if (folder) key = L"|folder";
  if (const auto known = byFile_.find(key); known != byFile_.end()) return known->second;
  // At the list's size, which follows the monitor's DPI.
  int size = 0;
  int height = 0;
  if (!ImageList_GetIconSize(list, &size, &height) || size <= 0)
    size = GetSystemMetrics(SM_CXSMICON);
  HICON own = nullptr;
  if (folder) {
    own = ShellFolderIcon(size);
  } else if (HasOwnIcons(path)) {
    own = FileOwnIcon(path, 0, size);
    // A program without icons of its own: the shell's program picture, one for all of them.
    if (!own && IsProgram(path) && IsFile(path)) {
      key = L"|program";
      if (const auto known = byFile_.find(key); known != byFile_.end()) return known->second;
      own = ShellProgramIcon(size);
    }
  }
  if (own) {
    const int picture = Add(own);
    if (picture >= 0) byFile_[key] = picture;
    return picture;
  }
  // Anything else (a document): the shell's icon for it, shared by all that show it.
  SHFILEINFOW info = {};
  if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) ||
      !info.hIcon) {
    return -1;
  }
  if (const auto known = bySystemIndex_.find(info.iIcon); known != bySystemIndex_.end()) {
    DestroyIcon(info.hIcon);
    return known->second;
  }
  const int picture = Add(info.hIcon);
  if (picture >= 0) bySystemIndex_[info.iIcon] = picture;
  return picture;
}

}  // namespace velmarin::win32
