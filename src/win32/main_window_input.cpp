// The main window's mouse and keyboard focus: mouse messages become portable mouse events of the
// cell that holds the mouse, the shelf's events go to the shelf or the button cell under them,
// and the keyboard goes back to the child that had it.
#include <utility>

#include "shell/window_events.h"
#include "win32/drag_source.h"
#include "win32/main_window.h"
#include "win32/mouse_keys.h"
#include "win32/stale_capture.h"

namespace velmarin::win32 {

namespace {

struct MouseMessage {
  MouseAction action;
  MouseButton button;
};

std::optional<MouseMessage> ReadMouseMessage(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      return MouseMessage{MouseAction::Press, MouseButton::Left};
    case WM_RBUTTONDOWN:
      return MouseMessage{MouseAction::Press, MouseButton::Right};
    case WM_MBUTTONDOWN:
      return MouseMessage{MouseAction::Press, MouseButton::Middle};
    case WM_LBUTTONDBLCLK:
      return MouseMessage{MouseAction::DoubleClick, MouseButton::Left};
    case WM_RBUTTONDBLCLK:
      return MouseMessage{MouseAction::DoubleClick, MouseButton::Right};
    case WM_LBUTTONUP:
      return MouseMessage{MouseAction::Release, MouseButton::Left};
    case WM_RBUTTONUP:
      return MouseMessage{MouseAction::Release, MouseButton::Right};
    case WM_MBUTTONUP:
      return MouseMessage{MouseAction::Release, MouseButton::Middle};
    case WM_MOUSEMOVE:
      return MouseMessage{MouseAction::Move, MouseButton::Left};
    default:
      return std::nullopt;
  }
}

// The button held during a move: the first of left, right, middle.
MouseButton HeldButton(WPARAM keys) {
  if (keys & MK_RBUTTON && !(keys & MK_LBUTTON)) return MouseButton::Right;
  if (keys & MK_MBUTTON && !(keys & (MK_LBUTTON | MK_RBUTTON))) return MouseButton::Middle;
  return MouseButton::Left;
}

}  // namespace

// A press captures the mouse for its cell, so the release (and the moves between) reach the
// pressed cell even off it.
bool MainWindow::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
  const std::optional<MouseMessage> what = ReadMouseMessage(msg);
  if (!what) return false;
  if (what->action == MouseAction::Move) tips_.MouseOver();
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  if (mouseCell_ &&
      (what->action == MouseAction::Press || what->action == MouseAction::DoubleClick)) {
    // A press while an earlier one still holds the mouse: that one's release was lost (or a
    // second button ends its gesture). That press is over, and this one goes where it was made.
    const ControlId lost = *std::exchange(mouseCell_, std::nullopt);
    OnControlMouse(app_, MouseEvent{MouseAction::Cancel, lost, MouseButton::Left, 0, 0, 0});
    if (!IsWindow(hwnd_) || HandOnStalePress(hwnd_, msg, wParam, lParam)) return true;
  }
  std::optional<ControlId> target = mouseCell_;
  if (!target) {
    // A cell hears of a move or a release only after its own press took the mouse: a release
    // the window never saw pressed (a press on a gap, a capture taken away) acts on nothing.
    if (what->action == MouseAction::Release || what->action == MouseAction::Move) return false;
    target = cells_.CellAt(x, y);
  }
  if (!target) {
    // A press on the window between the cells.
    if (what->action != MouseAction::Press) return false;
    OnControlMouse(app_, MouseEvent{what->action,
                                    {ControlKind::Form, 0},
                                    what->button,
                                    ShiftValue(wParam),
                                    scale_.ToLayout(x),
                                    scale_.ToLayout(y)});
    return true;
  }
  MouseEvent event{what->action,       *target,           what->button, ShiftValue(wParam),
                   scale_.ToLayout(x), scale_.ToLayout(y)};
  if (what->action == MouseAction::Move) event.button = HeldButton(wParam);
  if (const CellSurface* cell = cells_.Cell(*target)) {
    event.x = scale_.ToLayout(x - cell->Rect().left);
    event.y = scale_.ToLayout(y - cell->Rect().top);
  }
  if (what->action == MouseAction::Press || what->action == MouseAction::DoubleClick) {
    mouseCell_ = target;
    SetCapture(hwnd_);
  } else if (what->action == MouseAction::Release) {
    mouseCell_.reset();
    if (GetCapture() == hwnd_) ReleaseCapture();
  }
  const unsigned drags = DragsRun();
  const HWND self = hwnd_;
  const bool outerHandler = !handlingMouse_;
  handlingMouse_ = true;
  // The handler may end the program and destroy this window; only what it left in this object
  // and the window's own answer are asked afterwards.
  OnControlMouse(app_, event);
  if (outerHandler) handlingMouse_ = false;
  if (!IsWindow(self)) return true;
  if (DragsRun() != drags) {
    // The press (or a move of it) dragged the cell's file out and the drag took the release: no
    // release follows.
    mouseCell_.reset();
    if (GetCapture() == hwnd_) ReleaseCapture();
    if (outerHandler) pressLost_.reset();
  } else if (outerHandler && pressLost_) {
    // The handler's own menu or box took the mouse: the press is over.
    const ControlId lost = *std::exchange(pressLost_, std::nullopt);
    OnControlMouse(app_, MouseEvent{MouseAction::Cancel, lost, event.button, 0, 0, 0});
  }
  return true;
}

void MainWindow::OnCaptureLost() {
  if (!mouseCell_) return;
  const ControlId cell = *mouseCell_;
  mouseCell_.reset();
  if (handlingMouse_) {
    // Told once the handler that is running now is done.
    pressLost_ = cell;
    return;
  }
  OnControlMouse(app_, MouseEvent{MouseAction::Cancel, cell, MouseButton::Left, 0, 0, 0});
}

void MainWindow::OnShelfMouse(MouseAction action, MouseButton button, int shift, POINT point) {
  HWND list = ControlHandle({ControlKind::Storage, 0});
  MouseEvent event{action, {ControlKind::Storage, 0}, button,
                   shift,  scale_.ToLayout(point.x),  scale_.ToLayout(point.y)};
  if (action == MouseAction::Release && list) {
    POINT client = point;
    MapWindowPoints(list, hwnd_, &client, 1);
    // Only a button cell takes a shelf entry; a release anywhere else is the shelf's own.
    const std::optional<ControlId> cell = cells_.CellAt(client.x, client.y);
    if (cell && cell->kind == ControlKind::Picture1) {
      event.control = *cell;
      if (const CellSurface* surface = cells_.Cell(*cell)) {
        event.x = scale_.ToLayout(client.x - surface->Rect().left);
        event.y = scale_.ToLayout(client.y - surface->Rect().top);
      }
    }
  }
  OnControlMouse(app_, event);
}

HWND MainWindow::FocusTarget() {
  const auto usable = [this](HWND child) {
    return child && IsWindow(child) && IsChild(hwnd_, child) && IsWindowVisible(child) &&
           IsWindowEnabled(child);
  };
  if (usable(lastFocus_)) return lastFocus_;
  lastFocus_ = nullptr;
  if (run_.Made() && usable(run_.Handle())) return run_.Handle();
  return nullptr;
}

}  // namespace velmarin::win32
