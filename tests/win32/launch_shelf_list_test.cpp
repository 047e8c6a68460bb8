// The shelf's list view in a hidden window under wine.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdlib>

#include "win32/shelf_list_view.h"
#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {
namespace {

// A hidden top-level window to hold the list.
struct HiddenParent {
  HWND window = CreateWindowExW(0, L"STATIC", L"shelf", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ~HiddenParent() { DestroyWindow(window); }
};

TEST(ShelfListView, KeysTextsIconsAndDuplicates) {
  HiddenParent parent;
  ASSERT_NE(parent.window, nullptr);
  HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 6, 0);
  Win32ShelfList shelf(parent.window, 101, icons);
  ASSERT_NE(shelf.Handle(), nullptr);
  EXPECT_EQ(GetDlgCtrlID(shelf.Handle()), 101);
  EXPECT_EQ(GetWindowLongW(shelf.Handle(), GWL_STYLE) & LVS_TYPEMASK, LVS_LIST);

  EXPECT_EQ(shelf.Add("C:\\Tools\\エディタ.exe", "エディタ.exe"), ShelfAddResult::Added);
  EXPECT_EQ(shelf.Add(",BEEP", ",BEEP"), ShelfAddResult::Added);
  EXPECT_EQ(shelf.Add("c:\\tools\\エディタ.EXE", "x"), ShelfAddResult::DuplicateKey);
  ASSERT_EQ(shelf.Count(), 2);
  EXPECT_EQ(shelf.Key(0), "C:\\Tools\\エディタ.exe");
  EXPECT_EQ(shelf.Text(0), "エディタ.exe");
  EXPECT_EQ(shelf.Key(1), ",BEEP");
  EXPECT_EQ(shelf.Key(2), "");

  EXPECT_EQ(shelf.SmallIcon(0), 0) << "no icon until one is given";
  shelf.SetSmallIcon(0, 3);
  shelf.SetSmallIcon(1, 6);
  EXPECT_EQ(shelf.SmallIcon(0), 3);
  EXPECT_EQ(shelf.SmallIcon(1), 6);
  shelf.SetSmallIcon(1, 0);
  EXPECT_EQ(shelf.SmallIcon(1), 0);

  const std::string longText(1000, 'n');
  shelf.SetText(1, longText);
  EXPECT_EQ(shelf.Text(1), longText);

  shelf.RemoveAt(0);
  ASSERT_EQ(shelf.Count(), 1);
  EXPECT_EQ(shelf.Key(0), ",BEEP");
  EXPECT_EQ(shelf.Add("C:\\Tools\\エディタ.exe", "again"), ShelfAddResult::Added)
      << "a removed key may come back";
  shelf.RemoveAt(5);  // outside the list: nothing
  EXPECT_EQ(shelf.Count(), 2);
  ImageList_Destroy(icons);
}

int PictureOf(const Win32ShelfList& shelf, int index) {
  LVITEMW item = {};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  SendMessageW(shelf.Handle(), LVM_GETITEMW, 0, (LPARAM)&item);
  return item.iImage;
}

HIMAGELIST KindIcons(int size) {
  HIMAGELIST icons = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 6, 0);
  HICON blank = LoadIconW(nullptr, IDI_APPLICATION);
  for (int i = 0; i < 6; ++i) ImageList_ReplaceIcon(icons, -1, blank);
  return icons;
}

TEST(ShelfListView, FilesShowTheShellsOwnIconsAndKeepTheirKind) {
  HiddenParent parent;
  HIMAGELIST icons = KindIcons(16);
  Win32ShelfList shelf(parent.window, 101, icons);
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::string folder = Narrow(windows);
  const struct {
    std::string key;
    int kind;
  } entries[] = {{folder, 2},
                 {folder + "\\notepad.exe", 3},
                 {folder + "\\win.ini", 1},
                 {folder + "\\system32", 2},
                 {"C:\\velmarin-gone\\x.exe", 3},
                 {",BEEP", 6}};
  for (int i = 0; i < 6; ++i) {
    ASSERT_EQ(shelf.Add(entries[i].key, entries[i].key), ShelfAddResult::Added);
    shelf.SetSmallIcon(i, entries[i].kind);
    EXPECT_EQ(shelf.SmallIcon(i), entries[i].kind) << entries[i].key;
  }
  // The folder, the program and the document each show a picture of the shell's, all three
  // different; a second folder shares the first one's.
  EXPECT_GE(PictureOf(shelf, 0), 6);
  EXPECT_GE(PictureOf(shelf, 1), 6);
  EXPECT_GE(PictureOf(shelf, 2), 6);
  EXPECT_NE(PictureOf(shelf, 0), PictureOf(shelf, 1));
  EXPECT_NE(PictureOf(shelf, 1), PictureOf(shelf, 2));
  EXPECT_EQ(PictureOf(shelf, 3), PictureOf(shelf, 0));
  // A path that is gone shows its kind's picture, an internal name its own.
  EXPECT_EQ(PictureOf(shelf, 4), 2);
  EXPECT_EQ(PictureOf(shelf, 5), 5);
  ImageList_Destroy(icons);
}

