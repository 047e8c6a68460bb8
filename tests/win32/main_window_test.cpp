// The real main window under wine: its cells, the Run box's list, placing rules and the icon
// library read through it.
#include "win32/main_window.h"

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h.
#include <imm.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "resource_ids.h"
#include "win32/wide.h"
#include "win32/win32_system.h"
#include "win32/win32_text.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {
namespace {

std::string LibraryNextToThisProgram() {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return Narrow(path.substr(0, path.find_last_of(L'\\')) + L"\\velmarin.icl");
}

struct Window {
  App app;
  MainWindow window{app};
  Win32System system{window};
  Window() {
    app.platform.controls = &window;
    app.platform.system = &system;
  }
  ~Window() {
    if (window.Handle()) DestroyWindow(window.Handle());
    // The main window ends the message loop when it goes; later tests run modal loops of their
    // own, which that quit message would end at once.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

TEST(MainWindow, CellsRunBoxAndPlacing) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  HWND main = w.window.Handle();
  EXPECT_FALSE(IsWindowVisible(main)) << "made hidden; start-up shows it";
  EXPECT_EQ(GetWindowLongW(main, GWL_STYLE) & WS_CAPTION, WS_BORDER) << "a frame, no caption";
  EXPECT_EQ(w.system.OuterWidth() - w.system.ClientWidth(), 2) << "a one-pixel frame";
  for (ControlId id : {ControlId{ControlKind::TitleBar, 1}, ControlId{ControlKind::TitleBar, 6},
                       ControlId{ControlKind::StorageOpen, 0}, ControlId{ControlKind::TClose, 0},
                       ControlId{ControlKind::Picture1, 11}}) {
    EXPECT_NE(w.window.Cell(id), nullptr);
  }
  EXPECT_EQ(w.window.Cell({ControlKind::Picture1, 12}), nullptr);
  EXPECT_EQ(w.window.Cell({ControlKind::Run, 0}), nullptr);
  EXPECT_NE(w.window.ControlHandle({ControlKind::Run, 0}), nullptr);

  const ControlId title{ControlKind::TitleBar, 1};
  w.window.Place(title, {75, 0, 183, 17});
  // A size the layout cannot give leaves the cell as small as a cell never sized, at its place:
  // the old size would cover the cells beside it.
  w.window.Place(title, {20, 0, -50, 17});
  RECT rc{};
  ASSERT_TRUE(w.window.ScreenRect(title, rc));
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(rc.left, 20);
  EXPECT_EQ(rc.right - rc.left, 1);

  // Which cells take dropped files, for the window's drop target.
  const ControlId mode{ControlKind::DDExecute, 0};
  const ControlId toggle{ControlKind::StorageOpen, 0};
  w.window.AcceptDrops(mode, true);
  w.window.AcceptDrops(toggle, true);
  w.window.AcceptDrops(mode, false);
  EXPECT_TRUE(w.window.Cell(toggle)->AcceptsDrops());
  EXPECT_FALSE(w.window.Cell(mode)->AcceptsDrops());
  w.window.AcceptDrops(toggle, false);
  EXPECT_FALSE(w.window.Cell(toggle)->AcceptsDrops());

  IRunList& list = w.window.RunList();
  list.Add("メモ帳");
  list.Add("コマンド");
  EXPECT_EQ(list.Count(), 2);
  list.RemoveAt(5);  // outside: nothing
  list.RemoveAt(0);
  ASSERT_EQ(list.Count(), 1);
  wchar_t first[32] = {};
  SendMessageW(w.window.RunBox(), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  EXPECT_EQ(Narrow(first), "コマンド") << "kept in the order added";
}

TEST(MainWindow, IconLibraryAndMissingFiles) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  const std::string library = LibraryNextToThisProgram();
  for (int index : {0, 10, 13}) {
    const ExtractedIcon found = w.window.ExtractFileIcon(library, index);
    EXPECT_EQ(found.result, IconLookup::Icon) << "library icon " << index;
    EXPECT_NE(found.icon, 0u);
    w.window.DrawIcon({ControlKind::TClose, 0}, 1, 1, found.icon);
    w.window.DestroyIcon(found.icon);
  }
  // Library icons are made once and kept: painting may destroy what it was given.
  const IconHandle again = w.window.ExtractFileIcon(library, 10).icon;
  w.window.DestroyIcon(again);
  EXPECT_EQ(w.window.ExtractFileIcon(library, 10).icon, again);
  EXPECT_EQ(w.window.ExtractFileIcon(library, 99).result, IconLookup::NotFound) << "past the last";
  // A missing file is told from a file without the icon.
  EXPECT_EQ(w.window.ExtractFileIcon("C:\\no such folder\\gone.exe", 0).result,
            IconLookup::NoSuchFile);
  // A drive root is there, whatever the shell says of it.
  const ExtractedIcon root = w.window.ExtractFileIcon("C:\\", 0);
  EXPECT_NE(root.result, IconLookup::NoSuchFile);
  if (root.result == IconLookup::Icon) w.window.DestroyIcon(root.icon);
}

// A 37 x 37 button-face square as a cell's surface starts, with a library icon drawn by the
// system at (2, 1).
std::vector<COLORREF> DrawnBySystem(const std::string& library, int index) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), 37, -37, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 37, 37};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  HICON icon = nullptr;
  UINT id = 0;
  PrivateExtractIconsW(Widen(library).c_str(), index, GetSystemMetrics(SM_CXICON),
                       GetSystemMetrics(SM_CYICON), &icon, &id, 1, LR_DEFAULTCOLOR);
  DrawIcon(dc, 2, 1, icon);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < 37; ++y) {
    for (int x = 0; x < 37; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  DestroyIcon(icon);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

TEST(MainWindow, LibraryIconsLookAsTheSystemDrawsThem) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  const std::string library = LibraryNextToThisProgram();
  const ControlId cell{ControlKind::Picture1, 0};
  w.window.Place(cell, {0, 17, 37, 37});
  for (int index = 0; index < 14; ++index) {
    w.window.SetFace(cell, FaceList::ImageList1, 1);  // no pictures here: a plain raised face
    RECT all{0, 0, 37, 37};
    HDC surface = w.window.Cell(cell)->Surface();
    FillRect(surface, &all, GetSysColorBrush(COLOR_BTNFACE));
    const IconHandle icon = w.window.ExtractFileIcon(library, index).icon;
    ASSERT_GT(icon, 1u) << index;
    w.window.DrawIcon(cell, 2, 1, icon);
    const std::vector<COLORREF> want = DrawnBySystem(library, index);
    int differing = 0;
    for (int y = 0; y < 37; ++y) {
      for (int x = 0; x < 37; ++x) {
        if (GetPixel(surface, x, y) != want[static_cast<size_t>(y * 37 + x)]) ++differing;
      }
    }
    EXPECT_EQ(differing, 0) << "icon " << index;
  }
}

TEST(MainWindow, CellsUnderTheMouseAndOverTheRunBox) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  const ControlId close{ControlKind::TClose, 0};
  const ControlId cell0{ControlKind::Picture1, 0};
  const ControlId cell3{ControlKind::Picture1, 3};
  const ControlId run{ControlKind::Run, 0};
  w.window.Place(close, {428, 0, 17, 17});
  w.window.Place(cell0, {0, 17, 37, 37});
  w.window.Place(cell3, {111, 17, 37, 37});
  w.window.Place(run, {100, -1, 113, 21});
  EXPECT_EQ(w.window.CellAt(436, 8), close);
  EXPECT_EQ(w.window.CellAt(444, 16), close) << "last pixel";
  EXPECT_EQ(w.window.CellAt(445, 8), std::nullopt) << "just right of it";
  EXPECT_EQ(w.window.CellAt(0, 17), cell0);
  w.window.SetVisible(cell0, false);
  EXPECT_EQ(w.window.CellAt(0, 17), std::nullopt) << "a hidden cell takes no mouse";
  // An earlier cell lies over a later one where they overlap.
  w.window.Place({ControlKind::TitleBar, 2}, {420, 10, 20, 20});
  EXPECT_EQ(w.window.CellAt(430, 12), (ControlId{ControlKind::TitleBar, 2}));

  // Shown, the Run box leaves out the cell it overlaps, and only that.
  ShowWindow(w.window.Handle(), SW_SHOWNA);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w.window.RunBox(), region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 5, 5)) << "the box's own text field";
  EXPECT_FALSE(PtInRegion(region, 111 - 100 + 2, 17 + 1 + 1)) << "cell 3's top-left corner";
  EXPECT_TRUE(PtInRegion(region, 111 - 100 + 2, 17)) << "the row above the cell";
  // Moved away, the box is whole again.
  w.window.Place(cell3, {300, 17, 37, 37});
  EXPECT_EQ(GetWindowRgn(w.window.RunBox(), region), ERROR);
  DeleteObject(region);

  // A press on the close cell reaches its handler, which paints it pushed; the release is for
  // the same cell wherever it happens, and the capture ends.
  SendMessageW(w.window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(436, 8));
  EXPECT_EQ(w.app.form.pushButtons[kTCloseIndex].Value(), 1);
  EXPECT_EQ(GetCapture(), w.window.Handle());
  ReleaseCapture();
  SendMessageW(w.window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 30));
  EXPECT_EQ(GetCapture(), nullptr) << "no cell there, nothing captured";
}

