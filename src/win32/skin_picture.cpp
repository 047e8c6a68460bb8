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

namespace {

HBITMAP LoadBitmapFile(const std::wstring& path) {
  return static_cast<HBITMAP>(
      LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

// "...\skin.bmp" -> "...\skin@2x.bmp".
std::wstring EnlargedName(const std::wstring& path, int factor) {
  const size_t dot = path.rfind(L'.');
  const size_t slash = path.find_last_of(L"\\/");
  const size_t cut = (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
                         ? path.size()
                         : dot;
  return path.substr(0, cut) + L"@" + std::to_wstring(factor) + L"x" + path.substr(cut);
}

// A copy of the picture enlarged to `to` pixel by pixel; the old one is deleted.
HBITMAP Enlarged(HBITMAP bitmap, int width, int height, const PixelSize& to) {
  MemoryPicture big = MakeMemoryPicture(to.width, to.height);
  HDC small = CreateCompatibleDC(nullptr);
  if (big.dc && small) {
    HGDIOBJ old = SelectObject(small, bitmap);
    SetStretchBltMode(big.dc, COLORONCOLOR);
    StretchBlt(big.dc, 0, 0, to.width, to.height, small, 0, 0, width, height, SRCCOPY);
    SelectObject(small, old);
  }
  if (small) DeleteDC(small);
  DeleteObject(bitmap);
  if (!big.dc) return nullptr;
  SelectObject(big.dc, big.old);
  DeleteDC(big.dc);
  return big.bitmap;
}

}  // namespace

std::optional<PixelSize> SkinPicture::Load(const std::wstring& path, const DpiScale& scale) {
  Clear();
  // A skin drawn for this screen, or the ordinary one to enlarge.
  const int factor = scale.WholeFactor();
  HBITMAP bitmap = factor == 2 ? LoadBitmapFile(EnlargedName(path, factor)) : nullptr;
  const bool drawnEnlarged = bitmap != nullptr;
  if (!bitmap) bitmap = LoadBitmapFile(path);
  if (!bitmap) return std::nullopt;
  BITMAP info{};
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc || !GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0) {
    if (dc) DeleteDC(dc);
    DeleteObject(bitmap);
    return std::nullopt;
  }
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  if (!drawnEnlarged && !scale.IsLayoutDpi()) {
    const PixelRect to = scale.ToScreen(PixelRect{0, 0, info.bmWidth, height});
    bitmap = Enlarged(bitmap, info.bmWidth, height, {to.width, to.height});
  }
  if (!bitmap) {
    DeleteDC(dc);
    return std::nullopt;
  }
  dc_ = dc;
  bitmap_ = bitmap;
  old_ = SelectObject(dc_, bitmap_);
  // What it covers of the window, in layout pixels.
  if (drawnEnlarged) return PixelSize{info.bmWidth / factor, height / factor};
  return PixelSize{info.bmWidth, height};
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
