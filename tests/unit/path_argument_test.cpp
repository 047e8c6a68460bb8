// A path handed to a program or to an internal command: one argument for a program, the path
// itself for a command, on every way a path reaches an item.
#include "launch/path_argument.h"

#include <gtest/gtest.h>

#include <functional>

#include "gestures_test_support.h"
#include "launch/execute.h"
#include "panel/button_drop.h"
#include "run/run_box.h"
#include "storage/shelf_drop.h"

namespace velmarin {
namespace {

using gestures_test::OverCell;
using gestures_test::Panel;

TEST(PathArgument, QuotedOnlyWhenAProgramOrCmdWouldSplitIt) {
  const struct {
    const char* path;
    const char* argument;
  } rows[] = {
      {"C:\\tools\\a.txt", "C:\\tools\\a.txt"},
      {"C:\\", "C:\\"},
      {"C:\\My Docs\\", "\"C:\\My Docs\\\\\""},
      {"C:\\x&notepad", "\"C:\\x&notepad\""},
      {"C:\\a^b,c;d=e", "\"C:\\a^b,c;d=e\""},
      {"C:\\100%!", "\"C:\\100%!\""},
      {"\"C:\\My Docs\\a.txt\"", "\"C:\\My Docs\\a.txt\""},
      {"\"C:\\a.txt\"", "C:\\a.txt"},
      {"", "\"\""},
  };
  for (const auto& row : rows) EXPECT_EQ(PathArgument(row.path), row.argument) << row.path;
}

// Each way a path reaches an item, with ",DELETE" as the item: the recycle bin is handed the
// path itself, never a space, quotes or a doubled backslash.
TEST(InternalCommandRoutes, EveryRouteHandsThePathItself) {
  const std::string path = "D:\\My Docs\\old&new\\";
  const struct {
    const char* route;
    std::function<void(Panel&)> act;
  } rows[] = {
      {"a button dragged onto the cell in execute mode",
       [](Panel& p) {
         p.app.model.DropMode = true;
         p.Gesture(0, OverCell(3));
       }},
      {"the drag menu's open",
       [](Panel& p) { p.Gesture(0, OverCell(3), 0, MouseButton::Right, "Button"); }},
      {"the drag menu's drawer item",
       [](Panel& p) { p.Gesture(2, OverCell(3), 0, MouseButton::Right, "DrawerItem"); }},
      {"the button's menu opens its drawer item with it",
       [](Panel& p) { p.Gesture(3, OverCell(3), 0, MouseButton::Right, "DrawerWithButton"); }},
      {"a shelf entry dragged onto the cell in execute mode",
       [](Panel& p) {
         p.app.model.DropMode = true;
         p.app.panel.PressedControl = {ControlKind::Storage, 0};
         p.app.panel.PressedMouseButton = MouseButton::Left;
         p.fake.system.cursorX = OverCell(3).x;
         p.fake.system.cursorY = OverCell(3).y;
         OnControlMouse(
             p.app, {MouseAction::Release, {ControlKind::Picture1, 3}, MouseButton::Left, 0, 5, 5});
       }},
      {"a file dropped on the cell in execute mode",
       [&](Panel& p) {
         p.app.model.DropMode = true;
         Picture1_OLEDragOver(p.app, 1);
         Picture1_OLEDragDrop(p.app, 3, {path}, 0);
       }},
      {"a file dropped on the shelf, opened by the selected command",
       [&](Panel& p) {
         p.fake.shelf.entries[0].key = ",DELETE";
         p.fake.popupMenu.Script("DExecute");
         Storage_OLEDragOver(p.app, 2);
         Storage_OLEDragDrop(p.app, {path});
       }},
      {"the Run box: a tool tip and the quoted path",
       [](Panel& p) {
         p.app.model.settings.options.RunToolTipParams = true;
         p.fake.runList.text = "ごみ箱 \"D:\\My Docs\\old&new\\\\\"";
         RunTheText(p.app);
       }},
  };
  for (const auto& row : rows) {
    Panel p;
    p.Slot(0, path);
    p.Slot(2, "C:\\x.exe");
    p.Drawer(2, {path, "", "", ""});
    p.Slot(3, ",DELETE");
    p.At(3).ToolTip = "ごみ箱";
    p.Drawer(3, {path, "", "", ""});
    p.fake.shelf.Add(path, path);
    p.fake.shelf.entries[0].selected = true;
    p.fake.shelf.focused = 0;
    row.act(p);
    EXPECT_EQ(p.fake.shell.deletions, std::vector<std::vector<std::string>>{{path}}) << row.route;
  }
}

TEST(InternalCommandRoutes, StoreAndFormatTakeTheArgumentWithoutSpacesAndQuotes) {
  Panel p;
  p.app.model.StorageIsOpen = true;
  VelmExec(p.app, ",STORE", " \"C:\\My Docs\\a.txt\" ");
  VelmExec(p.app, ",FORMAT", " \"A:\\\" ");
  ASSERT_EQ(p.fake.shelf.entries.size(), 1u);
  EXPECT_EQ(p.fake.shelf.entries[0].key, "C:\\My Docs\\a.txt");
  EXPECT_EQ(p.fake.shell.formats, std::vector<int>{0});
  EXPECT_TRUE(p.fake.messageBox.shown.empty());
}

}  // namespace
}  // namespace velmarin
