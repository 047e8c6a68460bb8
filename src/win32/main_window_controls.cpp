// The main window's controls as the app logic places and paints them: cells go to the cell
// host, the Run box and the shelf list are windows of their own. Positions and sizes come in
// layout pixels and go on in screen pixels (Scale()).
#include "shell/layout.h"
#include "win32/main_window.h"

namespace velmarin::win32 {

void MainWindow::Place(ControlId id, const PixelRect& layoutRect) {
  const PixelRect rect = scale_.ToScreen(layoutRect);
  if (CellSurface* cell = cells_.Cell(id)) {
    if (cell->Visible()) InvalidateCell(id);
    cell->Place(rect);
    if (cell->Visible()) InvalidateCell(id);
    CellsChanged();
    return;
  }
  if (id.kind == ControlKind::Run) {
    run_.Place(rect);
    return;
  }
  if (id.kind != ControlKind::Storage) return;
  storageRect_ = layoutRect;  // placed again as it is when the list is made later
  storagePlaced_ = true;
  HWND control = ControlHandle(id);
  if (!control) return;
  UINT flags = SWP_NOACTIVATE | SWP_NOZORDER;
  if (rect.width < 0 || rect.height < 0) flags |= SWP_NOSIZE;  // refused: keeps its old size
  SetWindowPos(control, nullptr, rect.left, rect.top, rect.width, rect.height, flags);
}

void MainWindow::SetVisible(ControlId id, bool visible) {
  AccessMayChange();
  if (CellSurface* cell = cells_.Cell(id)) {
    if (cell->Visible() == visible) return;
    cell->SetVisible(visible);
    InvalidateCell(id);
    CellsChanged();
    return;
  }
  if (id.kind == ControlKind::Run) {
    run_.SetVisible(visible);
    return;
  }
  if (HWND control = ControlHandle(id)) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::AcceptDrops(ControlId id, bool accept) {
  // Kept for the drop target, which reports drags only over a control that takes them.
  if (CellSurface* cell = cells_.Cell(id)) {
    cell->SetAcceptsDrops(accept);
  } else if (id.kind == ControlKind::Run) {
    run_.AcceptDrops(accept);
  } else if (id.kind == ControlKind::Storage) {
    storageAcceptsDrops_ = accept;
  }
}

void MainWindow::SetFace(ControlId id, FaceList list, int picture) {
  cells_.SetFace(id, list, picture);
}

ExtractedIcon MainWindow::ExtractFileIcon(const std::string& source, int index) {
  return cells_.ExtractFileIcon(source, index);
}

ExtractedIcon MainWindow::ShellIcon(const std::string& path) { return cells_.ShellIcon(path); }

void MainWindow::DrawIcon(ControlId id, int x, int y, IconHandle icon) {
  cells_.DrawIcon(id, scale_.ToScreen(x), scale_.ToScreen(y), icon);
}

void MainWindow::DestroyIcon(IconHandle icon) { cells_.DestroyIcon(icon); }

void MainWindow::PrintText(ControlId id, const std::string& text) { cells_.PrintText(id, text); }

void MainWindow::DrawLine(ControlId id, int x1, int y1, int x2, int y2) {
  cells_.DrawLine(id, scale_.ToScreen(x1), scale_.ToScreen(y1), scale_.ToScreen(x2),
                  scale_.ToScreen(y2));
}

void MainWindow::Refresh(ControlId id) {
  AccessMayChange();
  if (const CellSurface* cell = cells_.Cell(id); cell && cell->Visible()) InvalidateCell(id);
}

std::optional<PixelRect> MainWindow::Bounds(ControlId id) {
  if (const CellSurface* cell = cells_.Cell(id)) return scale_.ToLayout(cell->Rect());
  if (id.kind == ControlKind::Run) return scale_.ToLayout(run_.FieldBounds());
  if (id.kind == ControlKind::Storage && storagePlaced_) return storageRect_;
  return std::nullopt;
}

void MainWindow::SetToolTip(ControlId id, const std::string& text) {
  tips_.SetText(CellHost::SlotOf(id), text);
}

void MainWindow::ClearCell(ControlId id, int32_t color) { cells_.ClearCell(id, color); }

void MainWindow::PrintTextAt(ControlId id, int x, int y, const std::string& text,
                             const TextFont& font, int32_t color) {
  cells_.PrintTextAt(id, scale_.ToScreen(x), scale_.ToScreen(y), text, font, color);
}

int MainWindow::TextHeight(ControlId id, const std::string& text, const TextFont& font) {
  return scale_.ToLayout(cells_.TextHeight(id, text, font));
}

}  // namespace velmarin::win32
