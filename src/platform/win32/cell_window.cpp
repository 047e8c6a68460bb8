#include "platform/win32/cell_window.h"

namespace velmarin::win32 {

namespace {
constexpr wchar_t kCellClass[] = L"velmarinCell";
}

CellWindow::~CellWindow() {
  if (memDc_) {
    SelectObject(memDc_, oldBitmap_);
    DeleteDC(memDc_);
  }
  if (bitmap_) DeleteObject(bitmap_);
}

bool CellWindow::RegisterWindowClass(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &CellWindow::Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.lpszClassName = kCellClass;
  return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CellWindow::Create(HWND parent, HINSTANCE instance, int controlId) {
  hwnd_ = CreateWindowExW(0, kCellClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 1, 1,
                          parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                          instance, this);
  return hwnd_ != nullptr;
}

void CellWindow::EnsureSurface() {
  RECT rc{};
  GetClientRect(hwnd_, &rc);
  const int w = rc.right > 0 ? rc.right : 1;
  const int h = rc.bottom > 0 ? rc.bottom : 1;
  if (memDc_ && w == width_ && h == height_) return;
  HDC screen = GetDC(hwnd_);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  ReleaseDC(hwnd_, screen);
  if (!dc || !bitmap) {
    if (dc) DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    return;
  }
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, w, h};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  // Keep what was drawn so far, as far as it fits.
  if (memDc_) {
    BitBlt(dc, 0, 0, w, h, memDc_, 0, 0, SRCCOPY);
    SelectObject(memDc_, oldBitmap_);
    DeleteDC(memDc_);
    DeleteObject(bitmap_);
  }
  memDc_ = dc;
  bitmap_ = bitmap;
  oldBitmap_ = old;
  width_ = w;
  height_ = h;
}

HDC CellWindow::Surface() {
  EnsureSurface();
  return memDc_;
}

void CellWindow::Refresh() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void CellWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  EnsureSurface();
  if (memDc_) BitBlt(dc, 0, 0, width_, height_, memDc_, 0, 0, SRCCOPY);
  EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK CellWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<CellWindow*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CellWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return self->OnMessage(msg, wParam, lParam);
}

LRESULT CellWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  int button = -1;
  bool down = false;
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      button = 0, down = true;
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      button = 1, down = true;
      break;
    case WM_MBUTTONDOWN:
      button = 2, down = true;
      break;
    case WM_LBUTTONUP:
      button = 0;
      break;
    case WM_RBUTTONUP:
      button = 1;
      break;
    case WM_MBUTTONUP:
      button = 2;
      break;
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
  if (down) {
    SetCapture(hwnd_);
  } else if (GetCapture() == hwnd_) {
    ReleaseCapture();
  }
  // The handler may end the program and destroy this window; nothing touches it afterwards.
  if (onMouse_) onMouse_(down ? CellMouse::Down : CellMouse::Up, button);
  return 0;
}

}  // namespace velmarin::win32
