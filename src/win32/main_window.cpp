// clang-format off
#include "win32/main_window.h"  // first: it brings the Windows headers
#include <commctrl.h>
// clang-format on

#include "run/program_search.h"
#include "run/run_box.h"
#include "shell/cell_access.h"
#include "shell/drag_events.h"
#include "shell/main_form.h"
#include "shell/title_bar.h"
#include "shell/window_events.h"
#include "storage/shelf_commands.h"
#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

constexpr wchar_t kMainClass[] = L"velmarinMForm";
constexpr wchar_t kMainTitle[] = L"velmarin";
// Posted by the first paint: make the Run box and set the window's icon.
constexpr UINT kMsgFinishStart = WM_APP + 1;
// Posted after a change of the cells, to tell a screen reader what it changed.
constexpr UINT kMsgAccessCheck = WM_APP + 4;
// Posted by the Start menu's reader with a catalogue of its programs.
constexpr UINT kMsgProgramsRead = WM_APP + 5;

}  // namespace

MainWindow::~MainWindow() {
  if (app_.platform.programReader == &programs_) app_.platform.programReader = nullptr;
  RevokeDropTarget();
  ForgetAccess();
  for (HICON icon : icons_) {
    if (icon) ::DestroyIcon(icon);
  }
  if (runBrush_) DeleteObject(runBrush_);
  if (storageBackground_) DeleteObject(storageBackground_);
}

void MainWindow::SetFaceResources(int imageList1First, int imageList2First) {
  imageList1First_ = imageList1First;
  imageList2First_ = imageList2First;
}

bool MainWindow::Create(HINSTANCE instance, int iconId) {
  instance_ = instance;
  cells_.SetFaceResources(instance, imageList1First_, imageList2First_);
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
  scale_ = DpiScale(WindowDpi(hwnd_));
  cells_.SetScale(scale_);
  run_.Attach(hwnd_, instance, shown_, cells_);
  run_.SetDpi(scale_.Dpi());
  run_.WatchEdits(app_);
  tips_.Attach(hwnd_, instance, cells_);
  tips_.SetDpi(scale_.Dpi());
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
  run_.Handle();
  // The window took the keyboard before the Run box was there; typing goes to the box.
  if (GetFocus() == hwnd_) {
    if (HWND to = FocusTarget()) SetFocus(to);
  }
  InvalidateCell({ControlKind::TitleBar, 1});  // its paint handler reaches the new Run box
  RegisterDropTarget();
  if (desktop_) desktop_->HearExplorerWhenElevated();
  if (watchPrograms_) programs_.Start(hwnd_, kMsgProgramsRead);
  if (!icons_[0]) LoadWindowIcons();
}

void MainWindow::LoadWindowIcons() {
  if (iconId_ <= 0 || !hwnd_) return;
  // The sizes of this monitor's big and small icons.
  const int dpi = scale_.Dpi();
  const int sizes[2][2] = {{MetricForDpi(SM_CXICON, dpi), MetricForDpi(SM_CYICON, dpi)},
                           {MetricForDpi(SM_CXSMICON, dpi), MetricForDpi(SM_CYSMICON, dpi)}};
  for (int k = 0; k < 2; ++k) {
    auto icon = static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(iconId_), IMAGE_ICON, sizes[k][0], sizes[k][1], 0));
    if (!icon) continue;  // the one it has stays
    SendMessageW(hwnd_, WM_SETICON, k == 0 ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    if (icons_[k]) ::DestroyIcon(icons_[k]);
    icons_[k] = icon;
  }
}

HWND MainWindow::ControlHandle(ControlId id) {
  if (id.kind == ControlKind::Run) return run_.Handle();
  if (id.kind == ControlKind::Storage) return GetDlgItem(hwnd_, kStorageControlId);
  return nullptr;
}

void MainWindow::PlaceStorageAgain() {
  if (storagePlaced_) Place({ControlKind::Storage, 0}, storageRect_);
  ApplyStorageLook();
}

void MainWindow::InvalidateCell(ControlId id) {
  const CellSurface* cell = cells_.Cell(id);
  // A hidden window is painted whole when it is shown.
  if (!cell || !hwnd_ || !shown_) return;
  const RECT rc = cell->ClientRect();
  InvalidateRect(hwnd_, &rc, FALSE);
}