// The height of the font a window draws with (its own default when none was given).
int FontHeight(HWND window, ControlFont kind) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  LOGFONTW seen{};
  if (font && GetObjectW(font, sizeof(seen), &seen)) return std::abs(seen.lfHeight);
  HFONT own = ControlFontForDpi(kind, SystemDpi());
  GetObjectW(own, sizeof(seen), &seen);
  DeleteObject(own);
  return std::abs(seen.lfHeight);
}

TEST(ShelfListView, OnAMonitorOfAnotherDpiTextAndIconsTakeItsSize) {
  HiddenParent parent;
  Win32ShelfList shelf(parent.window, 101, KindIcons(16));
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::string folder = Narrow(windows);
  shelf.Add(folder + "\\notepad.exe", "notepad.exe");
  shelf.SetSmallIcon(0, 3);
  shelf.Add(folder, "Windows");
  shelf.SetSmallIcon(1, 2);
  shelf.Add(",BEEP", ",BEEP");
  shelf.SetSmallIcon(2, 6);
  const int system = SystemDpi();
  const int textAtSystem = FontHeight(shelf.Handle(), ControlFont::IconTitle);
  HWND tip = shelf.ToolTipHandle();
  const int tipAtSystem = FontHeight(tip, ControlFont::Status);
  const struct {
    int dpi;
    int iconSize;
  } rows[] = {{system * 2, 32}, {system * 3 / 2, 24}, {system, 16}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.dpi);
    HIMAGELIST icons = KindIcons(row.iconSize);
    HIMAGELIST before = shelf.FollowDpi(row.dpi, icons);
    EXPECT_NE(before, nullptr) << "the icons used before come back to be destroyed";
    ImageList_Destroy(before);
    auto used = reinterpret_cast<HIMAGELIST>(
        SendMessageW(shelf.Handle(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    EXPECT_EQ(used, icons);
    // The files' own icons are read again into the new list; the kinds keep their places.
    const int count = ImageList_GetImageCount(icons);
    EXPECT_GE(PictureOf(shelf, 0), 6);
    EXPECT_LT(PictureOf(shelf, 0), count);
    EXPECT_GE(PictureOf(shelf, 1), 6);
    EXPECT_LT(PictureOf(shelf, 1), count);
    EXPECT_EQ(PictureOf(shelf, 2), 5);
    EXPECT_EQ(shelf.SmallIcon(0), 3);
    const int text = FontHeight(shelf.Handle(), ControlFont::IconTitle);
    EXPECT_NEAR(text, textAtSystem * row.dpi / system, 1) << "the text grows with the monitor";
    EXPECT_NEAR(FontHeight(tip, ControlFont::Status), tipAtSystem * row.dpi / system, 1)
        << "and so does the tool tip's";
  }
  EXPECT_EQ(shelf.FollowDpi(system * 2, nullptr), nullptr) << "fonts alone, the icons stay";
  EXPECT_NEAR(FontHeight(shelf.Handle(), ControlFont::IconTitle), textAtSystem * 2, 1);
}

TEST(ShelfListView, SelectionFocusEnabledToolTipAndOneSort) {
  HiddenParent parent;
  Win32ShelfList shelf(parent.window, 102);
  shelf.Add("C:\\b.txt", "b.txt");
  shelf.Add("C:\\C.txt", "C.txt");
  shelf.Add("C:\\a.txt", "a.txt");

  shelf.SetSelected(0, true);
  shelf.SetSelected(2, true);
  EXPECT_TRUE(shelf.Selected(0));
  EXPECT_FALSE(shelf.Selected(1));
  EXPECT_TRUE(shelf.Selected(2));
  shelf.SetSelected(0, false);
  EXPECT_FALSE(shelf.Selected(0));
  shelf.SetFocused(1);
  EXPECT_EQ(shelf.Focused(), 1);
  shelf.SetFocused(-1);
  EXPECT_EQ(shelf.Focused(), -1);

  EXPECT_TRUE(shelf.Enabled());
  shelf.SetEnabled(false);
  EXPECT_FALSE(shelf.Enabled());
  shelf.SetEnabled(true);

  shelf.SetToolTip("C:\\a.txt");
  EXPECT_EQ(shelf.ToolTip(), "C:\\a.txt");

  shelf.SortOnce();
  ASSERT_EQ(shelf.Count(), 3);
  EXPECT_EQ(shelf.Text(0), "a.txt");
  EXPECT_EQ(shelf.Text(1), "b.txt");
  EXPECT_EQ(shelf.Text(2), "C.txt") << "ascending, ignoring case";
  EXPECT_EQ(shelf.Key(0), "C:\\a.txt") << "keys travel with their entries";
  EXPECT_TRUE(shelf.Selected(0)) << "and so does the selection";
  shelf.Add("C:\\0.txt", "0.txt");
  EXPECT_EQ(shelf.Text(3), "0.txt") << "later entries are appended unsorted";
}

}  // namespace
}  // namespace velmarin::win32
