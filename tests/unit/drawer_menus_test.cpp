// The drawer and context menus' access-key numbers, and their drawer rows made at start-up.
#include <gtest/gtest.h>

#include "gestures_test_support.h"
#include "panel/menu_entries.h"
#include "app/program_commands.h"

namespace velmarin {
namespace {

using gestures_test::kOffWindow;
using gestures_test::kOverShelf;
using gestures_test::OverCell;
using gestures_test::Panel;

TEST(MenuNumbers, DigitsLettersPagesAndSharedPairs) {
  Panel p;
  p.app.model.settings.options.MenuNumbers = true;
  p.Slot(2, "C:\\tools\\edit.exe");
  p.Drawer(2, {"C:\\a.txt", "", "C:\\c.txt", ""});

  p.Gesture(2, kOffWindow);
  EXPECT_EQ(p.Captions(), (std::vector<std::string>{"&1 a.txt", "&2 c.txt", "-", "すべて削除(&D)",
                                                    "-", "キャンセル(&C)"}));
  p.Gesture(2, OverCell(2), 0, MouseButton::Right);
  const auto context = p.Captions();
  EXPECT_EQ(std::vector<std::string>(context.begin() + 4, context.begin() + 6),
            (std::vector<std::string>{"&Z a.txt", "&X c.txt"}));
  p.Gesture(2, OverCell(5), 0, MouseButton::Right);
  const auto drag = p.Captions();
  EXPECT_EQ(std::vector<std::string>(drag.begin(), drag.begin() + 4),
            (std::vector<std::string>{"&0 edit.exe", "-", "&1 a.txt", "&2 c.txt"}));
  p.app.model.StorageIsOpen = true;
  p.Gesture(2, kOverShelf, 0, MouseButton::Right);
  const auto shelf = p.Captions();
  EXPECT_EQ(shelf[3], "&1 a.txt");
  EXPECT_EQ(shelf[4], "&2 c.txt");
  EXPECT_EQ(shelf[9], "&1 a.txt") << "the pair of one slot shares its number";
  EXPECT_EQ(shelf[10], "&2 c.txt");

  // Eleven pages: 1 to 9, then 0, then 1 again.
  p.app.model.PageCount = 11;
  p.app.model.Pages.resize(11);
  for (int i = 0; i < 11; ++i) p.app.model.Pages[i].Caption = "P" + std::to_string(i);
  p.Gesture(2, OverCell(2), 0, MouseButton::Right);
  const auto pages = p.Captions();
  EXPECT_EQ(pages[0], "&1 P0");
  EXPECT_EQ(pages[8], "&9 P8");
  EXPECT_EQ(pages[9], "&0 P9");
  EXPECT_EQ(pages[10], "&1 P10");

  // Off: the captions are the names alone.
  p.app.model.settings.options.MenuNumbers = false;
  p.Gesture(2, kOffWindow);
  EXPECT_EQ(p.Captions()[0], "a.txt");
}

TEST(CreateDrawerMenuItems, OneItemPerDrawerSlotAtStartUp) {
  Panel p;
  p.app.model.settings.MaxDrawer = 2;
  ProgramCommands commands(p.app);
  commands.CreateDrawerMenuItems();
  EXPECT_TRUE(commands.NotBuilt().empty());
  PanelMenus& menus = p.app.form.menus;
  EXPECT_NE(FindEntry(menus.DeleteList, "DeleteListDrawerItem", 1), nullptr);
  EXPECT_EQ(FindEntry(menus.DeleteList, "DeleteListDrawerItem", 2), nullptr);
  EXPECT_FALSE(FindEntry(menus.DeleteList, "DeleteListDrawerItem", 1)->visible);
  EXPECT_TRUE(FindEntry(menus.PGroupsProperty, "PGPDrawerItem", 1)->visible);
  // Only two slots: the drawer's further items never reach a menu.
  p.Slot(0, "C:\\x.exe");
  p.Drawer(0, {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", ""});
  p.Gesture(0, kOffWindow);
  EXPECT_EQ(p.Captions(), (std::vector<std::string>{"a.txt", "b.txt", "-", "すべて削除(&D)", "-",
                                                    "キャンセル(&C)"}));
}

}  // namespace
}  // namespace velmarin
