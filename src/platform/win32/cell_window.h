#pragma once
// A cell of the main window: a small child window that keeps what is drawn into it on a bitmap
// of its own (its persistent surface) and shows that bitmap whenever it is painted. Mouse presses
// capture the mouse, so the release reaches the cell even off it; both go to a handler.
#include <windows.h>

#include <functional>

namespace velmarin::win32 {

enum class CellMouse { Down, Up };

class CellWindow {
 public:
  using MouseHandler = std::function<void(CellMouse what, int button)>;  // button: 0 L, 1 R, 2 M

  CellWindow() = default;
  ~CellWindow();
  CellWindow(const CellWindow&) = delete;
  CellWindow& operator=(const CellWindow&) = delete;

  static bool RegisterWindowClass(HINSTANCE instance);
  bool Create(HWND parent, HINSTANCE instance, int controlId);
  HWND Handle() const { return hwnd_; }
  void SetMouseHandler(MouseHandler handler) { onMouse_ = std::move(handler); }

  // The drawing surface, sized to the window; valid until the next resize.
  HDC Surface();
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Shows the surface on the screen.
  void Refresh();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void EnsureSurface();
  void Paint();

  HWND hwnd_ = nullptr;
  HDC memDc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  MouseHandler onMouse_;
};

}  // namespace velmarin::win32
