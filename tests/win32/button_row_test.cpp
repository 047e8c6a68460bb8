// The button row's cells on the real window under wine: tool tips over the cells, fallback texts
// that stay when the window is covered, and the icons kept for a page seen again.
#include <gtest/gtest.h>
#include <windows.h>
// the common controls need windows.h first
#include <commctrl.h>

#include <string>

#include "win32/icon_cache.h"
#include "win32/main_window.h"
#include "win32/wide.h"

namespace velmarin::win32 {
namespace {

struct Window {
  App app;
  MainWindow window{app};
  Window() { app.platform.controls = &window; }
  ~Window() {
    if (window.Handle()) DestroyWindow(window.Handle());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

struct Tool {
  RECT rect{};
  std::string text;
};

Tool ToolAt(HWND tips, int k) {
  wchar_t text[80] = {};
  TOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.lpszText = text;
  Tool tool;
  if (SendMessageW(tips, TTM_ENUMTOOLSW, k, reinterpret_cast<LPARAM>(&info))) {
    tool.rect = info.rect;
    tool.text = Narrow(text);
  }
  return tool;
}

TEST(ButtonRow, ToolTipsFollowTheCells) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  const ControlId cell1{ControlKind::Picture1, 1};
  w.window.Place(cell1, {37, 17, 37, 37});
  EXPECT_EQ(w.window.ToolTips(), nullptr) << "no tool-tip control before a text is set";

  w.window.SetToolTip(cell1, "メモ帳");
  w.window.SetToolTip({ControlKind::Picture1, 2}, "コマンド");
  EXPECT_EQ(w.window.ToolTips(), nullptr) << "the control waits for the mouse";
  SendMessageW(w.window.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 40));
  HWND tips = w.window.ToolTips();
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(GetWindow(tips, GW_OWNER), w.window.Handle());
  ASSERT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
  Tool tool = ToolAt(tips, 0);
  EXPECT_EQ(tool.text, "メモ帳");
  EXPECT_EQ(tool.rect.left, 37);
  EXPECT_EQ(tool.rect.top, 17);
  EXPECT_EQ(tool.rect.right, 74);
  EXPECT_EQ(tool.rect.bottom, 54);

  // A new text replaces the old one in the same tool; a move takes the tool along.
  w.window.SetToolTip(cell1, "エディタ");
  w.window.Place(cell1, {74, 17, 37, 37});
  EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
  tool = ToolAt(tips, 0);
  EXPECT_EQ(tool.text, "エディタ");
  EXPECT_EQ(tool.rect.left, 74);
  // A hidden cell's tool points at nothing.
  w.window.SetVisible(cell1, false);
  tool = ToolAt(tips, 0);
  EXPECT_TRUE(IsRectEmpty(&tool.rect));
  // The Run box and the shelf are no cells: nothing is added for them.
  w.window.SetToolTip({ControlKind::Run, 0}, "x");
  EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
}

// Pixels of the window's cell 0 that are not the button face, read from the screen, leaving a
// margin of the cell's edge out.
int InkInCell(HWND window, int margin = 3) {
  HDC screen = GetDC(window);
  int ink = 0;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (int y = 17 + margin; y < 17 + 37 - margin; ++y) {
    for (int x = margin; x < 37 - margin; ++x) {
      const COLORREF c = GetPixel(screen, x, y);
      if (c != face && c != CLR_INVALID) ++ink;
    }
  }
  ReleaseDC(window, screen);
  return ink;
}

TEST(ButtonRow, FallbackTextStaysWhenTheWindowIsCoveredAndUncovered) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  HWND main = w.window.Handle();
  SetWindowPos(main, HWND_TOPMOST, 40, 40, 447, 57, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  const ControlId cell{ControlKind::Picture1, 0};
  w.window.Place(cell, {0, 17, 37, 37});
  w.window.SetFace(cell, FaceList::ImageList1, 1);
  UpdateWindow(main);
  PumpMessages();
  const int plain = InkInCell(main);

  w.window.PrintText(cell, "FILE\r\nNOT\r\nFOUND");
  w.window.Refresh(cell);
  UpdateWindow(main);
  PumpMessages();
  const int printed = InkInCell(main);
  EXPECT_GT(printed, plain + 20) << "the text is on the cell";

  // Another window over it, then gone: the window paints the cell again from its surface.
  HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 30, 30, 200,
                               100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(cover, nullptr);
  UpdateWindow(cover);
  PumpMessages();
  DestroyWindow(cover);
  InvalidateRect(main, nullptr, FALSE);  // whatever the display kept, the window repaints
  UpdateWindow(main);
  PumpMessages();
  EXPECT_EQ(InkInCell(main), printed) << "the text survives, like the icons";

  // The next face wipes it, as a repaint of the button does.
  w.window.SetFace(cell, FaceList::ImageList1, 1);
  w.window.Refresh(cell);
  UpdateWindow(main);
  PumpMessages();
  EXPECT_EQ(InkInCell(main), plain);
}

TEST(ButtonRow, ThirdLineOfTheFallbackTextFitsInsideTheCell) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  HWND main = w.window.Handle();
  SetWindowPos(main, HWND_TOPMOST, 40, 40, 447, 57, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  const ControlId cell{ControlKind::Picture1, 0};
  w.window.Place(cell, {0, 17, 37, 37});
  // The word on the first line, then on the third: as much of it shows both times.
  auto inkOf = [&](const std::string& text) {
    w.window.SetFace(cell, FaceList::ImageList1, 1);
    w.window.PrintText(cell, text);
    w.window.Refresh(cell);
    UpdateWindow(main);
    PumpMessages();
    return InkInCell(main, 2);
  };
  const int blank = inkOf("");
  const int first = inkOf("FOUND");
  const int third = inkOf("\r\n\r\nFOUND");
  EXPECT_GT(first, blank + 10) << "the word is on the cell";
  EXPECT_EQ(third, first) << "the third line is cut by the cell's bottom edge";
}

std::string Notepad() {
  wchar_t folder[MAX_PATH] = {};
  GetWindowsDirectoryW(folder, MAX_PATH);
  return Narrow(folder) + "\\notepad.exe";
}

TEST(ButtonRow, FileIconsAreKeptForTheNextPainting) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  const std::string notepad = Notepad();
  const ExtractedIcon first = w.window.ExtractFileIcon(notepad, 0);
  ASSERT_EQ(first.result, IconLookup::Icon);
  w.window.DrawIcon({ControlKind::Picture1, 0}, 2, 2, first.icon);
  w.window.DestroyIcon(first.icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(first.icon), &info)) << "kept, not destroyed";
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  // The same file in another letter case is the same icon, not extracted again.
  std::string upper = notepad;
  CharUpperA(upper.data());
  EXPECT_EQ(w.window.ExtractFileIcon(upper, 0).icon, first.icon);
}

