#include "win32/shelf_file_icons.h"

#include <shellapi.h>

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
  // A program or an icon file: its own first icon, as the desktop shows it.
  std::wstring key = path;
  CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  if (const auto known = byFile_.find(key); known != byFile_.end()) return known->second;
  HICON own = nullptr;
  if (ExtractIconExW(path.c_str(), 0, nullptr, &own, 1) > 0 && own) {
    const int picture = Add(own);
    if (picture >= 0) byFile_[key] = picture;
    return picture;
  }
  // Anything else (a folder, a document): the shell's icon for it, shared by all that show it.
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
