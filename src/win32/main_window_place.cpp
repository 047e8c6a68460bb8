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
  SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
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
