#include "shell/skin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "shell/layout.h"
#include "shell/main_form.h"
#include "app/program_commands.h"

namespace velmarin {
namespace {

constexpr const char* kIni = "C:\\velmarin\\velmarin.ini";
constexpr const char* kSkin = "C:\\velmarin\\skin.bmp";
const ControlId kTitle{ControlKind::TitleBar, 1};
const ControlId kLowerRight{ControlKind::TitleBar, 2};
const ControlId kBack{ControlKind::TitleBar, 3};
const ControlId kNextPage{ControlKind::TitleBar, 6};
const ControlId kRun{ControlKind::Run, 0};
const ControlId kStorage{ControlKind::Storage, 0};

// The program as it runs, with the real commands and the fake backend.
struct Window {
  App app;
  FakePlatform fake;
  ProgramCommands commands{app};

  Window() {
    fake.Wire(app);
    app.commands = &commands;
    fake.files.AddFile("C:\\velmarin\\velmarin.icl", "icons");
    fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
    app.form.BorderWidth = 1;
    for (int16_t k = 0; k < 3; ++k) app.form.pushButtons[static_cast<size_t>(k)].SetIndex(k);
    app.model.settings.MaxButton = 10;
    ClampLimits(app.model);
  }
  void GiveSkin(PixelSize size) {
    app.model.settings.options.UseSkin = true;
    fake.files.AddFile(kSkin, "BM");
    fake.controls.skinFiles[kSkin] = size;
  }
  // The skin copies into a control, as "left,top WxH@x,y".
  std::vector<std::string> Skin(ControlId id) {
    std::vector<std::string> out;
    for (const auto& d : fake.controls.controls[id].drawn) {
      if (d.kind == "skin" || d.kind == "and") out.push_back(d.detail);
    }
    return out;
  }
};

using Cuts = std::vector<std::string>;

TEST(Skin, AWholeSkinGivesEachCellTheRectangleUnderIt) {
  Window w;
  w.GiveSkin({445, 158});
  Shape(w.app, true);
  EXPECT_EQ(w.app.form.skin, (PixelSize{445, 158}));
  // Arrow cells keep a 1-pixel frame of their face; the caption and the lower right cell none.
  EXPECT_EQ(w.Skin(kBack), Cuts{"1,1 35x15@1,1"});
  EXPECT_EQ(w.Skin(kNextPage), Cuts{"409,18 35x15@1,1"});
  EXPECT_EQ(w.Skin(kTitle), Cuts{"75,0 183x17@0,0"});
  EXPECT_EQ(w.Skin(kLowerRight), Cuts{"371,34 74x21@0,0"});
  // The shelf's background is the band under it.
  const auto& shelf = w.fake.controls.shelfBackground;
  EXPECT_EQ(shelf.size, (PixelSize{445, 102}));
  EXPECT_EQ(shelf.from, (PixelRect{0, 56, 445, 102}));
}

TEST(Skin, ASmallerSkinLeavesTheRestAsItWasAndALargerOneIsCut) {
  {
    Window w;
    w.GiveSkin({200, 30});  // covers the left part of the title strip only
    Shape(w.app, true);
    EXPECT_EQ(w.Skin(kTitle), Cuts{"75,0 125x17@0,0"}) << "only the covered part is copied";
    EXPECT_EQ(w.Skin(kBack), Cuts{"1,1 35x15@1,1"});
    EXPECT_TRUE(w.Skin(kLowerRight).empty());
    EXPECT_TRUE(w.Skin(kNextPage).empty());
    EXPECT_EQ(w.fake.controls.shelfBackground.size, (PixelSize{})) << "nothing under the shelf";
    EXPECT_EQ(w.fake.controls.controls[kNextPage].face, 1) << "the face stays";
  }
  {
    Window w;
    w.GiveSkin({150, 70});  // ends inside the shelf's band
    Shape(w.app, true);
    const auto& shelf = w.fake.controls.shelfBackground;
    EXPECT_EQ(shelf.size, (PixelSize{445, 102}));
    EXPECT_EQ(shelf.from, (PixelRect{0, 56, 150, 14}));
    EXPECT_EQ(shelf.x, 0);
    EXPECT_EQ(shelf.y, 0);
  }
  {
    Window w;
    w.GiveSkin({2000, 2000});
    Shape(w.app, true);
    // Held no larger than the window with its shelf open and the shelf's band below it.
    EXPECT_EQ(w.app.form.skin, (PixelSize{447, 262}));
    EXPECT_EQ(w.Skin(kLowerRight), Cuts{"371,34 74x21@0,0"}) << "same size: cut, not scaled";
    EXPECT_EQ(w.fake.controls.shelfBackground.from, (PixelRect{0, 56, 445, 102}));
  }
}

TEST(Skin, MarginsAndTheRunBox) {
  Window w;
  w.GiveSkin({445, 158});
  Shape(w.app, true);
  w.fake.controls.SetFace(kBack, FaceList::ImageList2, 1);
  SkinPaint(w.app, kBack, -3);
  EXPECT_EQ(w.Skin(kBack), Cuts{"0,0 37x17@0,0"}) << "a negative margin counts as 0";
  w.fake.controls.SetFace(kBack, FaceList::ImageList2, 1);
  SkinPaint(w.app, kBack, 20);
  EXPECT_TRUE(w.Skin(kBack).empty()) << "a margin larger than the cell copies nothing";
  // The Run box lies one pixel above the window's top: only what the skin covers is ANDed.
  SkinBlt(w.app, kRun);
  EXPECT_EQ(w.Skin(kRun), Cuts{"259,0 113x20@0,1"});
}

TEST(Skin, OffItChangesNothingAndLetsThePictureGo) {
  Window w;
  w.GiveSkin({445, 158});
  Shape(w.app, true);
  ASSERT_TRUE(w.fake.controls.skinPicture.has_value());
  w.app.model.settings.options.UseSkin = false;
  Shape(w.app, false);
  EXPECT_FALSE(w.fake.controls.skinPicture.has_value());
  EXPECT_EQ(w.fake.controls.shelfBackground.size, (PixelSize{}));
  EXPECT_EQ(w.app.form.skin, (PixelSize{}));
  EXPECT_TRUE(w.Skin(kBack).empty());
  EXPECT_TRUE(w.Skin(kTitle).empty());
  // A cell nothing else paints keeps its last skin until it is painted again.
  const size_t before = w.Skin(kLowerRight).size();
  SkinPaint(w.app, kLowerRight, 0);
  EXPECT_EQ(w.Skin(kLowerRight).size(), before);
  EXPECT_TRUE(w.fake.messageBox.shown.empty());
}

TEST(Skin, AnUnreadablePictureLeavesNoSkinAndNoMessage) {
  Window w;
  w.app.model.settings.options.UseSkin = true;
  w.fake.files.AddFile(kSkin, "not a bitmap");  // there, but the fake cannot load it
  Shape(w.app, true);
  EXPECT_TRUE(w.app.model.settings.options.UseSkin);
  EXPECT_EQ(w.app.form.skin, (PixelSize{}));
  EXPECT_TRUE(w.Skin(kTitle).empty());
  EXPECT_TRUE(w.fake.messageBox.shown.empty());
}

TEST(Skin, AMissingSkinIsToldOnceAndTheSavedSettingsForgetIt) {
  Window w;
  w.fake.files.AddFile(kIni, "MaxButton=10\r\nFlgAppearance=9\r\n\r\n");
  ASSERT_EQ(Form_Load(w.app), StartResult::Running);
  ASSERT_EQ(w.fake.messageBox.shown.size(), 1u);
  const ShownMessage& m = w.fake.messageBox.shown[0];
  EXPECT_EQ(m.text, "C:\\velmarin\\skin.bmp がみつかりません");
  EXPECT_EQ(m.title, "Skin取得のエラー");
  EXPECT_EQ(m.buttons, MbButtons::Ok);
  EXPECT_FALSE(w.app.model.settings.options.UseSkin);
  EXPECT_EQ(w.fake.controls.skinLoads, 0);
  Shape(w.app, false);  // the settings dialog lays the window out again
  EXPECT_EQ(w.fake.messageBox.shown.size(), 1u);
  UnloadAndEnd(w.app);
  const std::string saved = w.fake.files.Contents(kIni);
  EXPECT_NE(saved.find("FlgAppearance=1\r\n"), std::string::npos) << saved;
}

TEST(Colors, TheSettingsReachTheTitleTheRunBoxAndTheShelf) {
  Window w;
  Colors& k = w.app.model.settings.colors;
  k.ColTitleBarActFore = 0xFFFFFF;
  k.ColTitleBarActBack = 0x800000;
  k.ColTitleBarInActFore = 0x111111;
  k.ColTitleBarInActBack = 0x222222;
  k.ColRunFore = 0x0000FF;
  k.ColRunBack = 0xE0FFFF;
  k.ColStorageFore = 0x00FF00;
  k.ColStorageBack = 0x303030;
  Shape(w.app, true);
  auto& c = w.fake.controls.controls;
  EXPECT_EQ(c[kTitle].fore, 0xFFFFFF);
  EXPECT_EQ(c[kTitle].back, 0x800000) << "the active colours at start-up";
  EXPECT_EQ(c[kTitle].fontPoints, 10);
  EXPECT_TRUE(c[kTitle].bold);
  EXPECT_EQ(c[kRun].fore, 0x0000FF);
  EXPECT_EQ(c[kRun].back, 0xE0FFFF);
  EXPECT_EQ(c[kStorage].fore, 0x00FF00);
  EXPECT_EQ(c[kStorage].back, 0x303030);
}

// MaxButton 1, 10 and 12, with the shelf open and closed: the window's size, the cells shown,
// and the skin under the cells that move with the width.
TEST(Shape, WidthsFollowMaxButtonWithTheShelfOpenOrClosed) {
  struct Case {
    int maxButton;
    int outerWidth;
    int lowerRightLeft;
  };
  for (const Case c : {Case{1, 114, 38}, Case{10, 447, 371}, Case{12, 521, 445}}) {
    for (const bool open : {true, false}) {
      Window w;
      w.app.model.settings.MaxButton = static_cast<int16_t>(c.maxButton);
      w.app.model.settings.options.KeepStorageOpen = true;
      w.app.model.settings.options.SavedStorageOpen = open;
      w.GiveSkin({600, 200});
      Shape(w.app, true);
      SCOPED_TRACE(testing::Message() << c.maxButton << (open ? " open" : " closed"));
      EXPECT_EQ(w.fake.system.outer.width, c.outerWidth);
      EXPECT_EQ(w.fake.system.outer.height, open ? 160 : 57);
      EXPECT_EQ(w.app.model.StorageIsOpen, open);
      auto& cells = w.fake.controls.controls;
      const ControlId last{ControlKind::Picture1, c.maxButton - 1};
      const ControlId beyond{ControlKind::Picture1, c.maxButton};
      EXPECT_TRUE(cells[last].visible);
      if (c.maxButton < 12) {
        EXPECT_FALSE(cells[beyond].visible);
      }
      EXPECT_EQ(cells[kLowerRight].rect.left, c.lowerRightLeft);
      EXPECT_EQ(w.Skin(kLowerRight), Cuts{std::to_string(c.lowerRightLeft) + ",34 74x21@0,0"});
      EXPECT_EQ(w.fake.controls.shelfBackground.from.width, c.outerWidth - 2);
      if (c.maxButton == 1) {
        // The caption cell's negative width is refused: it keeps the size it had, none here.
        EXPECT_EQ(cells[kTitle].rect.width, 0);
        EXPECT_TRUE(w.Skin(kTitle).empty());
      }
    }
  }
}

TEST(Startup, TheShelfKeepsItsStateOnlyWhenAskedTo) {
  struct Case {
    const char* flgMode;
    bool open;
    const char* saved;
  };
  // KeepStorageOpen is bit 3, SavedStorageOpen bit 4.
  for (const Case c : {Case{"24", true, "FlgMode=24"}, Case{"8", false, "FlgMode=8"},
                       Case{"16", false, "FlgMode=0"}, Case{"0", false, "FlgMode=0"}}) {
    Window w;
    w.fake.files.AddFile(kIni, std::string("MaxButton=10\r\nFlgMode=") + c.flgMode + "\r\n\r\n");
    ASSERT_EQ(Form_Load(w.app), StartResult::Running);
    SCOPED_TRACE(c.flgMode);
    EXPECT_EQ(w.app.model.StorageIsOpen, c.open);
    EXPECT_EQ(w.fake.shelf.enabled, c.open);
    EXPECT_EQ(w.fake.system.outer.height, c.open ? 160 : 57);
    UnloadAndEnd(w.app);
    EXPECT_NE(w.fake.files.Contents(kIni).find(std::string(c.saved) + "\r\n"), std::string::npos);
  }
}

}  // namespace
}  // namespace velmarin
