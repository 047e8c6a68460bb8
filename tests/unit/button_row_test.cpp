// The row of button cells through the fake: where a release lands, the ordinary click, and the
// painting of cells and pages.
#include <gtest/gtest.h>

#include "app/program_commands.h"
#include "fake/fake_platform.h"
#include "launch/names.h"
#include "panel/button_mouse.h"
#include "panel/button_paint.h"
#include "panel/hit_test.h"
#include "shell/layout.h"
#include "shell/window_events.h"

namespace velmarin {
namespace {

constexpr const char* kLibrary = "C:\\velmarin\\velmarin.icl";

ControlId Cell(int i) { return {ControlKind::Picture1, i}; }

// A window laid out the way start-up lays it out, ten cells in the row, the shelf closed.
struct Row {
  App app;
  FakePlatform fake;
  explicit Row(int maxButton = 10) {
    fake.Wire(app);
    app.model.PageCount = 2;
    app.model.settings.MaxButton = static_cast<int16_t>(maxButton);
    app.model.settings.MaxDrawer = 4;
    ClampLimits(app.model);
    fake.files.AddFile(kLibrary, "icons");
    fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
    Shape(app, true);
  }
  Button& Slot(int i, const std::string& path, const std::string& params = {}) {
    Button& b = app.model.Pages[static_cast<size_t>(app.model.CurrentPage)].Buttons[i];
    b.Path = path;
    b.Params = params;
    SetPathParts(app, b);
    return b;
  }
  int16_t At(int x, int y) {
    fake.system.cursorX = x;
    fake.system.cursorY = y;
    return HitTestCursor(app);
  }
  // A press on cell `pressed`, the cursor moved to (x, y), the release there.
  void Click(int pressed, int x, int y, int shift = 0, MouseButton button = MouseButton::Left) {
    const ControlId cell = Cell(pressed);
    OnControlMouse(app, {MouseAction::Press, cell, button, shift, 5, 5});
    fake.system.cursorX = x;
    fake.system.cursorY = y;
    OnControlMouse(app, {MouseAction::Release, cell, button, shift, 5, 5});
  }
  const FakeControls::Control& Shown(int i) { return fake.controls.controls[Cell(i)]; }
};

TEST(HitTestCursor, EdgesOverlapsAndHiddenCells) {
  Row row;
  // The row: cell k spans x = 37k .. 37k + 36, y = 17 .. 53, both ends included.
  EXPECT_EQ(row.At(0, 17), 0);
  EXPECT_EQ(row.At(36, 53), 0) << "the last pixel column and row of cell 0";
  EXPECT_EQ(row.At(37, 30), 1) << "one pixel further is the next cell";
  EXPECT_EQ(row.At(369, 30), 9);
  EXPECT_EQ(row.At(370, 30), TargetNone) << "right of the last cell";
  EXPECT_EQ(row.At(100, 54), TargetNone) << "just below the row";
  EXPECT_EQ(row.At(-5, 30), TargetNone) << "outside the window";
  // The Run box (x 259 .. 371, y -1 .. 19) lies over the top of cells 7 to 9 and wins there.
  EXPECT_EQ(row.At(270, 19), TargetRun);
  EXPECT_EQ(row.At(270, 20), 7);
  // The shelf below the row counts only while it is open.
  EXPECT_EQ(row.At(10, 80), TargetNone);
  row.app.model.StorageIsOpen = true;
  EXPECT_EQ(row.At(10, 80), TargetShelf);
  EXPECT_EQ(row.At(10, 40), 0);
  row.app.model.StorageIsOpen = false;

  // Reading the cursor fails: the last position read is taken again.
  row.At(40, 30);
  row.fake.system.cursorKnown = false;
  row.fake.system.cursorX = 300;
  EXPECT_EQ(HitTestCursor(row.app), 1);
}

TEST(HitTestCursor, CellsBeyondMaxButtonKeepTheirPlaceButTakeNoRelease) {
  Row row(12);
  EXPECT_EQ(row.At(420, 30), 11);
  // Fewer cells now: cells 10 and 11 are hidden where they were.
  row.app.model.settings.MaxButton = 8;
  Shape(row.app, false);
  EXPECT_FALSE(row.Shown(11).visible);
  EXPECT_EQ(row.Shown(11).rect.left, 407) << "kept its old place";
  EXPECT_EQ(row.At(420, 30), TargetNone);
  EXPECT_EQ(row.At(290, 30), 7);
}

TEST(ButtonClick, LaunchesWithParamsAndLeavesTheCellUp) {
  Row row;
  row.fake.files.AddFile("C:\\tools\\app.exe");
  row.fake.controls.iconFiles["C:\\TOOLS\\APP.EXE"] = 1;
  Button& b = row.Slot(2, "C:\\tools\\app.exe", "-n notes.txt");
  b.ShowCmd = 3;
  b.ToolTip = "アプリ";
  row.app.model.settings.options.ShowToolTips = true;

  OnControlMouse(row.app, {MouseAction::Press, Cell(2), MouseButton::Left, 0, 4, 4});
  EXPECT_EQ(b.State, 2);
  EXPECT_EQ(row.Shown(2).face, 2) << "held-down face";
  ASSERT_FALSE(row.Shown(2).drawn.empty());
  EXPECT_EQ(row.Shown(2).drawn[0].detail, "C:\\tools\\app.exe#0@3,3") << "icon one pixel in";
  EXPECT_TRUE(row.fake.shell.executions.empty()) << "nothing happens before the release";

  row.fake.system.cursorX = 74 + 36;  // the last pixel column of cell 2
  row.fake.system.cursorY = 40;
  OnControlMouse(row.app, {MouseAction::Release, Cell(2), MouseButton::Left, 0, 36, 23});
  ASSERT_EQ(row.fake.shell.executions.size(), 1u);
  const FakeShell::Execution& run = row.fake.shell.executions[0];
  EXPECT_EQ(run.file, "C:\\tools\\app.exe");
  EXPECT_EQ(run.params, "-n notes.txt");
  EXPECT_EQ(run.folder, "c:\\");
  EXPECT_EQ(run.show, 3);
  EXPECT_EQ(row.app.panel.ReleaseTarget, 2);
  EXPECT_EQ(b.State, 1);
  EXPECT_EQ(row.Shown(2).face, 1);
  ASSERT_FALSE(row.Shown(2).drawn.empty());
  EXPECT_EQ(row.Shown(2).drawn[0].detail, "C:\\tools\\app.exe#0@2,2");
  EXPECT_EQ(row.Shown(2).toolTip, "アプリ") << "tool tips refreshed";
  EXPECT_EQ(row.fake.controls.liveIcons, 0);
}

TEST(ButtonClick, ModifiersTargetsAndEmptySlots) {
  Row row;
  row.Slot(1, ",EXIT");
  row.Slot(3, "C:\\notes.txt", "-x");
  const int overCell3 = 3 * 37 + 10;
  struct Case {
    const char* what;
    int shift;
    int x;
    MouseButton button;
    bool launches;
  } cases[] = {
      {"no modifier", 0, overCell3, MouseButton::Left, true},
      {"Shift+Ctrl acts as none", kShiftMask | kCtrlMask, overCell3, MouseButton::Left, true},
      {"Shift alone is the delete menu's", kShiftMask, overCell3, MouseButton::Left, false},
      {"Ctrl alone is the drawer menu's", kCtrlMask, overCell3, MouseButton::Left, false},
      {"Alt with no file to drag out acts as none", kAltMask, overCell3, MouseButton::Left, true},
      {"released over another cell", 0, 5 * 37 + 10, MouseButton::Left, false},
      {"released off the window", 0, 600, MouseButton::Left, false},
      {"the right button", 0, overCell3, MouseButton::Right, false},
  };
  for (const Case& c : cases) {
    row.fake.shell.executions.clear();
    row.Click(3, c.x, 30, c.shift, c.button);
    EXPECT_EQ(row.fake.shell.executions.size(), c.launches ? 1u : 0u) << c.what;
    EXPECT_EQ(row.app.model.Pages[0].Buttons[3].State, 1) << c.what << ": the cell comes up";
    EXPECT_EQ(row.Shown(3).face, 1) << c.what;
  }
  // An empty slot launches nothing and still comes up.
  row.fake.shell.executions.clear();
  row.Click(4, 4 * 37 + 3, 30);
  EXPECT_TRUE(row.fake.shell.Quiet());
  EXPECT_EQ(row.Shown(4).face, 1);
  EXPECT_TRUE(row.Shown(4).drawn.empty());
  // An internal name goes to its own command, with the button's parameters.
  row.Click(1, 40, 30);
  EXPECT_EQ(row.fake.commands.calls.back(), "EndProgram");
}

TEST(RepaintPage, PaintsEveryCellThatShowsAButton) {
  Row row(10);
  row.app.model.CurrentPage = 1;
  row.fake.files.AddFile("C:\\tools\\app.exe");
  row.fake.controls.iconFiles["C:\\TOOLS\\APP.EXE"] = 2;
  Button& app = row.Slot(0, "C:\\tools\\app.exe");
  app.IconIndex = 1;
  row.Slot(4, "C:\\gone.exe");
  row.Slot(9, ",EXIT");
  row.app.model.settings.options.ShowDrawerCount = true;
  row.app.model.Pages[1].Buttons[6].Drawer = {"C:\\a.txt", "", "C:\\b.txt", ""};
  row.fake.controls.controls.clear();
  app.FileName.clear();  // stale parts are derived again

  // Through the command, as page switching asks for it.
  ProgramCommands commands(row.app);
  commands.RepaintPage();
  EXPECT_EQ(app.FileName, "app.exe");
  for (int i = 0; i < 10; ++i) EXPECT_EQ(row.Shown(i).face, 1) << "cell " << i;
  EXPECT_EQ(row.fake.controls.controls.count(Cell(10)), 0u) << "a hidden cell is left alone";
  EXPECT_EQ(row.Shown(0).drawn[0].detail, "C:\\tools\\app.exe#1@2,2");
  EXPECT_EQ(row.Shown(4).drawn[0].detail, std::string(kLibrary) + "#13@2,2");
  EXPECT_EQ(row.Shown(9).drawn[0].detail, std::string(kLibrary) + "#12@2,2");
  ASSERT_EQ(row.Shown(6).drawn.size(), 2u) << "an empty slot shows its drawer ticks only";
  EXPECT_EQ(row.Shown(6).drawn[1].detail, "6,0-6,2");
  EXPECT_EQ(row.fake.controls.liveIcons, 0);
  EXPECT_TRUE(commands.NotBuilt().empty());

  // With the skin on, each face gets the skin inside its 2-pixel frame.
  row.app.model.settings.options.UseSkin = true;
  row.fake.commands.calls.clear();
  RepaintButton(row.app, 3);
  EXPECT_EQ(row.fake.commands.calls, (std::vector<std::string>{"SkinPaint(5:3,2)"}));
}

TEST(RestoreButtons, BringsHeldCellsUp) {
  Row row;
  row.Slot(2, ",EXIT");
  OnControlMouse(row.app, {MouseAction::Press, Cell(2), MouseButton::Left, 0, 4, 4});
  ASSERT_EQ(row.Shown(2).face, 2);
  RestoreButtons(row.app);
  EXPECT_EQ(row.app.model.Pages[0].Buttons[2].State, 1);
  EXPECT_EQ(row.Shown(2).face, 1);
  EXPECT_EQ(row.Shown(2).drawn[0].detail, std::string(kLibrary) + "#12@2,2");
}

TEST(ApplyToolTips, OnlyWhileToolTipsAreOn) {
  Row row;
  row.Slot(0, ",EXIT").ToolTip = "終了";
  row.app.model.settings.options.ShowToolTips = true;
  ApplyToolTips(row.app);
  EXPECT_EQ(row.Shown(0).toolTip, "終了");
  // Turned off: the texts set earlier stay.
  row.app.model.settings.options.ShowToolTips = false;
  row.app.model.Pages[0].Buttons[0].ToolTip = "別";
  ApplyToolTips(row.app);
  EXPECT_EQ(row.Shown(0).toolTip, "終了");
}

}  // namespace
}  // namespace velmarin
