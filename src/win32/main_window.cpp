#include "win32/main_window.h"

#include <shellapi.h>

#include "core/lifecycle.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kMainClass[] = L"velmarinMForm";
constexpr wchar_t kMainTitle[] = L"velmarin";
constexpr int kRunListHeight = 200;  // the drop-down part of the Run box
// Posted by the first paint: make the Run box and set the window's icon.
constexpr UINT kMsgFinishStart = WM_APP + 1;

// The cells in their order: title cells 1..6, the three small cells, button cells 0..11.
constexpr int kSmallCellsSlot = 6;
constexpr int kButtonCellsSlot = 9;
constexpr int kCellSlots = 21;

int CellSlot(ControlId id) {
  switch (id.kind) {
    case ControlKind::TitleBar:
      return id.index >= 1 && id.index <= 6 ? id.index - 1 : -1;
    case ControlKind::StorageOpen:
      return kSmallCellsSlot;
    case ControlKind::DDExecute:
      return kSmallCellsSlot + 1;
    case ControlKind::TClose:
      return kSmallCellsSlot + 2;
    case ControlKind::Picture1:
      return id.index >= 0 && id.index < kCellSlots - kButtonCellsSlot ? kButtonCellsSlot + id.index
                                                                       : -1;
    default:
      return -1;
  }
}

ControlId CellOfSlot(int slot) {
  if (slot < kSmallCellsSlot) return {ControlKind::TitleBar, slot + 1};
  if (slot == kSmallCellsSlot) return {ControlKind::StorageOpen, 0};
  if (slot == kSmallCellsSlot + 1) return {ControlKind::DDExecute, 0};
  if (slot == kSmallCellsSlot + 2) return {ControlKind::TClose, 0};
  return {ControlKind::Picture1, slot - kButtonCellsSlot};
}

// What DragAcceptFiles does, without loading the shell at start-up.
void SetAcceptFiles(HWND window, bool accept) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const LONG_PTR wanted =
      accept ? (style | WS_EX_ACCEPTFILES) : (style & ~static_cast<LONG_PTR>(WS_EX_ACCEPTFILES));
  if (wanted != style) SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
}

MouseButton ToMouseButton(int button) {
  return button == 0 ? MouseButton::Left : (button == 1 ? MouseButton::Right : MouseButton::Middle);
}

}  // namespace

int RunBoxList::Count() const {
  if (!window_.HasRunBox()) return 0;
  const LRESULT count = SendMessageW(window_.RunBox(), CB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

void RunBoxList::RemoveAt(int index) {
  if (index >= 0 && index < Count()) SendMessageW(window_.RunBox(), CB_DELETESTRING, index, 0);
}

void RunBoxList::Add(const std::string& text) {
  HWND combo = window_.RunBox();
  if (!combo) return;
  const std::wstring wide = Widen(text);
  SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

MainWindow::~MainWindow() {
  for (auto& [id, bitmap] : faces_) {
    if (bitmap) DeleteObject(bitmap);
  }
  if (faceDc_) DeleteDC(faceDc_);
  for (HICON icon : icons_) {
    if (icon) ::DestroyIcon(icon);
  }
}

void MainWindow::SetFaceResources(int imageList1First, int imageList2First) {
  imageList1First_ = imageList1First;
  imageList2First_ = imageList2First;
}

HBITMAP MainWindow::FaceBitmap(FaceList list, int picture) {
  const int first = list == FaceList::ImageList1 ? imageList1First_ : imageList2First_;
  if (first <= 0 || picture < 1) return nullptr;
  const int id = first + picture - 1;
  auto found = faces_.find(id);
  if (found == faces_.end()) {
    // As a picture of its own rather than one of the display's: copying from it then needs
    // nothing of the display either.
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    found = faces_.emplace(id, bitmap).first;
  }
  return found->second;
}

bool MainWindow::Create(HINSTANCE instance, int iconId) {
  instance_ = instance;
  WNDCLASSW wc{};
  wc.lpfnWndProc = &MainWindow::Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  // The icon comes with the first paint (a class icon would be converted for the display
  // before the window could show).
  iconId_ = iconId;
  wc.lpszClassName = kMainClass;
  const bool registered = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  if (!registered) return false;
  // No caption, a thin fixed frame. The layout gives the real size and place.
  hwnd_ = CreateWindowExW(0, kMainClass, kMainTitle, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, 0, 0,
                          447, 57, nullptr, nullptr, instance, this);
  if (!hwnd_) return false;
  runRect_ = {0, -1, 113, kRunListHeight};
  return true;
}

void MainWindow::FinishStart() {
  if (!hwnd_ || deferredMade_) return;
  if (!IsWindowVisible(hwnd_)) MakeDeferredParts();
  // Otherwise the first paint is pending, and it posts the message.
}

void MainWindow::MakeDeferredParts() {
  if (deferredMade_ || !hwnd_) return;
  deferredMade_ = true;
  RunBox();
  if (iconId_ > 0 && !icons_[0]) {
    const int sizes[2][2] = {{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)},
                             {GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)}};
    for (int k = 0; k < 2; ++k) {
      icons_[k] = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON,
                                                sizes[k][0], sizes[k][1], 0));
      if (icons_[k]) {
        SendMessageW(hwnd_, WM_SETICON, k == 0 ? ICON_BIG : ICON_SMALL,
                     reinterpret_cast<LPARAM>(icons_[k]));
      }
    }
  }
}

