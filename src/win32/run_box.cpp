#include "win32/run_box.h"

#include "win32/run_box_edit.h"
#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

constexpr int kRunListHeight = 200;  // the drop-down part of the box

}  // namespace

int RunBoxList::Count() const {
  if (!box_.Made()) return 0;
  const LRESULT count = SendMessageW(box_.Handle(), CB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

void RunBoxList::RemoveAt(int index) {
  if (index >= 0 && index < Count()) SendMessageW(box_.Handle(), CB_DELETESTRING, index, 0);
}

void RunBoxList::Add(const std::string& text) {
  HWND combo = box_.Handle();
  if (!combo) return;
  const std::wstring wide = Widen(text);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void RunBoxList::SetText(const std::string& text) {
  // A box not made yet is empty, and is made empty.
  if (!box_.Made() && text.empty()) return;
  HWND combo = box_.Handle();
  if (!combo) return;
  box_.settingText_ = true;
  SetWindowTextW(combo, Widen(text).c_str());
  box_.settingText_ = false;
}

std::string RunBoxList::Text() const {
  if (!box_.Made()) return {};
  HWND combo = box_.hwnd_;
  const int length = GetWindowTextLengthW(combo);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(combo, wide.data(), length + 1);
  wide.resize(static_cast<size_t>(got > 0 ? got : 0));
  return Narrow(wide);
}

void RunBoxList::GetSelection(int& start, int& length) const {
  start = 0;
  length = 0;
  if (!box_.Made()) return;
  DWORD from = 0;
  DWORD to = 0;
  SendMessageW(box_.hwnd_, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&from),
               reinterpret_cast<LPARAM>(&to));
  start = static_cast<int>(from);
  length = to > from ? static_cast<int>(to - from) : 0;
}

void RunBoxList::SetSelection(int start, int length) {
  if (!box_.Made()) return;
  SendMessageW(box_.hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(start, start + length));
}

void RunBoxList::Focus() {
  if (HWND combo = box_.Handle()) SetFocus(combo);
}

void RunBoxList::ShowDropDown(bool show) {
  if (!box_.Made()) return;
  SendMessageW(box_.hwnd_, CB_SHOWDROPDOWN, show ? TRUE : FALSE, 0);
}

RunBox::~RunBox() {
  if (font_) DeleteObject(font_);
}

HFONT RunBox::Font() const {
  // The system's own interface font (a Japanese one on a Japanese system), made for the
  // system's DPI: on a monitor of that DPI there is nothing to create.
  return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void RunBox::SetDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  HFONT font = nullptr;
  LOGFONTW logFont{};
  const int systemDpi = SystemDpi();
  if (dpi != systemDpi && GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont)) {
    logFont.lfHeight = MulDiv(logFont.lfHeight, dpi, systemDpi);
    font = CreateFontIndirectW(&logFont);
    if (!font) return;  // the font it has stays
  }
  HFONT old = font_;
  font_ = font;
  if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
  if (old) DeleteObject(old);
}

void RunBox::Attach(HWND parent, HINSTANCE instance, const bool& parentShown,
                    const CellHost& cells) {
  parent_ = parent;
  parentShown_ = &parentShown;
  instance_ = instance;
  cells_ = &cells;
  rect_ = {0, -1, 113, kRunListHeight};
}

HWND RunBox::Handle() {
  if (hwnd_ || !parent_) return hwnd_;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
  if (visible_) style |= WS_VISIBLE;
  hwnd_ = CreateWindowExW(
      0, L"COMBOBOX", L"", style, rect_.left, rect_.top, rect_.width, rect_.height, parent_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRunControlId)), instance_, nullptr);
  if (!hwnd_) return nullptr;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
  // Behind the other controls.
  SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (app_) WatchRunEdit(hwnd_, *app_);
  CellsMoved();
  return hwnd_;
}

RECT RunBox::FieldRect() const {
  return RECT{rect_.left, rect_.top, rect_.left + rect_.width, rect_.top + fieldHeight_};
}

void RunBox::InvalidateField() {
  const RECT rc = FieldRect();
  InvalidateRect(parent_, &rc, FALSE);
}

void RunBox::SetBackColor(COLORREF color) {
  backColor_ = color;
  if (hwnd_) {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  } else if (parentShown_ && *parentShown_) {
    InvalidateField();
  }
}

void RunBox::PaintStandIn(HDC dc) {
  if (hwnd_ || !visible_) return;
  // The look of an empty drop-down combo box: a sunken field in the box's background colour
  // with the drop button.
  RECT rc = FieldRect();
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  DrawEdge(dc, &rc, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  if (backColor_) {
    const COLORREF old = SetBkColor(dc, *backColor_);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    SetBkColor(dc, old);
  } else {
    FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
  }
  RECT button = rc;
  button.left = button.right - MetricForDpi(SM_CXVSCROLL, dpi_ > 0 ? dpi_ : SystemDpi());
  if (button.left > rc.left) DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
}

void RunBox::Place(const PixelRect& rect) {
  const bool shown = parentShown_ && *parentShown_;
  if (!hwnd_ && shown) InvalidateField();
  rect_.left = rect.left;
  rect_.top = rect.top;
  if (rect.width >= 0 && rect.height >= 0) {
    rect_.width = rect.width;
    fieldHeight_ = rect.height;
  }
  rect_.height = kRunListHeight;
  if (!hwnd_) {
    // Kept for the box that is still to be made, and for its stand-in.
    if (shown) InvalidateField();
    return;
  }
  // The box lies behind the other controls; its height includes the drop-down list.
  UINT flags = SWP_NOACTIVATE;
  if (rect.width < 0 || rect.height < 0) flags |= SWP_NOSIZE;  // refused: keeps its old size
  SetWindowPos(hwnd_, HWND_BOTTOM, rect.left, rect.top, rect.width, kRunListHeight, flags);
  CellsMoved();
}

void RunBox::SetVisible(bool visible) {
  visible_ = visible;
  if (!hwnd_) {
    if (parentShown_ && *parentShown_) InvalidateField();
    return;
  }
  ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void RunBox::AcceptDrops(bool accept) { acceptsDrops_ = accept; }

void RunBox::CellsMoved() {
  regionStale_ = true;
  if (parentShown_ && *parentShown_) UpdateRegion();
}

void RunBox::UpdateRegionIfStale() {
  if (regionStale_) UpdateRegion();
}

void RunBox::UpdateRegion() {
  regionStale_ = false;
  if (!hwnd_ || !cells_) return;
  const RECT runRc{rect_.left, rect_.top, rect_.left + rect_.width, rect_.top + rect_.height};
  HRGN region = nullptr;
  for (const CellSurface& cell : cells_->Cells()) {
    RECT cellRc = cell.ClientRect();
    RECT overlap{};
    if (!cell.Visible() || !IntersectRect(&overlap, &runRc, &cellRc)) continue;
    if (!region) region = CreateRectRgn(0, 0, rect_.width, rect_.height);
    HRGN hole = CreateRectRgn(overlap.left - runRc.left, overlap.top - runRc.top,
                              overlap.right - runRc.left, overlap.bottom - runRc.top);
    if (region && hole) CombineRgn(region, region, hole, RGN_DIFF);
    if (hole) DeleteObject(hole);
  }
  // The window owns the region from here on; none means the whole box.
  if (!SetWindowRgn(hwnd_, region, TRUE) && region) DeleteObject(region);
}

}  // namespace velmarin::win32
