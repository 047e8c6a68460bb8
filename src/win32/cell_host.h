#pragma once
// The cells of the main window: title cells 1..6, the three small cells and button cells 0..11.
// Each is a rectangle of the client area with a surface of its own that keeps what is drawn into
// it; the host finds the cell under a point, draws faces, icons, text and lines into the
// surfaces and shows them on the window. An earlier cell lies over a later one.
#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "core/dpi_scale.h"
#include "platform/controls.h"
#include "win32/cell_surface.h"
#include "win32/icon_cache.h"
#include "win32/icon_library.h"
#include "win32/skin_picture.h"

namespace velmarin::win32 {

class CellHost {
 public:
  CellHost() = default;
  ~CellHost();
  CellHost(const CellHost&) = delete;
  CellHost& operator=(const CellHost&) = delete;

  // The program's bitmaps of the cell faces: picture n of a list is the bitmap resource
  // first + n - 1. Without them the faces are drawn as plain raised and sunken edges.
  void SetFaceResources(HINSTANCE instance, int imageList1First, int imageList2First);
  // The screen's scale: faces are enlarged by it, fonts made for its DPI and library icons
  // taken at the size that fits it. Positions given to the host are already screen pixels.
  void SetScale(const DpiScale& scale);

  // The cell of a control, or nullptr (the Run box and the shelf are windows, not cells).
  CellSurface* Cell(ControlId id);
  // The cell's place in Cells(), or -1 for a control that is no cell.
  static int SlotOf(ControlId id);
  // The topmost visible cell at a client point.
  std::optional<ControlId> CellAt(int x, int y) const;
  const std::array<CellSurface, 21>& Cells() const { return cells_; }

  void SetFace(ControlId id, FaceList list, int picture);
  ExtractedIcon ExtractFileIcon(const std::string& source, int index);
  // The shell's own large icon of a file or folder, kept like an extracted one.
  ExtractedIcon ShellIcon(const std::string& path);
  void DrawIcon(ControlId id, int x, int y, IconHandle icon);
  void DestroyIcon(IconHandle icon);
  void PrintText(ControlId id, const std::string& text);
  void DrawLine(ControlId id, int x1, int y1, int x2, int y2);
  void ClearCell(ControlId id, int32_t color);
  void PrintTextAt(ControlId id, int x, int y, const std::string& text, const TextFont& font,
                   int32_t color);
  int TextHeight(ControlId id, const std::string& text, const TextFont& font);

  // Colours, fonts and the skin of the cells.
  void SetForeColor(ControlId id, COLORREF color);
  void SetBackColor(ControlId id, COLORREF color);
  void SetFont(ControlId id, int points, bool bold);
  void CopySkin(ControlId id, const SkinPicture& skin, const PixelRect& from, int x, int y);

  // Shows the visible cells that meet the rectangle, from the bottom up.
  void PaintOn(HDC dc, const RECT& area);

 private:
  HBITMAP FaceBitmap(FaceList list, int picture);
  // The window's own font for points 0, otherwise one made once per size and weight.
  HFONT Font(const TextFont& font);
  // The dialog font's face with lines this many pixels high.
  HFONT LineFont(int lineHeight);

  std::array<CellSurface, 21> cells_;
  HINSTANCE instance_ = nullptr;
  int imageList1First_ = 0;
  int imageList2First_ = 0;
  std::map<int, HBITMAP> faces_;  // by resource id, loaded on first use
  IconLibraries libraries_;
  IconCache fileIcons_;   // icons of item files, kept for the next painting of their page
  HDC faceDc_ = nullptr;  // holds a face picture while it is copied
  std::map<std::pair<int, bool>, HFONT> fonts_;
  std::map<int, HFONT> lineFonts_;
  DpiScale scale_;
};

}  // namespace velmarin::win32
