#include "win32/cell_surface.h"

#include "win32/memory_picture.h"

namespace velmarin::win32 {

CellSurface::~CellSurface() {
  Release();
  if (font_) DeleteObject(font_);
}

void CellSurface::Release() {
  if (memDc_) {
    SelectObject(memDc_, oldBitmap_);
    DeleteDC(memDc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  memDc_ = nullptr;
  bitmap_ = nullptr;
  oldBitmap_ = nullptr;
}

RECT CellSurface::ClientRect() const {
  return RECT{rect_.left, rect_.top, rect_.left + Width(), rect_.top + Height()};
}

void CellSurface::Place(const PixelRect& rect) {
  rect_.left = rect.left;
  rect_.top = rect.top;
  if (rect.width >= 0 && rect.height >= 0) {
    rect_.width = rect.width;
    rect_.height = rect.height;
  } else {
    // A size the layout cannot give (the caption of a row of five cells or fewer) leaves the
    // cell as small as a cell never sized, as at a start with that row: the old, larger size
    // would cover the cells beside it and take their clicks.
    rect_.width = 1;
    rect_.height = 1;
  }
}

bool CellSurface::Contains(int x, int y) const {
  const RECT rc = ClientRect();
  return x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
}

HDC CellSurface::Surface() {
  const int w = Width();
  const int h = Height();
  if (memDc_ && w == surfaceWidth_ && h == surfaceHeight_) return memDc_;
  const MemoryPicture made = MakeMemoryPicture(w, h);
  if (!made.dc) return memDc_;  // the old surface, if any, still draws
  HDC dc = made.dc;
  HBITMAP bitmap = made.bitmap;
  HGDIOBJ old = made.old;
  RECT all{0, 0, w, h};
  FillBackground(dc, all);
  // Keep what was drawn so far, as far as it fits.
  if (memDc_) BitBlt(dc, 0, 0, w, h, memDc_, 0, 0, SRCCOPY);
  Release();
  memDc_ = dc;
  bitmap_ = bitmap;
  oldBitmap_ = old;
  surfaceWidth_ = w;
  surfaceHeight_ = h;
  return memDc_;
}

void CellSurface::PaintOn(HDC target) {
  if (!memDc_) {
    FillBackground(target, ClientRect());
    return;
  }
  HDC dc = Surface();  // resized after a move, keeping its picture
  BitBlt(target, rect_.left, rect_.top, Width(), Height(), dc, 0, 0, SRCCOPY);
}

void CellSurface::FillBackground(HDC dc, const RECT& rc) const {
  if (!backColor_) {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  // A solid fill without a brush to make and delete.
  const COLORREF old = SetBkColor(dc, *backColor_);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void CellSurface::SetBackColor(COLORREF color) {
  backColor_ = color;
  if (HDC dc = Surface()) FillBackground(dc, RECT{0, 0, Width(), Height()});
}

void CellSurface::SetFont(int points, bool bold) {
  // The dialog font's face, at the size and weight asked for.
  LOGFONTW font{};
  if (!GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font)) return;
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  font.lfHeight = -MulDiv(points, dpi > 0 ? dpi : 96, 72);
  font.lfWidth = 0;
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  HFONT made = CreateFontIndirectW(&font);
  if (!made) return;
  if (font_) DeleteObject(font_);
  font_ = made;
}

}  // namespace velmarin::win32
