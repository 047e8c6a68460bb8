#include "panel/pages.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/program_commands.h"
#include "launch/execute.h"
#include "pages_test_support.h"

namespace velmarin {
namespace {

using History = std::vector<int32_t>;

struct Pages : PagesFixture {
  // The history [0, 3, 5] as three direct switches leave it.
  void GoTo035() {
    PageChange(app, 0, true, false);
    PageChange(app, 3, false, false);
    PageChange(app, 5, false, false);
  }
};

TEST(Pages, StartUpShowsPageZeroAndRecordsIt) {
  PagesFixture f;
  CreatePageHistory(f.app);
  PageChange(f.app, 0, true, false);
  EXPECT_EQ(f.History(), History{0});
  EXPECT_EQ(f.Pos(), 1);
  EXPECT_EQ(f.ArrowIcon(kBackCell), kBackNoneIcon);
  EXPECT_EQ(f.ArrowIcon(kForwardCell), kForwardNoneIcon);
  // A forced switch to the page shown is recorded again.
  PageChange(f.app, 0, true, false);
  EXPECT_EQ(f.History(), (History{0, 0}));
}

TEST(Pages, BackThroughTheHistoryWithoutRecordingIt) {
  Pages f;
  f.GoTo035();
  ASSERT_EQ(f.History(), (History{0, 3, 5}));
  ASSERT_EQ(f.Pos(), 3);
  EXPECT_EQ(f.ArrowIcon(kBackCell), kBackIcon);
  // The lit arrow lies on a fresh up face, not over the grey one drawn before it.
  const auto& back = f.fake.controls.controls[{ControlKind::TitleBar, kBackCell}];
  EXPECT_EQ(back.faceList, FaceList::ImageList2);
  EXPECT_EQ(back.face, 1);
  EXPECT_EQ(back.drawn.size(), 1u);

  PageGo(f.app, -1);
  EXPECT_EQ(f.app.model.CurrentPage, 3);
  EXPECT_EQ(f.Pos(), 2);
  EXPECT_EQ(f.ArrowIcon(kBackCell), kBackIcon);
  EXPECT_EQ(f.ArrowIcon(kForwardCell), kForwardIcon);
  EXPECT_EQ(f.Caption(), std::vector<std::string>{"P3@3,2 10pt bold #0"});

  PageGo(f.app, -1);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
  EXPECT_EQ(f.Pos(), 1);
  EXPECT_EQ(f.ArrowIcon(kBackCell), kBackNoneIcon);

  f.log.clear();
  PageGo(f.app, -1);
  PageGo(f.app, 0);
  PageGo(f.app, 2);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
  EXPECT_EQ(f.Pos(), 1);
  EXPECT_TRUE(f.log.empty()) << "nothing behind: nothing redrawn";
  EXPECT_EQ(f.History(), (History{0, 3, 5})) << "stepping records nothing";

  PageGo(f.app, 1);
  PageGo(f.app, 1);
  EXPECT_EQ(f.app.model.CurrentPage, 5);
  EXPECT_EQ(f.ArrowIcon(kForwardCell), kForwardNoneIcon);
  PageGo(f.app, 1);
  EXPECT_EQ(f.Pos(), 3);
}

TEST(Pages, HistoryStepsOverPagesThatWereDeleted) {
  Pages f;
  f.GoTo035();
  PageChange(f.app, 1, false, false);
  ASSERT_EQ(f.History(), (History{0, 3, 5, 1}));
  // Pages 3 to 7 deleted (in the page dialog): back from page 1 goes to page 0 at once.
  f.app.model.PageCount = 3;
  f.app.model.Pages.resize(3);
  PageGo(f.app, -1);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
  EXPECT_EQ(f.Pos(), 1);
  EXPECT_EQ(f.ArrowIcon(kBackCell), kBackNoneIcon);
  EXPECT_EQ(f.ArrowIcon(kForwardCell), kForwardIcon);
  PageGo(f.app, 1);
  EXPECT_EQ(f.app.model.CurrentPage, 1);
  EXPECT_EQ(f.Pos(), 4);
  EXPECT_EQ(f.ArrowIcon(kForwardCell), kForwardNoneIcon);
  // Only deleted pages ahead: the position and the arrows stay as they are.
  PageGo(f.app, -1);
  f.app.model.Pages.resize(1);
  f.app.model.PageCount = 1;
  EnableGo(f.app);
  EXPECT_EQ(f.ArrowIcon(kForwardCell), kForwardNoneIcon);
  PageGo(f.app, 1);
  EXPECT_EQ(f.Pos(), 1);
  EXPECT_EQ(f.app.model.CurrentPage, 0);
}

TEST(Pages, GoingSomewhereNewAfterSteppingBackDropsWhatLayAhead) {
  Pages f;
  f.GoTo035();
  PageGo(f.app, -1);
  PageChange(f.app, 7, false, false);
  EXPECT_EQ(f.History(), (History{0, 3, 7}));
  EXPECT_EQ(f.Pos(), 3);
  EXPECT_EQ(f.ArrowIcon(kForwardCell), kForwardNoneIcon);
  EXPECT_EQ(f.ArrowIcon(kBackCell), kBackIcon);
}

TEST(Pages, ThePageAlreadyShownOrNoPageChangesNothing) {
  Pages f;
  f.GoTo035();
  f.log.clear();
  PageChange(f.app, 5, false, false);
  PageChange(f.app, 8, true, false);
  PageChange(f.app, -1, true, false);
  EXPECT_TRUE(f.log.empty());
  EXPECT_EQ(f.app.model.CurrentPage, 5);
  EXPECT_EQ(f.History(), (History{0, 3, 5}));
}

TEST(Pages, TheWindowTakesNoInputWhileTheRowIsRedrawn) {
  PagesFixture f;
  PageChange(f.app, 2, false, false);
  const std::vector<std::string> expected{
      "DisableMainWindow", "SkinPaint(0:1,0)", "RepaintPage",     "ApplyToolTips",
      "EnableMainWindow",  "SkinPaint(0:3,1)", "SkinPaint(0:4,1)"};  // the arrows last
  EXPECT_EQ(f.log, expected);
  EXPECT_EQ(f.Caption(), std::vector<std::string>{"P2@3,2 10pt bold #0"});
}

TEST(Pages, AFailingRedrawStillEnablesTheWindowAndRecordsThePage) {
  PagesFixture f;
  struct Failing : FakeCommands {
    void RepaintPage() override { throw std::runtime_error("no row"); }
    void SkinPaint(ControlId, int) override { throw std::runtime_error("no skin"); }
  } failing;
  f.app.commands = &failing;
  PageChange(f.app, 4, false, false);
  EXPECT_TRUE(f.fake.system.enabled);
  EXPECT_EQ(f.app.model.CurrentPage, 4);
  EXPECT_EQ(f.History(), History{4});
  EXPECT_EQ(f.Caption().size(), 1u) << "the caption is drawn although the skin failed";
}

TEST(Pages, CaptionTakesTheTitleColourOfTheWindowState) {
  PagesFixture f;
  Colors& c = f.app.model.settings.colors;
  c.ColTitleBarActFore = 0xFFFFFF;
  c.ColTitleBarActBack = 0x800000;
  c.ColTitleBarInActFore = 0xC0C0C0;
  c.ColTitleBarInActBack = 0x808080;
  PageChange(f.app, 1, false, false);
  const auto& cell = f.fake.controls.controls[{ControlKind::TitleBar, 1}];
  EXPECT_EQ(cell.clearedTo, 0x800000);
  EXPECT_EQ(f.Caption(), std::vector<std::string>{"P1@3,2 10pt bold #16777215"});
  f.app.form.title.active = false;
  RedrawCaptionCell(f.app);
  EXPECT_EQ(cell.clearedTo, 0x808080);
  EXPECT_EQ(f.Caption(), std::vector<std::string>{"P1@3,2 10pt bold #12632256"});
}

TEST(Pages, TheGroupCommandSwitchesPagesInTheProgram) {
  PagesFixture f;
  ProgramCommands commands(f.app);
  f.app.commands = &commands;
  commands.CreatePageHistory();
  commands.PageChange(0, true, false);
  f.app.model.Pages[6].Caption = "Tools";
  VelmExec(f.app, ",Tools", "");
  EXPECT_EQ(f.app.model.CurrentPage, 6);
  EXPECT_EQ(f.History(), (History{0, 6}));
  VelmExec(f.app, ",NoSuchPage", "");
  EXPECT_EQ(f.app.model.CurrentPage, 6);
}

}  // namespace
}  // namespace velmarin