RECT WindowRect(HWND window) {
  RECT rc{};
  GetWindowRect(window, &rc);
  return rc;
}

TEST(MainWindow, MovesOfTheHiddenWindowGoWithItsShowing) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  HWND main = w.window.Handle();
  const RECT made = WindowRect(main);
  // Start-up moves the hidden window with the shelf open, then closed: only the last one counts,
  // and it is made when the window shows.
  w.system.MoveMainWindow({30, 40, 300, 160});
  w.system.MoveMainWindow({50, 60, 449, 59});
  const RECT waiting = WindowRect(main);
  EXPECT_TRUE(EqualRect(&made, &waiting)) << "still waiting";
  w.system.ShowMainWindow(true);
  RECT rc = WindowRect(main);
  EXPECT_EQ(rc.left, 50);
  EXPECT_EQ(rc.top, 60);
  EXPECT_EQ(rc.right - rc.left, 449);
  EXPECT_EQ(rc.bottom - rc.top, 59);
  // Shown, a move is made at once.
  w.system.MoveMainWindow({70, 80, 449, 100});
  rc = WindowRect(main);
  EXPECT_EQ(rc.left, 70);
  EXPECT_EQ(rc.bottom - rc.top, 100);

  // Hidden again: whoever asks for the window's size or a cell's place gets the waiting move.
  w.system.ShowMainWindow(false);
  w.system.MoveMainWindow({10, 20, 500, 70});
  EXPECT_EQ(w.system.OuterWidth(), 500);
  w.system.MoveMainWindow({15, 25, 500, 70});
  w.window.Place({ControlKind::TClose, 0}, {428, 0, 17, 17});
  ASSERT_TRUE(w.window.ScreenRect({ControlKind::TClose, 0}, rc));
  EXPECT_EQ(rc.left, 15 + 1 + 428) << "window, frame, cell";

  // A placing call of someone else's on the hidden window: the waiting move came first, so what
  // the call leaves alone (here the size) is what the move made.
  w.system.MoveMainWindow({10, 20, 420, 90});
  SetWindowPos(main, nullptr, 5, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  rc = WindowRect(main);
  EXPECT_EQ(rc.left, 5);
  EXPECT_EQ(rc.right - rc.left, 420);
  EXPECT_EQ(rc.bottom - rc.top, 90);
}

