#pragma once
// A cell of the main window: a rectangle of its client area with a bitmap of its own (its
// persistent surface) that keeps what is drawn into it. The main window paints the cells itself
// and sends them the mouse by rectangle, so the title strip and the row of buttons cost no child
// windows.
#include <windows.h>

#include <optional>

#include "platform/controls.h"

namespace velmarin::win32 {

class CellSurface {
 public:
  CellSurface() = default;
  ~CellSurface();
  CellSurface(const CellSurface&) = delete;
  CellSurface& operator=(const CellSurface&) = delete;

  // Client pixels. A cell starts as a visible 1 x 1 cell in the top-left corner.
  const PixelRect& Rect() const { return rect_; }
  RECT ClientRect() const;
  // Moves the cell; a negative width or height makes it 1 x 1, as a cell never sized.
  void Place(const PixelRect& rect);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  bool AcceptsDrops() const { return acceptsDrops_; }
  void SetAcceptsDrops(bool accept) { acceptsDrops_ = accept; }
  bool Contains(int x, int y) const;

  // The drawing surface, sized to the cell (what was drawn is kept as far as it fits); made on
  // first use like the window's own device context. nullptr when it cannot be made.
  HDC Surface();
  int Width() const { return rect_.width > 0 ? rect_.width : 1; }
  int Height() const { return rect_.height > 0 ? rect_.height : 1; }
  // Shows the surface at the cell's place; a cell nothing was drawn into shows its background.
  void PaintOn(HDC target);

  // Text colour and font of what is printed into the cell (nullptr: the dialog font).
  COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(COLORREF color) { foreColor_ = color; }
  HFONT Font() const { return font_; }
  void SetFont(int points, bool bold);
  // The background colour, which also clears the cell; the button face until one is set.
  void SetBackColor(COLORREF color);
  void FillBackground(HDC dc, const RECT& rc) const;

 private:
  void Release();

  PixelRect rect_{0, 0, 1, 1};
  bool visible_ = true;
  bool acceptsDrops_ = false;
  HDC memDc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  int surfaceWidth_ = 0;
  int surfaceHeight_ = 0;
  COLORREF foreColor_ = RGB(0, 0, 0);
  std::optional<COLORREF> backColor_;
  HFONT font_ = nullptr;
};

}  // namespace velmarin::win32