void MainWindow::CellsChanged() {
  run_.CellsMoved();
  tips_.CellsMoved();
}

void MainWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  run_.PaintStandIn(dc);
  cells_.PaintOn(dc, ps.rcPaint);
  const RECT painted = ps.rcPaint;
  EndPaint(hwnd_, &ps);
  OnTitleCellsPainted(painted);
  if (!deferredMade_ && !deferredPosted_) {
    deferredPosted_ = PostMessageW(hwnd_, kMsgFinishStart, 0, 0) != FALSE;
  }
}

// The user changed the Run box's text (a change the program makes runs its handling itself).
void MainWindow::OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) == kRunControlId && HIWORD(wParam) == CBN_EDITCHANGE && !run_.SettingText()) {
    Run_Change(app_);
  }
}

LRESULT MainWindow::OnShelfNotify(const NMHDR& header) {
  if (header.code != LVN_ENDLABELEDITW) return 0;
  const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
  if (!info.item.pszText) return FALSE;  // the edit was cancelled
  return Storage_AfterLabelEdit(app_, Narrow(info.item.pszText)) ? TRUE : FALSE;
}

LRESULT MainWindow::OnGetObject(WPARAM wParam) {
  if (!access_) {
    // The object crosses to the reader's process through COM, which the drop target may not
    // have started yet.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(com) && com != RPC_E_CHANGED_MODE) return 0;
    access_ = new RowAccessible(*this, app_);
  }
  const LRESULT result = LresultFromObject(kIidAccessible, wParam, access_);
  return result < 0 ? 0 : result;
}

void MainWindow::AccessMayChange() {
  if (!access_ || accessCheckPosted_ || !hwnd_) return;
  accessCheckPosted_ = PostMessageW(hwnd_, kMsgAccessCheck, 0, 0) != FALSE;
}

void MainWindow::ForgetAccess() {
  if (!access_) return;
  access_->Detach();
  // Readers still holding it get an error from now on, not a window that is gone.
  CoDisconnectObject(access_, 0);
  access_->Release();
  access_ = nullptr;
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
  if (OnMouse(msg, wParam, lParam)) return 0;
  if (desktop_ && desktop_->Translate(app_, msg, wParam, lParam)) return 0;
  switch (msg) {
    case WM_COMMAND:
      OnCommand(wParam);
      break;
    case WM_CLOSE:
      // A close request from the system or the task bar: the normal, saving way out.
      UnloadAndEnd(app_);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Whatever lParam says (log-off, shut-down, a close for an installer's restart).
      EndSession(app_, wParam != FALSE);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted with the cells
    case WM_SHOWWINDOW:
      // Before the window appears: the Run box must already leave the cells out.
      if (wParam) run_.UpdateRegionIfStale();
      break;
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
      break;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (auto brush =
              OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return *brush;
      break;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom == kStorageControlId) return OnShelfNotify(header);
      break;
    }
    case kMsgFinishStart:
      MakeDeferredParts();
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(static_cast<DWORD>(lParam)) == OBJID_CLIENT) return OnGetObject(wParam);
      break;
    case kMsgAccessPress:
      PressCellMadeOn(app_, DecodeCell(wParam), static_cast<int32_t>(lParam));
      return 0;
    case kMsgAccessCheck:
      accessCheckPosted_ = false;
      if (access_) access_->Announce();
      return 0;
    case kMsgProgramsRead:
      if (auto catalogue = ProgramWatch::Take(lParam)) ProgramsRead(app_, std::move(*catalogue));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      }
      Activate(app_, LOWORD(wParam) != WA_INACTIVE);
      // An activation focuses the window itself, which hands the keyboard on (WM_SETFOCUS).
      break;
    case WM_SETFOCUS:
      if (HWND to = FocusTarget()) {
        SetFocus(to);
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != hwnd_) OnCaptureLost();
      return 0;
    case WM_DESTROY:
      if (desktop_) desktop_->Detach();
      RevokeDropTarget();
      ForgetAccess();
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace velmarin::win32