// Moved onto a monitor of twice the DPI, the window takes the rectangle the system suggests and
// lays itself out again at twice the size; the position it keeps in twips is where it went, at
// the system's DPI (96 here), not the monitor's.
TEST(MainWindow, ADpiChangeMovesToTheSuggestedPlaceAndDoublesTheLayout) {
  Window w;
  w.app.model.settings.MaxButton = 10;
  ClampLimits(w.app.model);
  w.app.form.BorderWidth = 1;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  ASSERT_EQ(w.window.Scale().Dpi(), 96) << "the test displays are 96 DPI";
  w.system.ShowMainWindow(true);
  RECT suggested{300, 200, 300 + 892, 200 + 112};
  SendMessageW(w.window.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(w.window.Scale().Dpi(), 192);
  const RECT rc = WindowRect(w.window.Handle());
  EXPECT_EQ(rc.left, 300);
  EXPECT_EQ(rc.top, 200);
  EXPECT_EQ(rc.right - rc.left, 892) << "445 client pixels doubled, and the frame";
  EXPECT_EQ(rc.bottom - rc.top, 112) << "the shelf closed: 55 doubled, and the frame";
  EXPECT_EQ(w.app.model.WindowLeft, 300 * 15) << "twips: the screen pixels at 96 DPI";
  EXPECT_EQ(w.app.model.WindowTop, 200 * 15);
  RECT close{};
  ASSERT_TRUE(w.window.ScreenRect({ControlKind::TClose, 0}, close));
  EXPECT_EQ(close.left, 300 + 1 + 2 * 428);
  EXPECT_EQ(close.right - close.left, 34);
  // The app logic still hears of its own pixels: a click in the middle of the doubled close
  // cell is at (8, 8) of the cell.
  EXPECT_EQ(w.window.CellAt(2 * 428 + 16, 16), (ControlId{ControlKind::TClose, 0}));
  EXPECT_EQ(w.window.Bounds({ControlKind::TClose, 0}), (PixelRect{428, 0, 17, 17}));
  int x = 0, y = 0;
  SetCursorPos(300 + 1 + 2 * 428 + 16, 200 + 1 + 16);
  ASSERT_TRUE(w.system.CursorClientPosition(x, y));
  EXPECT_EQ(x, 428 + 8);
  EXPECT_EQ(y, 8);
}

// The program moves the window onto a monitor of another DPI (a kept place at start, a drag of
// the title strip): the window stays at the corner the program gave, whatever corner the system
// suggests, so a kept place comes back to the pixel. Wine's monitors are all of one DPI: the
// change is sent the way Windows sends it, from inside the move.
HWND g_dpiWindow = nullptr;
RECT g_dpiSuggested{};
LRESULT CALLBACK SendDpiChangeAfterMove(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && g_dpiWindow && message->hwnd == g_dpiWindow &&
      message->message == WM_WINDOWPOSCHANGED) {
    HWND window = g_dpiWindow;
    g_dpiWindow = nullptr;  // once
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192),
                 reinterpret_cast<LPARAM>(&g_dpiSuggested));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(MainWindow, AMoveOfTheProgramsOwnKeepsItsCornerOnAMonitorOfAnotherDpi) {
  // A drag of the title strip moves the shown window; at start the kept place goes with showing.
  for (const bool atStart : {false, true}) {
    SCOPED_TRACE(atStart ? "a kept place shown at start" : "a drag of the title strip");
    Window w;
    w.app.model.settings.MaxButton = 10;
    ClampLimits(w.app.model);
    w.app.form.BorderWidth = 1;
    ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
    if (!atStart) w.system.ShowMainWindow(true);
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &SendDpiChangeAfterMove, nullptr,
                                   GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    g_dpiSuggested = RECT{1000, 10, 1000 + 892, 10 + 112};
    g_dpiWindow = w.window.Handle();
    if (atStart) {
      w.system.MoveMainWindow({700, 450, 447, 57});
      w.system.ShowMainWindow(true);
    } else {
      w.system.MoveMainWindowTo(700, 450);
    }
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_dpiWindow, nullptr) << "the change came";
    g_dpiWindow = nullptr;
    EXPECT_EQ(w.window.Scale().Dpi(), 192);
    const RECT rc = WindowRect(w.window.Handle());
    EXPECT_EQ(rc.left, 700);
    EXPECT_EQ(rc.top, 450);
    EXPECT_EQ(rc.right - rc.left, 892) << "the size for the new monitor";
    EXPECT_EQ(w.app.model.WindowLeft, 700 * 15);
    EXPECT_EQ(w.app.model.WindowTop, 450 * 15);
  }
}

