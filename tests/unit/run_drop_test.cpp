#include "run/run_drop.h"

#include <gtest/gtest.h>

#include "launch_test_support.h"
#include "shell/drag_events.h"

namespace velmarin {
namespace {

constexpr const char* kLong = "C:\\Program Files\\Long Name\\tool.exe";
constexpr const char* kShort = "C:\\PROGRA~1\\LONGNA~1\\tool.exe";

struct RunDropFixture : LaunchFixture {
  RunDropFixture() {
    fake.files.AddFile(kLong);
    fake.files.SetShortName(kLong, kShort);
  }
  // A drag over the box and the drop, as the window reports them.
  void Drop(std::vector<std::string> files, int buttons = kDragLeftButton, int shift = 0) {
    const ControlId run{ControlKind::Run, 0};
    OnControlDrag(app, {DragAction::Enter, run, buttons, shift, 5, 5, files});
    OnControlDrag(app, {DragAction::Over, run, buttons, shift, 6, 5, files});
    OnControlDrag(app, {DragAction::Drop, run, buttons, shift, 6, 5, std::move(files)});
  }
};

TEST(RunDrop, TheFirstPathGoesInQuotedAfterWhatTheBoxHolds) {
  RunDropFixture f;
  f.Drop({kLong, "C:\\b.txt", "C:\\c.txt"});
  EXPECT_EQ(f.fake.runList.text, std::string("\"") + kLong + "\"");
  f.Drop({"C:\\readme.txt"});
  EXPECT_EQ(f.fake.runList.text, std::string("\"") + kLong + "\" C:\\readme.txt");
  EXPECT_GE(f.fake.runList.focusCount, 2);
  // A drag without files changes nothing.
  f.Drop({});
  EXPECT_EQ(f.fake.runList.text, std::string("\"") + kLong + "\" C:\\readme.txt");
}

TEST(RunDrop, ShiftAndCtrlChooseTheLongOrShortForm) {
  struct Case {
    std::string dropped;
    int shift;
    std::string text;
  };
  const std::string longQuoted = std::string("\"") + kLong + "\"";
  const Case cases[] = {
      {kLong, kCtrlMask, kShort},
      {kShort, kShiftMask, longQuoted},
      {kShort, kShiftMask | kCtrlMask, kShort},  // both keys: the path as dropped
      // The long form of a folder has no "\" at its end; a root keeps its own.
      {"C:\\Program Files\\Long Name\\", kShiftMask, "\"C:\\Program Files\\Long Name\""},
      {"C:\\", kShiftMask, "C:\\"},
  };
  for (const Case& c : cases) {
    RunDropFixture f;
    f.Drop({c.dropped}, kDragLeftButton, c.shift);
    EXPECT_EQ(f.fake.runList.text, c.text) << c.dropped << " " << c.shift;
  }
}

TEST(RunDrop, TheRightButtonAsksWithoutTheToolTipItem) {
  RunDropFixture f;
  f.fake.popupMenu.Script("ShortPath");
  f.Drop({kLong}, kDragRightButton);
  ASSERT_EQ(f.fake.popupMenu.shown.size(), 1u);
  const Menu& menu = f.fake.popupMenu.shown[0];
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].caption, "ショートパス(&S)");
  EXPECT_EQ(menu[1].caption, "ロングパス(&G)");
  EXPECT_EQ(f.fake.runList.text, kShort);
  EXPECT_EQ(f.app.form.MenuResult, "");

  // A dismissed menu leaves the box as it was, whatever was chosen the time before.
  f.app.form.MenuResult = "LongPath";
  f.fake.popupMenu.Script("");
  f.Drop({kShort}, kDragRightButton);
  EXPECT_EQ(f.fake.runList.text, kShort);
  EXPECT_EQ(f.app.form.MenuResult, "");
}

TEST(RunDrop, ADropCompletesButDoesNotOpenTheList) {
  RunDropFixture f;
  f.app.model.settings.options.RunAutoDropDown = true;
  Button& a = f.app.model.Pages[0].Buttons[0];
  a.Path = "C:\\x\\a.exe";
  a.ToolTip = "C:\\readme.txt first";
  Button& b = f.app.model.Pages[0].Buttons[1];
  b.Path = "C:\\x\\b.exe";
  b.ToolTip = "C:\\readme.txt second";
  f.Drop({"C:\\readme.txt"});
  EXPECT_EQ(f.fake.runList.text, "C:\\readme.txt first");
  EXPECT_EQ(f.fake.runList.items.size(), 2u);
  EXPECT_FALSE(f.fake.runList.droppedDown);
  EXPECT_FALSE(f.app.form.run.RunDropInProgress);
}

}  // namespace
}  // namespace velmarin
