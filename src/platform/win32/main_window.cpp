#include "platform/win32/main_window.h"

#include <shellapi.h>

#include "core/lifecycle.h"
#include "platform/win32/wide.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kMainClass[] = L"velmarinMForm";
constexpr wchar_t kMainTitle[] = L"velmarin";
constexpr int kFirstCellId =
    1100;  // title cells 1101..1106, small cells 1110.., button cells 1120..
constexpr int kRunListHeight = 200;  // the drop-down part of the Run box

MouseButton ToMouseButton(int button) {
  return button == 0 ? MouseButton::Left : (button == 1 ? MouseButton::Right : MouseButton::Middle);
}

}  // namespace

int RunBoxList::Count() const {
  if (!combo_) return 0;
  const LRESULT count = SendMessageW(combo_, CB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

void RunBoxList::RemoveAt(int index) {
  if (combo_ && index >= 0 && index < Count()) SendMessageW(combo_, CB_DELETESTRING, index, 0);
}

void RunBoxList::Add(const std::string& text) {
  if (!combo_) return;
  const std::wstring wide = Widen(text);
  SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

MainWindow::~MainWindow() {
  for (auto& [id, bitmap] : faces_) {
    if (bitmap) DeleteObject(bitmap);
  }
  for (auto& [path, icons] : libraries_) {
    for (HICON icon : icons) {
      if (icon) ::DestroyIcon(icon);
    }
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
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    found = faces_.emplace(id, bitmap).first;
  }
  return found->second;
}

bool MainWindow::CreateCell(std::unique_ptr<CellWindow>& cell, HINSTANCE instance, int controlId) {
  cell = std::make_unique<CellWindow>();
  return cell->Create(hwnd_, instance, controlId);
}

bool MainWindow::Create(HINSTANCE instance, int iconId) {
  instance_ = instance;
  WNDCLASSW wc{};
  wc.lpfnWndProc = &MainWindow::Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.hIcon = iconId > 0 ? LoadIconW(instance, MAKEINTRESOURCEW(iconId)) : nullptr;
  wc.lpszClassName = kMainClass;
  const bool registered = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  if (!registered || !CellWindow::RegisterWindowClass(instance)) return false;
  // No caption, a thin fixed frame. The layout gives the real size and place.
  hwnd_ = CreateWindowExW(0, kMainClass, kMainTitle, WS_POPUP | WS_BORDER | WS_CLIPCHILDREN, 0, 0,
                          447, 57, nullptr, nullptr, instance, this);
  if (!hwnd_) return false;
  // The system's own interface font (a Japanese one on a Japanese system): nothing to create.
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  bool ok = true;
  for (int k = 1; k <= 6; ++k) ok = CreateCell(titleBar_[k], instance, kFirstCellId + k) && ok;
  ok = CreateCell(storageOpen_, instance, kFirstCellId + 10) && ok;
  ok = CreateCell(ddExecute_, instance, kFirstCellId + 11) && ok;
  ok = CreateCell(tClose_, instance, kFirstCellId + 12) && ok;
  for (int k = 0; k < 12; ++k) ok = CreateCell(cells_[k], instance, kFirstCellId + 20 + k) && ok;
  tClose_->SetMouseHandler([this](CellMouse what, int button) {
    OnCellMouse({ControlKind::TClose, 0}, what, button);
  });

  run_ = CreateWindowExW(
      0, L"COMBOBOX", L"",
      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, -1,
      113, kRunListHeight, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRunControlId)),
      instance, nullptr);
  if (run_) SendMessageW(run_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  runList_.Bind(run_);
  return ok && run_ != nullptr;
}

void MainWindow::OnCellMouse(ControlId id, CellMouse what, int button) {
  if (id.kind != ControlKind::TClose) return;
  if (what == CellMouse::Down) {
    tClose_MouseDown(app_, ToMouseButton(button));
  } else {
    tClose_MouseUp(app_, ToMouseButton(button));
  }
}

CellWindow* MainWindow::Cell(ControlId id) {
  switch (id.kind) {
    case ControlKind::TitleBar:
      return id.index >= 1 && id.index <= 6 ? titleBar_[id.index].get() : nullptr;
    case ControlKind::StorageOpen:
      return storageOpen_.get();
    case ControlKind::DDExecute:
      return ddExecute_.get();
    case ControlKind::TClose:
      return tClose_.get();
    case ControlKind::Picture1:
      return id.index >= 0 && id.index < 12 ? cells_[id.index].get() : nullptr;
    default:
      return nullptr;
  }
}

HWND MainWindow::ControlHandle(ControlId id) {
  if (id.kind == ControlKind::Run) return run_;
  if (id.kind == ControlKind::Storage) return GetDlgItem(hwnd_, kStorageControlId);
  CellWindow* cell = Cell(id);
  return cell ? cell->Handle() : nullptr;
}

void MainWindow::PlaceStorageAgain() {
  if (storagePlaced_) Place({ControlKind::Storage, 0}, storageRect_);
}

void MainWindow::Place(ControlId id, const PixelRect& rect) {
  if (id.kind == ControlKind::Storage) {
    storageRect_ = rect;
    storagePlaced_ = true;
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
  }
  if (rect.width < 0 || rect.height < 0) flags |= SWP_NOSIZE;  // refused: keeps its old size
  SetWindowPos(control, after, rect.left, rect.top, rect.width, height, flags);
}

void MainWindow::SetVisible(ControlId id, bool visible) {
  if (HWND control = ControlHandle(id)) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

void MainWindow::AcceptDrops(ControlId id, bool accept) {
  HWND control = ControlHandle(id);
  if (!control) return;
  // What DragAcceptFiles does, without loading the shell at start-up.
  LONG_PTR style = GetWindowLongPtrW(control, GWL_EXSTYLE);
  style =
      accept ? (style | WS_EX_ACCEPTFILES) : (style & ~static_cast<LONG_PTR>(WS_EX_ACCEPTFILES));
  SetWindowLongPtrW(control, GWL_EXSTYLE, style);
}

void MainWindow::SetFace(ControlId id, FaceList list, int picture) {
  CellWindow* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  RECT rc{0, 0, cell->Width(), cell->Height()};
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  if (HBITMAP face = FaceBitmap(list, picture)) {
    // The picture sits at the cell's top-left corner, as a picture box shows it.
    HDC source = CreateCompatibleDC(dc);
    if (source) {
      BITMAP info{};
      GetObjectW(face, sizeof(info), &info);
      HGDIOBJ old = SelectObject(source, face);
      BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
      return;
    }
  }
  // Without the pictures: odd pictures are the up faces, even ones the held-down faces.
  const bool down = picture % 2 == 0;
  DrawEdge(dc, &rc, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

HICON MainWindow::LibraryIcon(const std::wstring& path, int index) {
  auto found = libraries_.find(path);
  if (found == libraries_.end()) {
    // The whole library in one reading: the layout asks for seven of its icons in a row.
    std::vector<HICON> icons;
    const UINT count = PrivateExtractIconsW(path.c_str(), 0, 0, 0, nullptr, nullptr, 0, 0);
    if (count != 0 && count != 0xFFFFFFFF && count <= 256) {
      icons.assign(count, nullptr);
      std::vector<UINT> ids(count);
      const UINT got = PrivateExtractIconsW(path.c_str(), 0, GetSystemMetrics(SM_CXICON),
                                            GetSystemMetrics(SM_CYICON), icons.data(), ids.data(),
                                            count, LR_DEFAULTCOLOR);
      if (got == 0xFFFFFFFF) icons.clear();
    }
    found = libraries_.emplace(path, std::move(icons)).first;
  }
  const std::vector<HICON>& icons = found->second;
  if (index < 0 || static_cast<size_t>(index) >= icons.size() || !icons[index]) return nullptr;
  return CopyIcon(icons[index]);
}

IconHandle MainWindow::ExtractAssociatedIconFrom(const std::string& source, int index) {
  const std::wstring wide = Widen(source);
  // An icon the file holds itself is what the shell's call would give first; only for other
  // files does the shell look for the icon of the program they open with.
  if (wide.size() > 4 && _wcsicmp(wide.c_str() + wide.size() - 4, L".icl") == 0) {
    if (HICON icon = LibraryIcon(wide, index)) {
      lastError_ = 0;
      return reinterpret_cast<IconHandle>(icon);
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
  CellWindow* cell = Cell(id);
  if (!cell || icon <= 1) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  // Full size, as the icon library's pictures are laid out for it; the cell clips the rest.
  ::DrawIcon(dc, x, y, reinterpret_cast<HICON>(icon));
}

void MainWindow::DestroyIcon(IconHandle icon) {
  if (icon > 1) ::DestroyIcon(reinterpret_cast<HICON>(icon));
}

void MainWindow::PrintText(ControlId id, const std::string& text) {
  CellWindow* cell = Cell(id);
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
  CellWindow* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
}

void MainWindow::Refresh(ControlId id) {
  if (CellWindow* cell = Cell(id)) cell->Refresh();
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
    case WM_DESTROY:
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

}  // namespace velmarin::win32