int FontHeight(HWND window) {
  LOGFONTW seen{};
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font && GetObjectW(font, sizeof(seen), &seen) ? std::abs(seen.lfHeight) : 0;
}

TEST(MainWindow, AChangeOfDpiReachesTheShelfAndTheCellsToolTips) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  HWND main = w.window.Handle();
  Win32ShelfList list(main, kStorageControlId,
                      ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 0));
  std::vector<int> asked;
  w.window.AttachShelfList(list, [&asked](int size) {
    asked.push_back(size);
    return ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 6, 0);
  });
  w.window.SetToolTip({ControlKind::Picture1, 1}, "メモ帳");
  SendMessageW(main, WM_MOUSEMOVE, 0, MAKELPARAM(300, 40));
  HWND tips = w.window.ToolTips();
  ASSERT_NE(tips, nullptr);
  HFONT status = ControlFontForDpi(ControlFont::Status, SystemDpi());
  LOGFONTW atSystem{};
  GetObjectW(status, sizeof(atSystem), &atSystem);
  DeleteObject(status);

  const int dpi = SystemDpi() * 2;
  RECT suggested = WindowRect(main);
  SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(asked, std::vector<int>{32}) << "the shelf's icons made at the new size, once";
  EXPECT_NE(SendMessageW(list.Handle(), WM_GETFONT, 0, 0), 0) << "and its font";
  EXPECT_NEAR(FontHeight(tips), std::abs(atSystem.lfHeight) * 2, 1) << "the cells' tips grow";
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(MainWindow, RunBoxAndIconWaitForTheFirstPaint) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr), IDI_VELMARIN));
  HWND main = w.window.Handle();
  const ControlId run{ControlKind::Run, 0};
  // What start-up does to the box before it exists is kept for it.
  w.window.Place(run, {150, -1, 113, 21});
  w.window.AcceptDrops(run, true);
  EXPECT_EQ(w.window.RunList().Count(), 0) << "an empty list, and the box still not made";
  EXPECT_FALSE(w.window.HasRunBox());
  EXPECT_EQ(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);

  ShowWindow(main, SW_SHOWNA);
  UpdateWindow(main);  // the first paint draws the box's stand-in
  EXPECT_FALSE(w.window.HasRunBox()) << "made only after the paint";
  PumpMessages();
  ASSERT_TRUE(w.window.HasRunBox());
  HWND box = w.window.RunBox();
  EXPECT_EQ(GetParent(box), main);
  EXPECT_TRUE(IsWindowVisible(box));
  EXPECT_EQ(GetWindowLongW(box, GWL_STYLE) & 3, CBS_DROPDOWN);
  RECT rc{};
  GetWindowRect(box, &rc);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(rc.left, 150);
  EXPECT_EQ(rc.top, -1);
  EXPECT_EQ(rc.right - rc.left, 113);
  EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_SMALL, 0), 0);
  // Placed again, the real box moves.
  w.window.Place(run, {40, -1, 113, 21});
  GetWindowRect(box, &rc);
  MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(rc.left, 40);
}

