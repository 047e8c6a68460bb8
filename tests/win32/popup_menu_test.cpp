// Popup menus under wine: a helper thread waits for the menu to open and presses keys, as a user
// would, and the answer names the item the keys chose.
#include "win32/popup_menu.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <thread>
#include <vector>

namespace velmarin::win32 {
namespace {

// Waits for a popup menu on the screen, then posts the keys to the owner, whose menu loop reads
// them; true when a menu was seen.
std::thread PressKeysInMenu(HWND owner, std::initializer_list<WPARAM> keys, bool& seen) {
  std::vector<WPARAM> list(keys);
  return std::thread([owner, list, &seen] {
    for (int i = 0; i < 200; ++i) {
      HWND menu = FindWindowW(L"#32768", nullptr);
      if (menu && IsWindowVisible(menu)) {
        seen = true;
        for (WPARAM key : list) {
          PostMessageW(owner, WM_KEYDOWN, key, 0);
          PostMessageW(owner, WM_KEYUP, key, 0);
        }
        return;
      }
      Sleep(50);
    }
  });
}

Menu SampleMenu() {
  Menu menu(3);
  menu[0].caption = "最初(&F)";
  menu[0].result = "First";
  menu[1].separator = true;
  menu[2].caption = "ヘルプ(&H)";
  menu[2].submenu.resize(1);
  menu[2].submenu[0].caption = "中";
  menu[2].submenu[0].result = "Inner";
  MenuItem last;
  last.caption = "終了(&X)";
  last.result = "Exit";
  menu.push_back(last);
  return menu;
}

struct OwnerWindow {
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 100, 100, 200, 50,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ~OwnerWindow() { DestroyWindow(hwnd); }
};

TEST(Win32PopupMenu, AnswersTheNumberOfTheChosenItem) {
  OwnerWindow owner;
  ASSERT_NE(owner.hwnd, nullptr);
  SetCursorPos(150, 120);
  Win32PopupMenu popup;
  popup.SetOwner(owner.hwnd);

  bool seen = false;
  std::thread keys = PressKeysInMenu(owner.hwnd, {VK_DOWN, VK_RETURN}, seen);
  EXPECT_EQ(popup.Show(SampleMenu()), 1);
  keys.join();
  EXPECT_TRUE(seen);

  // Up from nothing selected goes to the last item: numbered after the submenu's item.
  seen = false;
  keys = PressKeysInMenu(owner.hwnd, {VK_UP, VK_RETURN}, seen);
  EXPECT_EQ(popup.Show(SampleMenu()), 5);
  keys.join();
  EXPECT_TRUE(seen);
}

TEST(Win32PopupMenu, ADismissedMenuAnswersNothing) {
  OwnerWindow owner;
  ASSERT_NE(owner.hwnd, nullptr);
  SetCursorPos(150, 120);
  Win32PopupMenu popup;
  popup.SetOwner(owner.hwnd);
  bool seen = false;
  std::thread keys = PressKeysInMenu(owner.hwnd, {VK_ESCAPE}, seen);
  EXPECT_EQ(popup.Show(SampleMenu()), 0);
  keys.join();
  EXPECT_TRUE(seen);
  EXPECT_EQ(popup.Show(Menu{}), 0) << "an empty menu is not shown";
}

// Shows the menu one way, notes where the menu window stood, and dismisses it.
RECT MenuPlace(Win32PopupMenu& popup, HWND owner, bool rightAligned) {
  RECT place{};
  std::thread watch([owner, &place] {
    for (int i = 0; i < 200; ++i) {
      HWND menu = FindWindowW(L"#32768", nullptr);
      if (menu && IsWindowVisible(menu)) {
        GetWindowRect(menu, &place);
        PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessageW(owner, WM_KEYUP, VK_ESCAPE, 0);
        return;
      }
      Sleep(50);
    }
  });
  if (rightAligned) {
    popup.ShowRightAligned(SampleMenu());
  } else {
    popup.Show(SampleMenu());
  }
  watch.join();
  return place;
}

TEST(Win32PopupMenu, RightAlignedOpensToTheLeftOfTheCursor) {
  OwnerWindow owner;
  ASSERT_NE(owner.hwnd, nullptr);
  SetCursorPos(400, 300);
  Win32PopupMenu popup;
  popup.SetOwner(owner.hwnd);
  const RECT left = MenuPlace(popup, owner.hwnd, false);
  EXPECT_EQ(left.left, 400);
  const RECT right = MenuPlace(popup, owner.hwnd, true);
  EXPECT_EQ(right.right, 400);
  EXPECT_EQ(right.top, 300);
}

}  // namespace
}  // namespace velmarin::win32