TEST(ButtonRow, FoldersAndFilesWithoutIconsGetTheShellsIcon) {
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  wchar_t folder[MAX_PATH] = {};
  GetWindowsDirectoryW(folder, MAX_PATH);
  const std::string windows = Narrow(folder);
  // A folder holds no icons of its own; the shell shows its folder picture for it, the same for
  // every plain folder.
  EXPECT_EQ(w.window.ExtractFileIcon(windows, 0).result, IconLookup::NotFound);
  const ExtractedIcon shown = w.window.ShellIcon(windows);
  ASSERT_EQ(shown.result, IconLookup::Icon);
  const ExtractedIcon other = w.window.ShellIcon(windows + "\\system32");
  ASSERT_EQ(other.result, IconLookup::Icon);
  ICONINFO one{}, two{};
  ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(shown.icon), &one));
  ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(other.icon), &two));
  BITMAP a{}, b{};
  GetObjectW(one.hbmColor, sizeof(a), &a);
  GetObjectW(two.hbmColor, sizeof(b), &b);
  EXPECT_EQ(a.bmWidth, GetSystemMetrics(SM_CXICON)) << "full size, as a cell draws it";
  EXPECT_EQ(a.bmWidth, b.bmWidth);
  for (HBITMAP bitmap : {one.hbmColor, one.hbmMask, two.hbmColor, two.hbmMask}) {
    DeleteObject(bitmap);
  }
  // A document gets its association's picture; a path that is gone gets nothing.
  EXPECT_EQ(w.window.ShellIcon(windows + "\\win.ini").result, IconLookup::Icon);
  EXPECT_EQ(w.window.ShellIcon("C:\\velmarin-gone\\nothing.exe").result, IconLookup::NotFound);
  EXPECT_EQ(w.window.ShellIcon("").result, IconLookup::NotFound);
  // A program's own icon still comes first, before the shell is asked; asked for an icon it
  // does not have, the shell shows its first one.
  EXPECT_EQ(w.window.ExtractFileIcon(Notepad(), 0).result, IconLookup::Icon);
  EXPECT_EQ(w.window.ExtractFileIcon(Notepad(), 500).result, IconLookup::NotFound);
  EXPECT_EQ(w.window.ShellIcon(Notepad()).result, IconLookup::Icon);
  for (const ExtractedIcon& icon : {shown, other}) w.window.DestroyIcon(icon.icon);
}

TEST(ButtonRow, IconCacheLetsTheOldestGo) {
  IconCache cache(2);
  HICON icons[3];
  for (HICON& icon : icons) icon = CopyIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(32512)));
  cache.Keep(L"C:\\a.exe", 0, icons[0]);
  cache.Keep(L"C:\\b.exe", 0, icons[1]);
  EXPECT_EQ(cache.Find(L"c:\\A.EXE", 0), icons[0]);  // a is now the most recent
  EXPECT_EQ(cache.Find(L"C:\\a.exe", 1), nullptr) << "another index";
  cache.Keep(L"C:\\c.exe", 0, icons[2]);
  EXPECT_EQ(cache.Size(), 2u);
  EXPECT_EQ(cache.Find(L"C:\\b.exe", 0), nullptr) << "the least recently used went";
  EXPECT_FALSE(cache.IsKept(icons[1]));
  EXPECT_TRUE(cache.IsKept(icons[0]));
  EXPECT_TRUE(cache.IsKept(icons[2]));
}

}  // namespace
}  // namespace velmarin::win32
