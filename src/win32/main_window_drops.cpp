// Files dragged onto the main window: its one drop target, made after the first paint, and
// where a drag is (the Run box, the shelf list, or the cell under the point).
#include "win32/drop_target.h"
#include "win32/main_window.h"

namespace velmarin::win32 {

void MainWindow::RegisterDropTarget() {
  if (dropTarget_ || !hwnd_) return;
  dropTarget_ =
      new DropTarget([this](POINT screen) { return DropPlaceAt(screen); },
                     [this](const DragEvent& event) { return OnControlDrag(app_, event); });
  dropRegistered_ = RegisterWindowDropTarget(hwnd_, dropTarget_);
}

void MainWindow::RevokeDropTarget() {
  if (dropRegistered_) RevokeWindowDropTarget(hwnd_);
  dropRegistered_ = false;
  if (dropTarget_) dropTarget_->Release();
  dropTarget_ = nullptr;
}

std::optional<DropPlace> MainWindow::DropPlaceAt(POINT screen) {
  if (!hwnd_) return std::nullopt;
  HWND run = run_.Made() ? run_.Handle() : nullptr;
  HWND shelf = GetDlgItem(hwnd_, kStorageControlId);
  // The window under the point (the Run box's region leaves out the cells over it), or the one
  // of its parents that is the Run box, the shelf list or this window.
  for (HWND w = WindowFromPoint(screen); w; w = GetParent(w)) {
    if ((w == run && run_.AcceptsDrops()) || (w == shelf && storageAcceptsDrops_)) {
      RECT rect{};
      GetWindowRect(w, &rect);
      return DropPlace{
          {w == run ? ControlKind::Run : ControlKind::Storage, 0},
          {scale_.ToLayout(screen.x - rect.left), scale_.ToLayout(screen.y - rect.top)}};
    }
    if (w == run || w == shelf) return std::nullopt;
    if (w != hwnd_) continue;
    POINT client = screen;
    ScreenToClient(hwnd_, &client);
    const std::optional<ControlId> id = cells_.CellAt(client.x, client.y);
    const CellSurface* cell = id ? cells_.Cell(*id) : nullptr;
    if (!cell || !cell->AcceptsDrops()) return std::nullopt;
    return DropPlace{*id,
                     {scale_.ToLayout(client.x - cell->Rect().left),
                      scale_.ToLayout(client.y - cell->Rect().top)}};
  }
  return std::nullopt;
}

}  // namespace velmarin::win32