HWND MainWindow::RunBox() {
  if (run_ || !hwnd_) return run_;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
  if (runVisible_) style |= WS_VISIBLE;
  run_ = CreateWindowExW(runAcceptsDrops_ ? WS_EX_ACCEPTFILES : 0, L"COMBOBOX", L"", style,
                         runRect_.left, runRect_.top, runRect_.width, runRect_.height, hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRunControlId)), instance_,
                         nullptr);
  if (!run_) return nullptr;
  // The system's own interface font (a Japanese one on a Japanese system): nothing to create.
  SendMessageW(run_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  // Behind the other controls.
  SetWindowPos(run_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  runRegionStale_ = true;
  if (shown_) UpdateRunRegion();
  return run_;
}

RECT MainWindow::RunFieldRect() const {
  return RECT{runRect_.left, runRect_.top, runRect_.left + runRect_.width,
              runRect_.top + runFieldHeight_};
}

void MainWindow::PaintRunBoxStandIn(HDC dc) {
  // The look of an empty drop-down combo box: a sunken white field with the drop button. Once
  // the box has colours of its own, its stand-in has to be painted in them too.
  RECT rc = RunFieldRect();
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  DrawEdge(dc, &rc, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
  RECT button = rc;
  button.left = button.right - GetSystemMetrics(SM_CXVSCROLL);
  if (button.left > rc.left) DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
}

void MainWindow::OnCellMouse(ControlId id, CellMouse what, int button) {
  if (id.kind != ControlKind::TClose) return;
  if (what == CellMouse::Down) {
    tClose_MouseDown(app_, ToMouseButton(button));
  } else {
    tClose_MouseUp(app_, ToMouseButton(button));
  }
}

CellSurface* MainWindow::Cell(ControlId id) {
  const int slot = CellSlot(id);
  return slot < 0 ? nullptr : &cells_[static_cast<size_t>(slot)];
}

std::optional<ControlId> MainWindow::CellAt(int x, int y) const {
  for (size_t slot = 0; slot < cells_.size(); ++slot) {
    const CellSurface& cell = cells_[slot];
    if (cell.Visible() && cell.Contains(x, y)) return CellOfSlot(static_cast<int>(slot));
  }
  return std::nullopt;
}

HWND MainWindow::ControlHandle(ControlId id) {
  if (id.kind == ControlKind::Run) return RunBox();
  if (id.kind == ControlKind::Storage) return GetDlgItem(hwnd_, kStorageControlId);
  return nullptr;
}

bool MainWindow::ScreenRect(ControlId id, RECT& rect) {
  if (const CellSurface* cell = Cell(id)) {
    if (!hwnd_) return false;
    ApplyPendingMove();
    rect = cell->ClientRect();
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return true;
  }
  HWND control = ControlHandle(id);
  return control && GetWindowRect(control, &rect);
}

void MainWindow::MoveTo(const PixelRect& outer) {
  if (!hwnd_) return;
  pendingMove_ = outer;
  if (IsWindowVisible(hwnd_)) ApplyPendingMove();
}

void MainWindow::ApplyPendingMove() {
  if (!pendingMove_ || !hwnd_) return;
  const PixelRect outer = *pendingMove_;
  pendingMove_.reset();
  SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.width, outer.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::TakePendingMove(WINDOWPOS& pos) {
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

void MainWindow::PlaceStorageAgain() {
  if (storagePlaced_) Place({ControlKind::Storage, 0}, storageRect_);
}

void MainWindow::InvalidateCell(const CellSurface& cell) {
  // A hidden window is painted whole when it is shown.
  if (!hwnd_ || !shown_) return;
  const RECT rc = cell.ClientRect();
  InvalidateRect(hwnd_, &rc, FALSE);
}

void MainWindow::CellsMoved() {
  runRegionStale_ = true;
  if (shown_) UpdateRunRegion();
}

void MainWindow::UpdateRunRegion() {
  runRegionStale_ = false;
  if (!run_) return;
  const RECT runRc{runRect_.left, runRect_.top, runRect_.left + runRect_.width,
                   runRect_.top + runRect_.height};
  HRGN region = nullptr;
  for (const CellSurface& cell : cells_) {
    RECT cellRc = cell.ClientRect();
    RECT overlap{};
    if (!cell.Visible() || !IntersectRect(&overlap, &runRc, &cellRc)) continue;
    if (!region) region = CreateRectRgn(0, 0, runRect_.width, runRect_.height);
    HRGN hole = CreateRectRgn(overlap.left - runRc.left, overlap.top - runRc.top,
                              overlap.right - runRc.left, overlap.bottom - runRc.top);
    if (region && hole) CombineRgn(region, region, hole, RGN_DIFF);
    if (hole) DeleteObject(hole);
  }
  // The window owns the region from here on; none means the whole box.
  if (!SetWindowRgn(run_, region, TRUE) && region) DeleteObject(region);
}

void MainWindow::UpdateDropAcceptance() {
  bool any = false;
  for (const CellSurface& cell : cells_) any = any || cell.AcceptsDrops();
  SetAcceptFiles(hwnd_, any);
}

void MainWindow::Place(ControlId id, const PixelRect& rect) {
  if (CellSurface* cell = Cell(id)) {
    if (cell->Visible()) InvalidateCell(*cell);
    cell->Place(rect);
    if (cell->Visible()) InvalidateCell(*cell);
    CellsMoved();
    return;
  }
  if (id.kind == ControlKind::Storage) {
    storageRect_ = rect;
    storagePlaced_ = true;
  }
  if (id.kind == ControlKind::Run && !run_) {
    // Kept for the box that is still to be made, and for its stand-in.
    if (shown_) InvalidateRunBoxArea();
    runRect_.left = rect.left;
    runRect_.top = rect.top;
    if (rect.width >= 0 && rect.height >= 0) {
      runRect_.width = rect.width;
      runFieldHeight_ = rect.height;
    }
    if (shown_) InvalidateRunBoxArea();
    return;
  }
  HWND control = ControlHandle(id);
  if (!control) return;
  UINT flags = SWP_NOACTIVATE | SWP_NOZORDER;
  int height = rect.height;
  HWND after = nullptr;
  if (id.kind == ControlKind::Run) {
    // The Run box lies behind the other controls; its height includes the drop-down list.
    flags &= ~static_cast<UINT>(SWP_NOZORDER);
    after = HWND_BOTTOM;
    height = kRunListHeight;
    runRect_.left = rect.left;
    runRect_.top = rect.top;
    if (rect.width >= 0 && rect.height >= 0) {
      runRect_.width = rect.width;
      runFieldHeight_ = rect.height;
    }
    runRect_.height = height;
    runRegionStale_ = true;
  }
  if (rect.width < 0 || rect.height < 0) flags |= SWP_NOSIZE;  // refused: keeps its old size
  SetWindowPos(control, after, rect.left, rect.top, rect.width, height, flags);
  if (id.kind == ControlKind::Run) CellsMoved();
}

void MainWindow::SetVisible(ControlId id, bool visible) {
  if (CellSurface* cell = Cell(id)) {
    if (cell->Visible() == visible) return;
    cell->SetVisible(visible);
    InvalidateCell(*cell);
    CellsMoved();
    return;
  }
  if (id.kind == ControlKind::Run) {
    runVisible_ = visible;
    if (!run_) {
      if (shown_) InvalidateRunBoxArea();
      return;
    }
  }
  if (HWND control = ControlHandle(id)) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::AcceptDrops(ControlId id, bool accept) {
  if (CellSurface* cell = Cell(id)) {
    cell->SetAcceptsDrops(accept);
    UpdateDropAcceptance();
    return;
  }
  if (id.kind == ControlKind::Run) {
    runAcceptsDrops_ = accept;
    if (!run_) return;  // made with it
  }
  if (HWND control = ControlHandle(id)) SetAcceptFiles(control, accept);
}

void MainWindow::SetFace(ControlId id, FaceList list, int picture) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  RECT rc{0, 0, cell->Width(), cell->Height()};
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  if (HBITMAP face = FaceBitmap(list, picture)) {
    // The picture sits at the cell's top-left corner, as a picture box shows it.
    if (!faceDc_) faceDc_ = CreateCompatibleDC(dc);
    if (faceDc_) {
      BITMAP info{};
      GetObjectW(face, sizeof(info), &info);
      HGDIOBJ old = SelectObject(faceDc_, face);
      BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, faceDc_, 0, 0, SRCCOPY);
      SelectObject(faceDc_, old);
      return;
    }
  }
  // Without the pictures: odd pictures are the up faces, even ones the held-down faces.
  const bool down = picture % 2 == 0;
  DrawEdge(dc, &rc, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

IconHandle MainWindow::ExtractAssociatedIconFrom(const std::string& source, int index) {
  const std::wstring wide = Widen(source);
  // An icon the file holds itself is what the shell's call would give first; only for other
  // files does the shell look for the icon of the program they open with.
  if (wide.size() > 4 && _wcsicmp(wide.c_str() + wide.size() - 4, L".icl") == 0) {
    if (const IconHandle icon = libraries_.Icon(wide, index)) {
      lastError_ = 0;
      return icon;
    }
  }
  wchar_t path[MAX_PATH] = {};
  if (wide.size() >= MAX_PATH) {
    lastError_ = ERROR_FILE_NOT_FOUND;
    return 0;
  }
  wide.copy(path, wide.size());
  WORD iconIndex = static_cast<WORD>(index);
  SetLastError(0);
  HICON icon = ExtractAssociatedIconW(instance_, path, &iconIndex);
  lastError_ = GetLastError();
  return reinterpret_cast<IconHandle>(icon);
}

IconHandle MainWindow::ExtractIconFrom(const std::string& source, int index) {
  SetLastError(0);
  HICON icon = ExtractIconW(instance_, Widen(source).c_str(), static_cast<UINT>(index));
  lastError_ = GetLastError();
  return reinterpret_cast<IconHandle>(icon);
}

void MainWindow::DrawIcon(ControlId id, int x, int y, IconHandle icon) {
  CellSurface* cell = Cell(id);
  if (!cell || icon <= 1) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  // Full size, as the icon library's pictures are laid out for it; the cell clips the rest.
  libraries_.Draw(dc, x, y, icon);
}

void MainWindow::DestroyIcon(IconHandle icon) {
  if (icon > 1 && !libraries_.IsKept(icon)) ::DestroyIcon(reinterpret_cast<HICON>(icon));
}

void MainWindow::PrintText(ControlId id, const std::string& text) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  RECT rc{2, 2, cell->Width(), cell->Height()};
  const std::wstring wide = Widen(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rc, DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, old);
}

void MainWindow::DrawLine(ControlId id, int x1, int y1, int x2, int y2) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
}

void MainWindow::Refresh(ControlId id) {
  if (CellSurface* cell = Cell(id); cell && cell->Visible()) InvalidateCell(*cell);
}

void MainWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  if (!run_ && runVisible_) PaintRunBoxStandIn(dc);
  // From the bottom up, so that an earlier cell lies over a later one.
  for (size_t slot = cells_.size(); slot-- > 0;) {
    CellSurface& cell = cells_[slot];
    RECT cellRc = cell.ClientRect();
    RECT overlap{};
    if (cell.Visible() && IntersectRect(&overlap, &ps.rcPaint, &cellRc)) cell.PaintOn(dc);
  }
  EndPaint(hwnd_, &ps);
  if (!deferredMade_ && !deferredPosted_) {
    deferredPosted_ = PostMessageW(hwnd_, kMsgFinishStart, 0, 0) != FALSE;
  }
}

void MainWindow::InvalidateRunBoxArea() {
  const RECT rc = RunFieldRect();
  InvalidateRect(hwnd_, &rc, FALSE);
}

// Presses capture the mouse, so the release reaches the pressed cell even off it.
bool MainWindow::OnMouseMessage(UINT msg, LPARAM lParam) {
  int button = -1;
  bool down = false;
  switch (msg) {
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
      return false;
  }
  std::optional<ControlId> target = mouseCell_;
  if (!target) {
    target = CellAt(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  }
  if (!target) return false;
  if (down) {
    mouseCell_ = target;
    SetCapture(hwnd_);
  } else {
    mouseCell_.reset();
    if (GetCapture() == hwnd_) ReleaseCapture();
  }
  // The handler may end the program and destroy this window; nothing touches it afterwards.
  OnCellMouse(*target, down ? CellMouse::Down : CellMouse::Up, button);
  return true;
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<MainWindow*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return self->OnMessage(msg, wParam, lParam);
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (OnMouseMessage(msg, lParam)) return 0;
  switch (msg) {
    case WM_CLOSE:
      // A close request from the system or the task bar: the normal, saving way out.
      UnloadAndEnd(app_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) EndSession(app_);
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted with the cells
    case WM_SHOWWINDOW:
      // Before the window appears: the Run box must already leave the cells out.
      if (wParam && runRegionStale_) UpdateRunRegion();
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
      TakePendingMove(*reinterpret_cast<WINDOWPOS*>(lParam));
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    case WM_WINDOWPOSCHANGED: {
      // Whether the window shows, kept here rather than asked of the system for every cell.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (pos->flags & SWP_SHOWWINDOW) shown_ = true;
      if (pos->flags & SWP_HIDEWINDOW) shown_ = false;
      if (shown_ && runRegionStale_) UpdateRunRegion();
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
    }
    case kMsgFinishStart:
      MakeDeferredParts();
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) mouseCell_.reset();
      return 0;
    case WM_DESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

}  // namespace velmarin::win32
