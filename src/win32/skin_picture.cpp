#include "win32/skin_picture.h"

namespace velmarin::win32 {

SkinPicture::~SkinPicture() { Clear(); }

void SkinPicture::Clear() {
  if (dc_) {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  old_ = nullptr;
}

std::optional<PixelSize> SkinPicture::Load(const std::wstring& path) {
  Clear();
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (!bitmap) return std::nullopt;
  BITMAP info{};
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc || !GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0) {
    if (dc) DeleteDC(dc);
    DeleteObject(bitmap);
    return std::nullopt;
  }
  dc_ = dc;
  bitmap_ = bitmap;
  old_ = SelectObject(dc_, bitmap_);
  return PixelSize{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void SkinPicture::CopyTo(HDC target, const PixelRect& from, int x, int y, DWORD rop) const {
  if (!dc_ || !target || from.width <= 0 || from.height <= 0) return;
  BitBlt(target, x, y, from.width, from.height, dc_, from.left, from.top, rop);
}

HBITMAP SkinPicture::Cut(const PixelSize& size, const PixelRect& from, int x, int y,
                         COLORREF fill) const {
  MemoryPicture picture = MakeMemoryPicture(size.width, size.height);
  if (!picture.dc) return nullptr;
  RECT all{0, 0, size.width, size.height};
  HBRUSH brush = CreateSolidBrush(fill);
  if (brush) {
    FillRect(picture.dc, &all, brush);
    DeleteObject(brush);
  }
  CopyTo(picture.dc, from, x, y);
  SelectObject(picture.dc, picture.old);
  DeleteDC(picture.dc);
  return picture.bitmap;
}

}  // namespace velmarin::win32