TEST(MainWindow, RunBoxMadeWhenNeededBeforeThePaint) {
  {
    // Hidden after start-up: no paint comes, so the box is made at once.
    Window w;
    ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
    w.window.SetVisible({ControlKind::Run, 0}, false);
    w.window.FinishStart();
    ASSERT_TRUE(w.window.HasRunBox());
    EXPECT_FALSE(GetWindowLongW(w.window.RunBox(), GWL_STYLE) & WS_VISIBLE) << "kept hidden";
  }
  {
    // The list is filled before the paint: the box is made for it and keeps what was added.
    Window w;
    ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
    w.window.RunList().Add("メモ帳");
    ASSERT_TRUE(w.window.HasRunBox());
    EXPECT_EQ(w.window.RunList().Count(), 1);
    ShowWindow(w.window.Handle(), SW_SHOWNA);
    UpdateWindow(w.window.Handle());
    PumpMessages();
    EXPECT_EQ(w.window.RunList().Count(), 1) << "not made a second time";
  }
}

// A composition through the system's input context, as an input method makes it: the field
// shows what is being composed and tells of each change, but nothing completes, fills or opens
// the list until it is written.
TEST(MainWindow, TheRunBoxLeavesAnInputMethodsCompositionAlone) {
  Window w;
  Win32Text text;
  w.app.platform.text = &text;
  w.app.platform.runList = &w.window.RunList();
  w.app.model.PageCount = 1;
  w.app.model.settings.MaxButton = 10;
  w.app.model.settings.options.RunAutoDropDown = true;
  ClampLimits(w.app.model);
  w.app.model.Pages[0].Buttons[0].ToolTip = "メモ帳";
  w.app.model.Pages[0].Buttons[0].Path = "C:\\a\\notepad.exe";
  w.app.model.Pages[0].Buttons[1].ToolTip = "メモリ";
  w.app.model.Pages[0].Buttons[1].Path = "C:\\a\\memory.exe";
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  w.window.Place({ControlKind::Run, 0}, {150, -1, 113, 21});
  ShowWindow(w.window.Handle(), SW_SHOW);
  SetForegroundWindow(w.window.Handle());
  PumpMessages();
  HWND box = w.window.RunBox();
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(box, &info) && info.hwndItem);
  SetFocus(info.hwndItem);
  HIMC context = ImmGetContext(info.hwndItem);
  ASSERT_NE(context, nullptr);
  ASSERT_TRUE(ImmSetOpenStatus(context, TRUE));
  IRunList& list = w.window.RunList();
  const auto compose = [&](std::wstring composing) {
    ASSERT_TRUE(ImmSetCompositionStringW(context, SCS_SETSTR, composing.data(),
                                         static_cast<DWORD>(composing.size() * sizeof(wchar_t)),
                                         nullptr, 0));
    PumpMessages();
  };
  const auto commit = [&] {
    ASSERT_TRUE(ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0));
    PumpMessages();
  };
  const auto selected = [&] {
    int start = 0, length = 0;
    list.GetSelection(start, length);
    return std::pair{start, length};
  };
  const auto droppedDown = [&] { return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) != 0; };

  compose(L"メモ");
  EXPECT_EQ(list.Text(), "メモ") << "only what is composed";
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(droppedDown());
  commit();
  EXPECT_EQ(list.Text(), "メモ帳") << "written, it completes as typed text does";
  EXPECT_EQ(selected(), std::pair(2, 1));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_TRUE(droppedDown());

  // The list closed, a composition over the completed tail leaves it closed and its entries as
  // they were.
  SendMessageW(box, CB_SHOWDROPDOWN, FALSE, 0);
  compose(L"リ");
  EXPECT_EQ(list.Text(), "メモリ") << "in place of the completed tail";
  EXPECT_FALSE(droppedDown());
  EXPECT_EQ(list.Count(), 2);
  commit();
  // The written text comes after the composition's end; it is not typed over a list opened
  // before it came (which selects the whole field), and Enter's launch (which empties the box)
  // did not run.
  EXPECT_EQ(list.Text(), "メモリ");
  EXPECT_EQ(list.Count(), 1);
  ImmReleaseContext(info.hwndItem, context);
}

}  // namespace
}  // namespace velmarin::win32
