#include "shell/title_bar.h"

#include <gtest/gtest.h>

#include "core/menu.h"
#include "pages_test_support.h"
#include "panel/pages.h"
#include "shell/main_menu.h"
#include "shell/window_events.h"

namespace velmarin {
namespace {

struct TitleStripTest : PagesFixture {
  TitleStripTest() {
    app.model.WindowLeft = 1500;  // 100 pixels
    app.model.WindowTop = 3000;   // 200 pixels
    app.model.hasWindowLeft = app.model.hasWindowTop = true;
    CreatePageHistory(app);
    PageChange(app, 0, true, false);
  }

  void Mouse(MouseAction action, int cell, MouseButton button = MouseButton::Left) {
    OnControlMouse(app, MouseEvent{action, {ControlKind::TitleBar, cell}, button, 0, 5, 5});
  }
  void CursorAt(int x, int y) { fake.system.cursor = ScreenPoint{x, y}; }
  // A press, a move of the cursor by (dx, dy) and a release on one cell.
  void Drag(int cell, int dx, int dy) {
    CursorAt(400, 300);
    Mouse(MouseAction::Press, cell);
    CursorAt(400 + dx, 300 + dy);
    Mouse(MouseAction::Move, cell);
    Mouse(MouseAction::Release, cell);
  }
  void Click(int cell) { Drag(cell, 0, 0); }
};

TEST(TitleStrip, PreviousAndNextPageCellsGoRoundTheEnds) {
  TitleStripTest f;
  f.Click(5);
  EXPECT_EQ(f.app.model.CurrentPage, 7);
  f.Click(6);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
  f.Click(6);
  EXPECT_EQ(f.app.model.CurrentPage, 1);
  EXPECT_EQ(f.History(), (std::vector<int32_t>{0, 7, 0, 1}));
  f.Click(3);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
  f.Click(4);
  EXPECT_EQ(f.app.model.CurrentPage, 1);
  EXPECT_EQ(f.fake.system.moves, 0);
}

TEST(TitleStrip, ArrowCellIsHeldDownUntilReleased) {
  TitleStripTest f;
  f.CursorAt(10, 10);
  f.Mouse(MouseAction::Press, 5);
  const auto& cell = f.fake.controls.controls[{ControlKind::TitleBar, 5}];
  EXPECT_EQ(cell.face, 2);
  EXPECT_EQ(f.ArrowIcon(5), kBackDownIcon);
  f.Mouse(MouseAction::Release, 5);
  EXPECT_EQ(cell.face, 1);
  EXPECT_EQ(f.ArrowIcon(5), kBackIcon);
}

TEST(TitleStrip, DraggingTheCaptionMovesTheWindowAndTheSavedPlace) {
  TitleStripTest f;
  f.Drag(1, 30, -10);
  EXPECT_EQ(f.fake.system.outer.left, 130);
  EXPECT_EQ(f.fake.system.outer.top, 190);
  EXPECT_FLOAT_EQ(f.app.model.WindowLeft, 1950);
  EXPECT_FLOAT_EQ(f.app.model.WindowTop, 2850);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
  // Exit from the menu saves where the window is now.
  f.fake.popupMenu.Script("Exit");
  f.Mouse(MouseAction::Press, 2, MouseButton::Right);
  EXPECT_TRUE(f.fake.system.ended);
  const std::string saved = f.fake.files.Contents("C:\\velmarin\\velmarin.ini");
  EXPECT_NE(saved.find("X=1950\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("Y=2850\r\n"), std::string::npos) << saved;
}

// The window goes as far as the mouse went, in the screen's pixels, whatever the system's DPI;
// the kept place follows in the twips of that DPI and falls on the pixel the window is at.
TEST(TitleStrip, ADragMovesTheWindowByTheMousesPixelsAtAnySystemDpi) {
  struct Row {
    int systemDpi;
    float startTwips;  // 100 pixels right, 200 down
    float wantX, wantY;
  } rows[] = {
      {96, 1500, 1500 + 31 * 15, 3000 - 7 * 15},
      {144, 1000, 1000 + 31 * 10, 2000 - 7 * 10},
      {192, 750, 983, 1448},  // 7.5 twips a pixel: 131 and 193 pixels, rounded away from zero
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.systemDpi);
    TitleStripTest f;
    f.fake.screen.systemDpi = row.systemDpi;
    f.app.model.WindowLeft = row.startTwips;
    f.app.model.WindowTop = row.startTwips * 2;
    f.Drag(1, 31, -7);
    EXPECT_EQ(f.fake.system.outer.left, 131);
    EXPECT_EQ(f.fake.system.outer.top, 193);
    EXPECT_FLOAT_EQ(f.app.model.WindowLeft, row.wantX);
    EXPECT_FLOAT_EQ(f.app.model.WindowTop, row.wantY);
  }
}

TEST(TitleStrip, AMoveWithoutMovementIsStillAClick) {
  TitleStripTest f;
  f.app.model.settings.options.PageButtonsMoveWindow = true;
  f.Click(6);
  EXPECT_EQ(f.app.model.CurrentPage, 1);
  EXPECT_EQ(f.fake.system.moves, 0);
}

TEST(TitleStrip, ArrowCellsDragTheWindowOnlyWhenAllowed) {
  TitleStripTest f;
  f.Drag(6, 20, 20);
  EXPECT_EQ(f.app.model.CurrentPage, 1) << "not allowed to move: the release turns the page";
  EXPECT_EQ(f.fake.system.moves, 0);

  f.app.model.settings.options.PageButtonsMoveWindow = true;
  f.Drag(6, 20, 20);
  EXPECT_EQ(f.app.model.CurrentPage, 1) << "a drag does not turn the page";
  EXPECT_EQ(f.fake.system.outer.left, 120);
  // After a drag the next click turns the page.
  f.Click(6);
  EXPECT_EQ(f.app.model.CurrentPage, 2);
}

// Losing the focus, or the mouse taken away from the press, ends a drag where it is; a press
// taken away from an arrow cell brings it up without turning the page.
TEST(TitleStrip, LosingTheFocusOrTheMouseEndsThePress) {
  for (const bool cancelled : {false, true}) {
    TitleStripTest f;
    f.CursorAt(400, 300);
    f.Mouse(MouseAction::Press, 1);
    if (cancelled) {
      f.Mouse(MouseAction::Cancel, 1);
    } else {
      Activate(f.app, false);
    }
    f.CursorAt(450, 350);
    f.Mouse(MouseAction::Move, 1);
    f.Mouse(MouseAction::Release, 1);
    EXPECT_EQ(f.fake.system.moves, 0);
    EXPECT_FLOAT_EQ(f.app.model.WindowLeft, 1500);
  }
  TitleStripTest f;
  f.Mouse(MouseAction::Press, 6);
  f.Mouse(MouseAction::Cancel, 6);
  EXPECT_EQ((f.fake.controls.controls[{ControlKind::TitleBar, 6}].face), 1);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
}

TEST(TitleStrip, ActivationColoursBothTitleCellsAndForgetsABackspace) {
  TitleStripTest f;
  Colors& c = f.app.model.settings.colors;
  c.ColTitleBarActFore = 0xFFFFFF;
  c.ColTitleBarActBack = 0x800000;
  c.ColTitleBarInActFore = 0xC0C0C0;
  c.ColTitleBarInActBack = 0x808080;
  const auto& lowerRight = f.fake.controls.controls[{ControlKind::TitleBar, 2}];
  f.app.form.run.BackspacePressed = true;
  Activate(f.app, false);
  EXPECT_FALSE(f.app.form.run.BackspacePressed);
  EXPECT_EQ(lowerRight.back, 0x808080);
  EXPECT_EQ(lowerRight.fore, 0xC0C0C0);
  Activate(f.app, true);
  EXPECT_EQ(lowerRight.back, 0x800000);
  EXPECT_EQ(lowerRight.fore, 0xFFFFFF);
  // With the skin the background stays the skin's; the text colour still follows.
  f.app.model.settings.options.UseSkin = true;
  Activate(f.app, false);
  EXPECT_EQ(lowerRight.back, 0x800000);
  EXPECT_EQ(lowerRight.fore, 0xC0C0C0);
}

TEST(TitleStrip, ClickClearsTheRunBoxWhenAsked) {
  TitleStripTest f;
  f.fake.runList.text = "notepad";
  f.Click(1);
  OnControlMouse(f.app, MouseEvent{MouseAction::Press, {ControlKind::Form, 0}});
  EXPECT_EQ(f.fake.runList.text, "notepad");
  f.app.model.settings.options.ClickClearsRun = true;
  f.Click(1);
  EXPECT_EQ(f.fake.runList.text, "");
  f.fake.runList.text = "calc";
  OnControlMouse(f.app, MouseEvent{MouseAction::Press, {ControlKind::Form, 0}});
  EXPECT_EQ(f.fake.runList.text, "");
}

std::vector<std::string> Captions(const Menu& menu) {
  std::vector<std::string> out;
  for (const MenuItem& item : menu) {
    out.push_back(item.separator ? "-" : item.caption + (item.enabled ? "" : " (off)"));
    for (const MenuItem& inner : item.submenu) {
      out.push_back("  " + inner.caption + (inner.enabled ? "" : " (off)"));
    }
  }
  return out;
}

TEST(MainMenu, HoldsTheDropModeSettingsHelpAndExit) {
  TitleStripTest f;
  const std::vector<std::string> withoutHelp{
      "編集 > 起動(&E)",         "-", "設定...(&C)", "ヘルプ(&H)", "  ヘルプの起動(&H) (off)",
      "  バージョン情報...(&A)", "-", "終了(&X)"};
  EXPECT_EQ(Captions(MainMenu(f.app)), withoutHelp);

  f.fake.files.AddFile("C:\\velmarin\\velmarin.hlp", "help");
  f.app.model.DropMode = true;
  f.Mouse(MouseAction::Press, 4, MouseButton::Right);
  ASSERT_EQ(f.fake.popupMenu.shown.size(), 1u);
  const std::vector<std::string> execMode{
      "起動 > 編集(&E)",         "-", "設定...(&C)", "ヘルプ(&H)", "  ヘルプの起動(&H)",
      "  バージョン情報...(&A)", "-", "終了(&X)"};
  EXPECT_EQ(Captions(f.fake.popupMenu.shown[0]), execMode);
  EXPECT_TRUE(f.app.model.DropMode) << "dismissed: nothing changes";
  EXPECT_FALSE(f.fake.system.ended);
  EXPECT_TRUE(f.app.form.MenuResult.empty());
}

TEST(MainMenu, CarriesOutTheChoice) {
  TitleStripTest f;
  auto choose = [&](const std::string& result) {
    f.fake.popupMenu.Script(result);
    f.Mouse(MouseAction::Press, 1, MouseButton::Right);
  };
  choose("DropMode");
  EXPECT_TRUE(f.app.model.DropMode);
  EXPECT_EQ(f.app.form.pushButtons[kDDExecuteIndex].Value(), 1);
  choose("DropMode");
  EXPECT_FALSE(f.app.model.DropMode);
  EXPECT_EQ(f.app.form.pushButtons[kDDExecuteIndex].Value(), 0);

  f.log.clear();
  choose("Config");
  choose("About");
  choose("Help");  // greyed without the help file: cannot be chosen
  EXPECT_EQ(f.log, (std::vector<std::string>{"ShowSettingsDialog", "ShowAboutBox"}));
  EXPECT_TRUE(f.fake.shell.executions.empty());

  f.fake.files.AddFile("C:\\velmarin\\velmarin.hlp", "help");
  choose("Help");
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\velmarin\\velmarin.hlp");
  EXPECT_FALSE(f.fake.system.ended);
  EXPECT_EQ(f.app.model.CurrentPage, 0) << "the right button never turns a page";
}

}  // namespace
}  // namespace velmarin
