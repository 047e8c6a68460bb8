#include "shell/layout.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "core/desktop_units.h"
#include "fake/fake_platform.h"
#include "panel/push_button.h"
#include "settings_test_support.h"

namespace velmarin {
namespace {

TEST(Geometry, TenButtonsGiveTheDesignedWindow) {
  const WindowGeometry g = ComputeGeometry(10, 37, 37);
  EXPECT_EQ(g.clientWidth, 445);
  EXPECT_EQ(g.clientHeightClosed, 55);
  EXPECT_EQ(g.clientHeightOpen, 158);
  EXPECT_EQ(g.titleBar[1], (PixelRect{75, 0, 183, 17}));
  EXPECT_EQ(g.titleBar[3], (PixelRect{0, 0, 37, 17}));
  EXPECT_EQ(g.titleBar[4], (PixelRect{37, 0, 37, 17}));
  EXPECT_EQ(g.run, (PixelRect{259, -1, 113, 21}));
  EXPECT_EQ(g.storageOpen, (PixelRect{371, 0, 37, 17}));
  EXPECT_EQ(g.ddExecute, (PixelRect{408, 0, 19, 17}));
  EXPECT_EQ(g.tClose, (PixelRect{428, 0, 17, 17}));
  EXPECT_EQ(g.titleBar[5], (PixelRect{371, 17, 37, 17}));
  EXPECT_EQ(g.titleBar[6], (PixelRect{408, 17, 37, 17}));
  EXPECT_EQ(g.titleBar[2], (PixelRect{371, 34, 74, 21}));
  EXPECT_EQ(g.cells[0], (PixelRect{0, 17, 37, 37}));
  EXPECT_EQ(g.cells[9], (PixelRect{333, 17, 37, 37}));
  EXPECT_EQ(g.storage, (PixelRect{0, 56, 445, 102}));
  // The close cell ends flush with the client's right edge.
  EXPECT_EQ(g.tClose.left + g.tClose.width, g.clientWidth);
}

TEST(Geometry, FewButtonsGiveANegativeTitleWidthAndTheFrameIsHalfTheDifference) {
  const WindowGeometry one = ComputeGeometry(1, 37, 37);
  EXPECT_EQ(one.clientWidth, 112);
  EXPECT_LT(one.titleBar[1].width, 0);
  EXPECT_LT(one.run.left, 75);
  EXPECT_EQ(ComputeGeometry(12, 37, 37).clientWidth, 519);
  EXPECT_EQ(BorderWidthOf(447, 445), 1);
  EXPECT_EQ(BorderWidthOf(451, 445), 3);
}

TEST(Geometry, PositionsWrapOntoTheScreenKeepingTheirSign) {
  const int32_t width = 1024 * 15;
  EXPECT_EQ(WrapOnScreen(30000.f, width), 14640);
  EXPECT_EQ(WrapOnScreen(-100.f, width), -100);
  EXPECT_EQ(WrapOnScreen(-20000.f, width), -4640);
  EXPECT_EQ(WrapOnScreen(1500.f, width), 1500);
  EXPECT_EQ(WrapOnScreen(1e30f, width), 0) << "a wild value lands at the edge, not a crash";
  EXPECT_EQ(WrapOnScreen(100.f, 0), 100);
}

struct Laid {
  App app;
  FakePlatform fake;
  Laid() {
    fake.Wire(app);
    app.model.settings.MaxButton = 10;
    ClampLimits(app.model);
    app.form.BorderWidth = 1;
    for (int16_t k = 0; k < 3; ++k) app.form.pushButtons[static_cast<size_t>(k)].SetIndex(k);
  }
  const FakeControls::Control& Cell(ControlKind kind, int index = 0) {
    return fake.controls.controls[{kind, index}];
  }
};

TEST(Shape, PlacesTheControlsAndSizesTheWindow) {
  Laid l;
  l.fake.files.AddFile("C:\\velmarin\\velmarin.icl", "icons");
  l.fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
  l.app.model.hasWindowLeft = true;
  l.app.model.WindowLeft = 30000;  // beyond the right edge of a 1024-pixel screen
  l.app.model.hasWindowTop = true;
  l.app.model.WindowTop = 1500;
  l.app.model.settings.options.KeepStorageOpen = true;
  l.app.model.settings.options.SavedStorageOpen = true;
  Shape(l.app, true);
  EXPECT_EQ(l.app.model.WindowLeft, 14640.f);
  EXPECT_EQ(l.fake.system.outer, (PixelRect{976, 100, 447, 160})) << "open shelf height";
  EXPECT_EQ(l.app.model.settings.TitleTop, 17 * 15);
  EXPECT_EQ(l.app.model.settings.PanelLeft, 0);
  EXPECT_EQ(l.Cell(ControlKind::TClose).rect, (PixelRect{428, 0, 17, 17}));
  EXPECT_EQ(l.Cell(ControlKind::Run).rect, (PixelRect{259, -1, 113, 21}));
  EXPECT_EQ(l.Cell(ControlKind::Storage).rect, (PixelRect{0, 56, 445, 102}));
  EXPECT_EQ(l.Cell(ControlKind::Picture1, 9).rect, (PixelRect{333, 17, 37, 37}));
  EXPECT_TRUE(l.Cell(ControlKind::Picture1, 9).visible);
  EXPECT_EQ(l.Cell(ControlKind::Picture1, 9).face, 1) << "an up face until the page is drawn";
  EXPECT_FALSE(l.Cell(ControlKind::Picture1, 10).visible);
  EXPECT_TRUE(l.fake.system.visible);
  // The arrow cells: back and forward in their "nothing there" look, previous and next page.
  const int arrows[4] = {3, 4, 5, 6};
  const char* icons[4] = {"#0@2,1", "#3@2,1", "#1@2,1", "#4@2,1"};
  for (int k = 0; k < 4; ++k) {
    const auto& cell = l.Cell(ControlKind::TitleBar, arrows[k]);
    EXPECT_EQ(cell.faceList, FaceList::ImageList2);
    EXPECT_EQ(cell.face, 1);
    ASSERT_EQ(cell.drawn.size(), 1u);
    EXPECT_EQ(cell.drawn[0].detail, std::string("C:\\velmarin\\velmarin.icl") + icons[k]);
  }
}

TEST(Shape, ShelfAndDropModeFollowTheirOptions) {
  struct Case {
    bool firstTime, keepOpen, savedOpen;
    bool open, savedAfter;
  };
  // With the state kept the shelf opens as it was left, at start-up and after the settings
  // dialog; without it the shelf starts closed and the saved state is forgotten.
  const Case cases[] = {
      {true, true, true, true, true},     {true, true, false, false, false},
      {true, false, true, false, false},  {false, true, true, true, true},
      {false, false, true, false, false},
  };
  for (const Case& c : cases) {
    Laid l;
    l.app.model.settings.options.KeepStorageOpen = c.keepOpen;
    l.app.model.settings.options.SavedStorageOpen = c.savedOpen;
    Shape(l.app, c.firstTime);
    EXPECT_EQ(l.app.model.StorageIsOpen, c.open);
    EXPECT_EQ(l.app.model.settings.options.SavedStorageOpen, c.savedAfter);
    EXPECT_EQ(l.fake.shelf.enabled, c.open);
    EXPECT_EQ(l.fake.system.outer.height, c.open ? 160 : 57);
    const PushButton& toggle = l.app.form.pushButtons[kStorageOpenIndex];
    EXPECT_EQ(toggle.Value(), c.open ? 1 : 0);
    EXPECT_EQ(toggle.Pushed(), c.open);
    EXPECT_EQ(l.Cell(ControlKind::StorageOpen).face, c.open ? 2 : 1);
  }
  // At start-up the mode comes from the options; laid out again later, it stays as it was.
  struct Mode {
    bool firstTime, keep, saved, startExec, before, dropMode;
  };
  for (const Mode c :
       {Mode{true, true, false, true, false, false}, Mode{true, true, true, false, false, true},
        Mode{true, false, true, false, true, false}, Mode{false, true, true, false, true, true},
        Mode{false, false, false, true, false, false}}) {
    Laid l;
    Options& o = l.app.model.settings.options;
    o.KeepDropMode = c.keep;
    o.SavedDropMode = c.saved;
    o.StartInExecuteMode = c.startExec;
    l.app.model.DropMode = c.before;
    Shape(l.app, c.firstTime);
    EXPECT_EQ(l.app.model.DropMode, c.dropMode);
    EXPECT_EQ(l.app.form.pushButtons[kDDExecuteIndex].Value(), c.dropMode ? 1 : 0);
  }
}

TEST(PushButton, IndexBindsItsCellAndTheFaceFollowsPushed) {
  App app;
  FakePlatform fake;
  fake.Wire(app);
  fake.files.AddFile("C:\\velmarin\\velmarin.icl", "icons");
  fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
  app.model.settings.MaxButton = 10;
  PushButton button;
  button.SetIndex(5);
  EXPECT_FALSE(button.Picture().has_value());
  PaintPushButton(app, button);  // bound to nothing: draws nothing
  EXPECT_TRUE(fake.controls.controls.empty());
  button.SetIndex(kDDExecuteIndex);
  EXPECT_EQ(button.Picture(), (ControlId{ControlKind::DDExecute, 0}));
  button.SetValue(1);
  button.SetPushed(true);
  PaintPushButton(app, button);
  const auto& cell = fake.controls.controls[{ControlKind::DDExecute, 0}];
  EXPECT_EQ(cell.face, 4);
  ASSERT_EQ(cell.drawn.size(), 1u);
  EXPECT_EQ(cell.drawn[0].detail, "C:\\velmarin\\velmarin.icl#9@1,1");
}

// A place on any monitor is kept, so the window stays on a second one; a place on none comes
// back round the primary screen (1024 x 768), keeping its sign.
TEST(Shape, APlaceOnAMonitorIsKeptAndOneOnNoneWrapsRoundThePrimaryScreen) {
  const std::vector<PixelRect> rightOfIt = {{0, 0, 1024, 738}, {1024, 0, 1280, 1024}};
  const std::vector<PixelRect> leftOfIt = {{0, 0, 1024, 738}, {-1280, -100, 1280, 1024}};
  struct Case {
    std::vector<PixelRect> monitors;
    int left, top, wantLeft, wantTop;
  } cases[] = {
      {rightOfIt, 1224, 100, 1224, 100},    // on the second monitor
      {rightOfIt, 2300, 900, 2300, 900},    // partly on its lower right corner
      {rightOfIt, 3000, 100, 952, 100},     // beyond both
      {rightOfIt, 1224, 1100, 200, 332},    // below both
      {rightOfIt, 100, 740, 100, 740},      // under the first one's task bar: wraps onto itself
      {{}, 1224, 100, 200, 100},            // the second monitor unplugged since
      {{}, -500, 100, -500, 100},           // off the left edge, the sign kept
      {leftOfIt, -500, -50, -500, -50},     // on a monitor left of the primary one
  };
  for (const Case& c : cases) {
    Laid l;
    l.fake.screen.workAreas = c.monitors;
    l.app.model.hasWindowLeft = l.app.model.hasWindowTop = true;
    l.app.model.WindowLeft = static_cast<float>(c.left * 15);
    l.app.model.WindowTop = static_cast<float>(c.top * 15);
    Shape(l.app, true);
    EXPECT_EQ(l.fake.system.outer.left, c.wantLeft) << c.left << "," << c.top;
    EXPECT_EQ(l.fake.system.outer.top, c.wantTop) << c.left << "," << c.top;
  }
}

// On a screen of another DPI the window is laid out again where the system put it; what the user
// chose (the open shelf, execute mode, the page) stays, unlike a Shape after the settings dialog.
TEST(Shape, AgainOnAnotherScreenKeepsTheShelfTheModeAndThePlace) {
  for (const bool open : {true, false}) {
    Laid l;
    Shape(l.app, true);
    l.app.model.StorageIsOpen = open;
    l.app.model.DropMode = true;
    ShapeAgain(l.app, 150, 100);
    EXPECT_EQ(l.app.model.WindowLeft, 150 * 15.f);
    EXPECT_EQ(l.app.model.WindowTop, 100 * 15.f);
    EXPECT_EQ(l.fake.system.outer, (PixelRect{150, 100, 447, open ? 160 : 57}));
    EXPECT_EQ(l.app.model.StorageIsOpen, open);
    EXPECT_TRUE(l.app.model.DropMode);
    EXPECT_EQ(l.Cell(ControlKind::TClose).rect, (PixelRect{428, 0, 17, 17}));
    EXPECT_EQ(l.Cell(ControlKind::Picture1, 9).rect, (PixelRect{333, 17, 37, 37}));
  }
}

// The kept place follows the window wherever something moved it; a hand-written place that lies
// between two twips of the same pixel is not rewritten when the window did not leave that pixel.
TEST(Shape, TheKeptPlaceFollowsTheWindow) {
  Laid l;
  l.app.model.WindowLeft = 1507;
  l.app.model.hasWindowLeft = true;
  l.app.model.hasWindowTop = true;
  l.app.model.WindowTop = 1200;
  Shape(l.app, true);
  MainWindowMoved(l.app, 100, 80);
  EXPECT_EQ(l.app.model.WindowLeft, 1507.f);
  EXPECT_EQ(l.app.model.WindowTop, 1200.f);
  MainWindowMoved(l.app, 300, -20);
  EXPECT_EQ(l.app.model.WindowLeft, 300 * 15.f);
  EXPECT_EQ(l.app.model.WindowTop, -20 * 15.f);
}

// Three monitors side by side, each of its own DPI: a place on any of them is saved in twips at
// the system's one DPI and comes back to the pixel at the next start, whichever monitor the
// window stood on and whatever the primary monitor's DPI was when the user signed in.
TEST(Shape, APlaceKeptOnAMonitorOfAnyDpiComesBackToThePixel) {
  // 96 DPI primary 1920 x 1080; 144 DPI 2880 x 1620 right of it; 192 DPI 3840 x 2160 left of it.
  const std::vector<PixelRect> monitors = {
      {0, 0, 1920, 1040}, {1920, 0, 2880, 1580}, {-3840, -500, 3840, 2120}};
  struct Row {
    int systemDpi;
    int left, top;  // where the window was left, screen pixels
    const char* x;  // what the file keeps, twips
    const char* y;
  } rows[] = {
      // Signed in with the 96 DPI monitor primary: 15 twips a pixel on every monitor.
      {96, 100, 200, "X=1500", "Y=3000"},    // on the primary monitor
      {96, 2500, 300, "X=37500", "Y=4500"},  // on the 150 % one, not a third of the way off
      {96, -1001, -3, "X=-15015", "Y=-45"},  // on the 200 % one, left of and above the primary
      // Signed in at 150 %: 10 twips a pixel.
      {144, 100, 200, "X=1000", "Y=2000"},
      {144, 2500, 301, "X=25000", "Y=3010"},
      {144, -1001, -3, "X=-10010", "Y=-30"},
      // Signed in at 200 %: 7.5 twips a pixel, whole twips rounded away from zero.
      {192, 101, 3, "X=758", "Y=23"},
      {192, 2501, 301, "X=18758", "Y=2258"},
      {192, -1001, -3, "X=-7508", "Y=-23"},
  };
  const std::string file = IniWithLimits({"G=0"});
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.systemDpi) + " DPI at " + std::to_string(row.left) + "," +
                 std::to_string(row.top));
    SettingsFixture before;
    before.fake.screen.systemDpi = row.systemDpi;
    before.fake.screen.workAreas = monitors;
    ASSERT_EQ(before.LoadAndStart(file), LoadResult::Loaded);
    Shape(before.app, true);
    MainWindowMoved(before.app, row.left, row.top);  // the user left the window there
    ASSERT_TRUE(SaveSettings(before.app));
    EXPECT_NE(before.Saved().find(std::string(row.x) + "\r\n"), std::string::npos)
        << before.Saved();
    EXPECT_NE(before.Saved().find(std::string(row.y) + "\r\n"), std::string::npos);

