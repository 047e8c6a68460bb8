// The shelf's list view is made on first need, and what was set before carries over.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <commctrl.h>
// clang-format on

#include <gtest/gtest.h>

#include <memory>

#include "win32/lazy_shelf_list.h"
#include "win32/shelf_list_view.h"

namespace velmarin::win32 {
namespace {

constexpr int kListId = 102;

struct Parent {
  HWND window = CreateWindowExW(0, L"STATIC", L"lazy shelf", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ~Parent() { DestroyWindow(window); }
  LazyShelfList::Factory Factory(int* made) {
    return [this, made]() -> std::unique_ptr<IShelfList> {
      ++*made;
      return std::make_unique<Win32ShelfList>(window, kListId);
    };
  }
};

TEST(LazyShelfList, ClosedAndEmptyMakesNoListUntilAnEntryArrives) {
  Parent parent;
  ASSERT_NE(parent.window, nullptr);
  int made = 0;
  LazyShelfList shelf(parent.Factory(&made));
  // Start-up with a closed, empty shelf: disabled, a tool tip, a sort, reads.
  shelf.SetEnabled(false);
  shelf.SetToolTip("C:\\Tools");
  shelf.SortOnce();
  EXPECT_EQ(shelf.Count(), 0);
  EXPECT_EQ(shelf.Key(0), "");
  EXPECT_EQ(shelf.Focused(), -1);
  EXPECT_FALSE(shelf.Enabled());
  EXPECT_EQ(made, 0);
  EXPECT_EQ(GetDlgItem(parent.window, kListId), nullptr);

  // The first entry makes the list, which keeps the state set before.
  EXPECT_EQ(shelf.Add("C:\\Tools\\a.exe", "a.exe"), ShelfAddResult::Added);
  EXPECT_EQ(made, 1);
  HWND list = GetDlgItem(parent.window, kListId);
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(IsWindowEnabled(list));
  EXPECT_FALSE(shelf.Enabled());
  EXPECT_EQ(shelf.Add("c:\\tools\\A.EXE", "x"), ShelfAddResult::DuplicateKey);
  EXPECT_EQ(shelf.Count(), 1);
  EXPECT_EQ(shelf.Text(0), "a.exe");
  EXPECT_EQ(made, 1) << "made once";
}

TEST(LazyShelfList, OpeningMakesTheListAndAFailureIsReported) {
  Parent parent;
  int made = 0;
  LazyShelfList shelf(parent.Factory(&made));
  shelf.SetEnabled(true);
  EXPECT_EQ(made, 1);
  ASSERT_NE(GetDlgItem(parent.window, kListId), nullptr);
  EXPECT_TRUE(shelf.Enabled());

  LazyShelfList broken([]() -> std::unique_ptr<IShelfList> { return nullptr; });
  EXPECT_EQ(broken.Add("C:\\a.txt", "a.txt"), ShelfAddResult::Failed);
  EXPECT_EQ(broken.Count(), 0);
}

}  // namespace
}  // namespace velmarin::win32
