// The main window's look: the colours and font of its cells, the Run box and the shelf, and the
// skin picture with its copies into them.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <commctrl.h>
// clang-format on

#include "shell/title_bar.h"
#include "win32/main_window.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

COLORREF ToColorRef(int32_t color) { return static_cast<COLORREF>(color) & 0x00FFFFFF; }

}  // namespace

void MainWindow::SetForeColor(ControlId id, int32_t color) {
  if (cells_.Cell(id)) {
    cells_.SetForeColor(id, ToColorRef(color));
    return;
  }
  if (id.kind == ControlKind::Run) {
    runColors_.fore = ToColorRef(color);
    if (run_.Made())
      RedrawWindow(run_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
  } else if (id.kind == ControlKind::Storage) {
    storageColors_.fore = ToColorRef(color);
    ApplyStorageLook();
  }
}

void MainWindow::SetBackColor(ControlId id, int32_t color) {
  if (cells_.Cell(id)) {
    cells_.SetBackColor(id, ToColorRef(color));
    InvalidateCell(id);
    return;
  }
  if (id.kind == ControlKind::Run) {
    runColors_.back = ToColorRef(color);
    if (HBRUSH brush = CreateSolidBrush(*runColors_.back)) {
      if (runBrush_) DeleteObject(runBrush_);
      runBrush_ = brush;
    }
    run_.SetBackColor(*runColors_.back);
  } else if (id.kind == ControlKind::Storage) {
    storageColors_.back = ToColorRef(color);
    ApplyStorageLook();
  }
}

void MainWindow::SetFont(ControlId id, int points, bool bold) { cells_.SetFont(id, points, bold); }

std::optional<PixelSize> MainWindow::LoadSkinPicture(const std::string& path) {
  return skin_.Load(Widen(path), scale_);
}

void MainWindow::ClearSkinPicture() { skin_.Clear(); }

void MainWindow::CopySkin(ControlId id, const PixelRect& from, int x, int y) {
  cells_.CopySkin(id, skin_, scale_.ToScreen(from), scale_.ToScreen(x), scale_.ToScreen(y));
  InvalidateCell(id);
}

void MainWindow::SetShelfBackground(const PixelSize& size, const PixelRect& from, int x, int y) {
  if (storageBackground_) DeleteObject(storageBackground_);
  storageBackground_ = nullptr;
  if (size.width > 0 && size.height > 0) {
    const COLORREF fill = storageColors_.back.value_or(GetSysColor(COLOR_WINDOW));
    const PixelRect area = scale_.ToScreen(PixelRect{0, 0, size.width, size.height});
    storageBackground_ = skin_.Cut({area.width, area.height}, scale_.ToScreen(from),
                                   scale_.ToScreen(x), scale_.ToScreen(y), fill);
  }
  ApplyStorageLook();
}

void MainWindow::AndSkin(ControlId id, const PixelRect& from, int x, int y) {
  // A Run box not made yet is not made for this: the title strip is painted again once it is.
  if (id.kind == ControlKind::Run && !run_.Made()) return;
  HWND control = ControlHandle(id);
  if (!control || !skin_.Held()) return;
  HDC dc = GetDC(control);
  if (!dc) return;
  skin_.CopyTo(dc, scale_.ToScreen(from), scale_.ToScreen(x), scale_.ToScreen(y), SRCAND);
  ReleaseDC(control, dc);
}

void MainWindow::OnTitleCellsPainted(const RECT& painted) {
  bool first = true;
  for (int index = 1; index <= 6; ++index) {
    const CellSurface* cell = cells_.Cell({ControlKind::TitleBar, index});
    RECT overlap;
    const RECT rc = cell ? cell->ClientRect() : RECT{};
    if (!cell || !IntersectRect(&overlap, &rc, &painted)) continue;
    if (first && run_.Made()) {
      // The box's own paint, still waiting, would cover whatever is drawn onto it now.
      RedrawWindow(run_.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    first = false;
    TitleBar_Paint(app_, index);
  }
}

void MainWindow::ApplyStorageLook() {
  HWND list = GetDlgItem(hwnd_, kStorageControlId);
  if (!list) return;  // a list made later gets it when it is placed
  if (storageColors_.fore) SendMessageW(list, LVM_SETTEXTCOLOR, 0, *storageColors_.fore);
  if (storageColors_.back) SendMessageW(list, LVM_SETBKCOLOR, 0, *storageColors_.back);
  LVBKIMAGEW image{};
  if (storageBackground_) {
    // The list may take the picture as its own: it gets a copy.
    image.ulFlags = LVBKIF_SOURCE_HBITMAP | LVBKIF_STYLE_NORMAL;
    image.hbm = static_cast<HBITMAP>(
        CopyImage(storageBackground_, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, CLR_NONE);
  } else {
    image.ulFlags = LVBKIF_SOURCE_NONE;
    if (storageColors_.back) SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, *storageColors_.back);
  }
  if (!SendMessageW(list, LVM_SETBKIMAGEW, 0, reinterpret_cast<LPARAM>(&image)) && image.hbm) {
    DeleteObject(image.hbm);
  }
  InvalidateRect(list, nullptr, TRUE);
}

std::optional<LRESULT> MainWindow::OnControlColor(HDC dc, HWND control) {
  HWND run = run_.Made() ? run_.Handle() : nullptr;
  if (!run ||
      (control != run && GetParent(control) != run && GetWindow(control, GW_OWNER) != run)) {
    return std::nullopt;
  }
  if (runColors_.fore) SetTextColor(dc, *runColors_.fore);
  if (!runColors_.back || !runBrush_) return std::nullopt;
  SetBkColor(dc, *runColors_.back);
  return reinterpret_cast<LRESULT>(runBrush_);
}

}  // namespace velmarin::win32
