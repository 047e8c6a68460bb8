#include "win32/icon_library.h"

#include <cstring>

#include "win32/memory_picture.h"

namespace velmarin::win32 {

namespace {

// The colour picture of a 32-bit icon resource whose pixels carry alpha, as drawing the icon uses
// it: top-down, each colour multiplied by its alpha. nullptr for any other kind of icon (those
// become system icons) and for one of another size than asked.
HBITMAP AlphaPicture(const BYTE* bits, DWORD size, int width, int height) {
  BITMAPINFOHEADER header{};
  if (size < sizeof(header)) return nullptr;
  std::memcpy(&header, bits, sizeof(header));
  if (header.biSize < sizeof(header) || header.biBitCount != 32 || header.biCompression != BI_RGB ||
      header.biWidth != width || header.biHeight != 2 * height || header.biClrUsed != 0) {
    return nullptr;
  }
  const size_t stride = static_cast<size_t>(width) * 4;
  const size_t colours = stride * static_cast<size_t>(height);
  if (size < header.biSize + colours) return nullptr;
  const BYTE* source = bits + header.biSize;
  bool anyAlpha = false;
  for (size_t i = 3; i < colours && !anyAlpha; i += 4) anyAlpha = source[i] != 0;
  if (!anyAlpha) return nullptr;  // drawn through its mask instead
  void* pixels = nullptr;
  HBITMAP picture = MakeTopDownPicture(width, height, &pixels);
  if (!picture) return nullptr;
  auto* target = static_cast<BYTE*>(pixels);
  for (int row = 0; row < height; ++row) {
    const BYTE* from = source + stride * static_cast<size_t>(height - 1 - row);  // bottom-up
    BYTE* to = target + stride * static_cast<size_t>(row);
    for (size_t i = 0; i < stride; i += 4) {
      const unsigned alpha = from[i + 3];
      for (size_t c = 0; c < 3; ++c) to[i + c] = static_cast<BYTE>(from[i + c] * alpha / 255);
      to[i + 3] = static_cast<BYTE>(alpha);
    }
  }
  return picture;
}

BOOL CALLBACK AddIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR groups) {
  auto* list = reinterpret_cast<std::vector<std::wstring>*>(groups);
  if (IS_INTRESOURCE(name)) {
    list->push_back(L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)));
  } else {
    list->push_back(name);
  }
  return TRUE;
}

}  // namespace

IconLibraries::~IconLibraries() {
  ForgetIcons();
  for (auto& [path, library] : libraries_) {
    if (library.module) FreeLibrary(library.module);
  }
  if (pictureDc_) DeleteDC(pictureDc_);
}

void IconLibraries::ForgetIcons() {
  for (auto& [path, library] : libraries_) {
    for (auto& kept : library.icons) {
      if (kept && kept->icon) DestroyIcon(kept->icon);
      if (kept && kept->picture) DeleteObject(kept->picture);
      kept.reset();
    }
  }
}

void IconLibraries::SetIconSize(int size) {
  if (size <= 0 || size == iconSize_) return;
  ForgetIcons();
  iconSize_ = size;
}

IconHandle IconLibraries::Icon(const std::wstring& path, int index) {
  const KeptIcon* kept = Find(path, index);
  return kept ? kept->Handle() : 0;
}

void IconLibraries::Draw(HDC dc, int x, int y, IconHandle icon) {
  const KeptIcon* kept = FindKept(icon);
  if (!kept || !kept->picture) {
    // Width and height 0: the icon's own size, whatever the system's icon size is.
    DrawIconEx(dc, x, y, reinterpret_cast<HICON>(icon), 0, 0, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!pictureDc_) pictureDc_ = CreateCompatibleDC(dc);
  if (!pictureDc_) return;
  HGDIOBJ old = SelectObject(pictureDc_, kept->picture);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, x, y, kept->width, kept->height, pictureDc_, 0, 0, kept->width, kept->height,
                blend);
  SelectObject(pictureDc_, old);
}

IconLibraries::Library& IconLibraries::Open(const std::wstring& path) {
  auto found = libraries_.find(path);
  if (found != libraries_.end()) return found->second;
  // Mapped as plain data (not laid out as an image, which costs more), not run; its icon groups
  // listed once in the order ExtractIcon counts them.
  Library library;
  library.module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (library.module) {
    EnumResourceNamesW(library.module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, &AddIconGroup,
                       reinterpret_cast<LONG_PTR>(&library.groups));
  }
  return libraries_.emplace(path, std::move(library)).first->second;
}

const IconLibraries::KeptIcon* IconLibraries::Find(const std::wstring& path, int index) {
  // Only the icons asked for are made (the layout wants seven of them), each once: the arrow and
  // small cells show the same ones again on every repaint.
  Library& library = Open(path);
  if (!library.module || index < 0 || static_cast<size_t>(index) >= library.groups.size()) {
    return nullptr;
  }
  library.icons.resize(library.groups.size());
  std::unique_ptr<KeptIcon>& kept = library.icons[static_cast<size_t>(index)];
  if (!kept) kept = Make(library, index, iconSize_);
  return kept.get();
}

const IconLibraries::KeptIcon* IconLibraries::FindKept(IconHandle icon) const {
  for (const auto& [path, library] : libraries_) {
    for (const auto& kept : library.icons) {
      if (kept && kept->Handle() == icon) return kept.get();
    }
  }
  return nullptr;
}

std::unique_ptr<IconLibraries::KeptIcon> IconLibraries::Make(const Library& library, int index,
                                                             int iconSize) {
  HRSRC group = FindResourceW(library.module, library.groups[static_cast<size_t>(index)].c_str(),
                              MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
  HGLOBAL groupData = group ? LoadResource(library.module, group) : nullptr;
  auto* directory = groupData ? static_cast<BYTE*>(LockResource(groupData)) : nullptr;
  if (!directory) return nullptr;
  const int cx = iconSize;
  const int cy = iconSize;
  const int id = LookupIconIdFromDirectoryEx(directory, TRUE, cx, cy, LR_DEFAULTCOLOR);
  HRSRC image = id > 0 ? FindResourceW(library.module, MAKEINTRESOURCEW(id),
                                       MAKEINTRESOURCEW(3) /* RT_ICON */)
                       : nullptr;
  HGLOBAL imageData = image ? LoadResource(library.module, image) : nullptr;
  auto* bits = imageData ? static_cast<BYTE*>(LockResource(imageData)) : nullptr;
  if (!bits) return nullptr;
  const DWORD size = SizeofResource(library.module, image);
  auto kept = std::make_unique<KeptIcon>();
  kept->picture = AlphaPicture(bits, size, cx, cy);
  if (kept->picture) {
    kept->width = cx;
    kept->height = cy;
    return kept;
  }
  kept->icon = CreateIconFromResourceEx(bits, size, TRUE, 0x00030000, cx, cy, LR_DEFAULTCOLOR);
  if (!kept->icon) return nullptr;
  return kept;
}

}  // namespace velmarin::win32