    SettingsFixture after;
    after.fake.screen.systemDpi = row.systemDpi;
    after.fake.screen.workAreas = monitors;
    ASSERT_EQ(after.LoadAndStart(before.Saved()), LoadResult::Loaded);
    Shape(after.app, true);
    EXPECT_EQ(after.fake.system.outer.left, row.left);
    EXPECT_EQ(after.fake.system.outer.top, row.top);
  }
}

// Pixels and twips at the system's DPI: every pixel comes back from its twips, and a DPI the
// system cannot give counts as 96.
TEST(DesktopUnits, EveryPixelComesBackFromItsTwips) {
  for (int dpi : {72, 96, 120, 144, 168, 192, 240, 288}) {
    const DesktopUnits units(dpi);
    for (int pixel = -40000; pixel <= 40000; pixel += 7) {
      ASSERT_EQ(units.Pixels(units.Twips(pixel)), pixel) << dpi;
    }
  }
  // At 96 DPI as it always was: whole twips divided by 15, toward zero.
  EXPECT_EQ(DesktopUnits(96).Pixels(29.9), 1);
  EXPECT_EQ(DesktopUnits(96).Pixels(-100), -6);
  EXPECT_EQ(DesktopUnits(0), DesktopUnits(96));
  EXPECT_EQ(DesktopUnits(5000), DesktopUnits(96));
  EXPECT_EQ(DesktopUnits(96).Pixels(std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
}  // namespace velmarin
