// The main window's place and size: where it and its cells are on the screen, moves that wait
// while it is hidden, and every move of the window, whoever made it, kept in the model.
#include "shell/layout.h"
#include "win32/main_window.h"

namespace velmarin::win32 {

bool MainWindow::ScreenRect(ControlId id, RECT& rect) {
  if (const CellSurface* cell = cells_.Cell(id)) {
    if (!hwnd_) return false;
    ApplyPendingMove();
    rect = cell->ClientRect();
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return true;
  }
  HWND control = ControlHandle(id);
  return control && GetWindowRect(control, &rect);
}

int MainWindow::FrameWidth() const {
  RECT outer{};
  RECT client{};
  if (!hwnd_ || !GetWindowRect(hwnd_, &outer) || !GetClientRect(hwnd_, &client)) return 0;
  return ((outer.right - outer.left) - client.right) / 2;
}

PixelRect MainWindow::OuterLayoutRect() {
  ApplyPendingMove();
  RECT rc{};
  if (!hwnd_ || !GetWindowRect(hwnd_, &rc)) return {};
  return scale_.OuterToLayout({rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top},
                              FrameWidth());
}

void MainWindow::MoveTo(const PixelRect& outer) {
  if (!hwnd_) return;
  pendingMove_ = scale_.OuterToScreen(outer, FrameWidth());
  if (IsWindowVisible(hwnd_)) ApplyPendingMove();
}

void MainWindow::ApplyPendingMove() {
  if (!pendingMove_ || !hwnd_) return;
  const PixelRect outer = *pendingMove_;
  pendingMove_.reset();
  PlaceWindow(outer, 0);
}

void MainWindow::Show(bool visible) {
  if (!hwnd_) return;
  // Showing takes a waiting move along (OnWindowPosChanging): a move of the program's, whose
  // corner stays where it was given should the window come onto a monitor of another DPI.
  const std::optional<POINT> outerMove = movingTo_;
  if (visible && pendingMove_) movingTo_ = POINT{pendingMove_->left, pendingMove_->top};
  ShowWindow(hwnd_, visible ? SW_SHOWNORMAL : SW_HIDE);
  movingTo_ = outerMove;
  // Should the system not have asked, the move comes now.
  if (visible) ApplyPendingMove();
}

void MainWindow::MoveCornerTo(int left, int top) {
  if (hwnd_) PlaceWindow({left, top, 0, 0}, SWP_NOSIZE);
}

void MainWindow::PlaceWindow(const PixelRect& outer, UINT flags) {
  // While the program moves the window, a monitor of another DPI met on the way keeps the corner
  // where the program put it (OnDpiChanged).
  const std::optional<POINT> outerMove = movingTo_;
  movingTo_ = POINT{outer.left, outer.top};
  SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.width, outer.height,
               flags | SWP_NOZORDER | SWP_NOACTIVATE);
  movingTo_ = outerMove;
}

void MainWindow::AttachShelfList(Win32ShelfList& list, ShelfIcons icons) {
  shelfList_ = &list;
  shelfIcons_ = std::move(icons);
  list.FollowDpi(scale_.Dpi(), nullptr);
}

void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  const DpiScale scale(dpi);
  if (!hwnd_ || scale == scale_) return;
  scale_ = scale;
  cells_.SetScale(scale_);
  run_.SetDpi(dpi);
  if (icons_[0] || icons_[1]) LoadWindowIcons();
  tips_.SetDpi(dpi);
  if (shelfList_) {
    HIMAGELIST icons = shelfIcons_ ? shelfIcons_(scale_.IconSize(16)) : nullptr;
    if (HIMAGELIST before = shelfList_->FollowDpi(dpi, icons)) ImageList_Destroy(before);
  }
  pendingMove_.reset();
  // The system's rectangle keeps a window the user drags under the mouse; a window the program
  // moves stays at the corner it was given, so a place kept in the settings comes back to the
  // pixel on any monitor.
  const POINT corner = movingTo_.value_or(POINT{suggested.left, suggested.top});
  PlaceWindow(
      {corner.x, corner.y, suggested.right - suggested.left, suggested.bottom - suggested.top}, 0);
  ShapeAgain(app_, corner.x, corner.y);
}

void MainWindow::OnWindowPosChanging(WINDOWPOS& pos) {
  if (!pendingMove_) return;
  // The waiting move came first: what this call leaves as it is, it leaves where that put it.
  if (pos.flags & SWP_NOMOVE) {
    pos.x = pendingMove_->left;
    pos.y = pendingMove_->top;
    pos.flags &= ~static_cast<UINT>(SWP_NOMOVE);
  }
  if (pos.flags & SWP_NOSIZE) {
    pos.cx = pendingMove_->width;
    pos.cy = pendingMove_->height;
    pos.flags &= ~static_cast<UINT>(SWP_NOSIZE);
  }
  pendingMove_.reset();
}

void MainWindow::OnWindowPosChanged(const WINDOWPOS& pos) {
  // Whether the window shows, kept here rather than asked of the system for every cell.
  if (pos.flags & SWP_SHOWWINDOW) shown_ = true;
  if (pos.flags & SWP_HIDEWINDOW) shown_ = false;
  if (shown_) run_.UpdateRegionIfStale();
  // Wherever the window was moved from (a drag, another program, a window manager, the system
  // after a change of the display), the model keeps its real place. A hidden window is moved only
  // by the program itself, from the model.
  if (!(pos.flags & SWP_NOMOVE) && shown_ && !IsIconic(hwnd_)) {
    RECT rc{};
    if (GetWindowRect(hwnd_, &rc)) {
      const PixelRect outer = scale_.OuterToLayout(
          {rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top}, FrameWidth());
      MainWindowMoved(app_, outer.left, outer.top);
    }
  }
}

}  // namespace velmarin::win32
