#include "panel/draw_icon.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace velmarin {
namespace {

constexpr const char* kLibrary = "C:\\velmarin\\velmarin.icl";
const ControlId kCell{ControlKind::Picture1, 0};

struct Painter {
  App app;
  FakePlatform fake;
  Painter() {
    fake.Wire(app);
    app.model.settings.MaxButton = 10;
    app.model.settings.MaxDrawer = 4;
    ClampLimits(app.model);
    fake.files.AddFile(kLibrary, "icons");
    fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
  }
  // What the cell shows after drawing `path` with the given icon fields.
  std::vector<FakeControls::Drawn> Draw(const std::string& path, int16_t iconIndex = 0,
                                        const std::string& iconFile = "") {
    fake.controls.controls.clear();
    MyDrawIcon(app, path, 0, 2, 2, kCell, iconIndex, iconFile, false);
    EXPECT_EQ(fake.controls.liveIcons, 0) << "every extracted icon is destroyed";
    return fake.controls.controls[kCell].drawn;
  }
};

std::string Only(const std::vector<FakeControls::Drawn>& drawn) {
  if (drawn.size() != 1) return "drawn " + std::to_string(drawn.size()) + " things";
  return drawn[0].kind + ":" + drawn[0].detail;
}

TEST(MyDrawIcon, ChoosesTheIconSourceAndFallsBackToTheLibrary) {
  Painter p;
  p.fake.files.AddFile("C:\\tools\\app.exe");
  p.fake.controls.iconFiles["C:\\TOOLS\\APP.EXE"] = 3;
  p.fake.files.AddFile("C:\\icons\\set.dll");
  p.fake.controls.iconFiles["C:\\ICONS\\SET.DLL"] = 5;
  // An ordinary item: its own file at IconIndex; its IconFile is ignored.
  EXPECT_EQ(Only(p.Draw("C:\\tools\\app.exe", 2, "C:\\icons\\set.dll")),
            "icon:C:\\tools\\app.exe#2@2,2");
  // A deleted file shows the library's missing-file icon, not a text.
  EXPECT_EQ(Only(p.Draw("C:\\tools\\gone.exe")), std::string("icon:") + kLibrary + "#13@2,2");
  // An internal name: its icon file at IconIndex (spaces trimmed), or the library's icon 12.
  EXPECT_EQ(Only(p.Draw(",EXIT", 4, "  C:\\icons\\set.dll ")), "icon:C:\\icons\\set.dll#4@2,2");
  EXPECT_EQ(Only(p.Draw(",EXIT")), std::string("icon:") + kLibrary + "#12@2,2");
  // A drive root is an ordinary item: its own icon.
  p.fake.files.AddFolder("C:\\");
  p.fake.controls.iconFiles["C:\\"] = 1;
  EXPECT_EQ(Only(p.Draw("C:\\")), "icon:C:\\#0@2,2");
  // An empty slot gets no icon and no text.
  EXPECT_TRUE(p.Draw("").empty());
}

TEST(MyDrawIcon, FallbackTextsSayWhyThereIsNoIcon) {
  Painter p;
  p.fake.files.AddFile("C:\\notes.txt");
  p.fake.controls.iconFiles["C:\\NOTES.TXT"] = 0;  // exists, holds no icon
  EXPECT_EQ(Only(p.Draw("C:\\notes.txt")), "text:ICON\r\nNOT\r\nINCLUDED");
  // An icon index past the file's last icon.
  p.fake.files.AddFile("C:\\tools\\one.exe");
  p.fake.controls.iconFiles["C:\\TOOLS\\ONE.EXE"] = 1;
  EXPECT_EQ(Only(p.Draw("C:\\tools\\one.exe", 3)), "text:ICON\r\nNOT\r\nFOUND");
  // Without the library, a missing item says the file is not there.
  p.fake.files.Remove(kLibrary);
  p.fake.controls.iconFiles.clear();
  EXPECT_EQ(Only(p.Draw("C:\\tools\\gone.exe")), "text:FILE\r\nNOT\r\nFOUND");
}

TEST(MyDrawIcon, TheShellsIconWhenTheFileGivesNone) {
  Painter p;
  p.fake.files.AddFolder("C:\\windows");
  p.fake.controls.iconFiles["C:\\WINDOWS"] = 1;
  p.fake.controls.shellIcons = {"C:\\WINDOWS", "C:\\VELMARIN\\VELMARIN.ICL"};
  // An index the file lacks: the shell's icon, not "ICON NOT FOUND".
  EXPECT_EQ(Only(p.Draw("C:\\windows", 5)), "icon:shell:C:\\windows@2,2");
  // The file's own icon, a missing file and a file with no icons never ask the shell.
  p.fake.controls.shellIconQuestions.clear();
  EXPECT_EQ(Only(p.Draw("C:\\windows", 0)), "icon:C:\\windows#0@2,2");
  EXPECT_EQ(Only(p.Draw("C:\\gone.exe")), std::string("icon:") + kLibrary + "#13@2,2");
  p.fake.files.AddFile("C:\\empty.dat");
  p.fake.controls.iconFiles["C:\\EMPTY.DAT"] = 0;
  EXPECT_EQ(Only(p.Draw("C:\\empty.dat")), "text:ICON\r\nNOT\r\nINCLUDED");
  EXPECT_TRUE(p.fake.controls.shellIconQuestions.empty());
  // A library that lost an icon keeps the text: its file is no item of the user's.
  p.fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 12;
  EXPECT_EQ(Only(p.Draw("C:\\gone.exe")), "text:ICON\r\nNOT\r\nFOUND");
  // An internal name's own icon file is asked like an item's.
  p.fake.controls.shellIcons.insert("C:\\ICONS\\NONE.EXE");
  p.fake.files.AddFile("C:\\icons\\none.exe");
  p.fake.controls.iconFiles["C:\\ICONS\\NONE.EXE"] = 1;
  EXPECT_EQ(Only(p.Draw(",EXIT", 3, "C:\\icons\\none.exe")), "icon:shell:C:\\icons\\none.exe@2,2");
}

TEST(MyDrawIcon, DrawerTicksAndSlotRange) {
  Painter p;
  p.app.model.settings.options.ShowDrawerCount = true;
  Button& button = p.app.model.Pages[0].Buttons[3];
  button.Drawer[0] = "C:\\a.txt";
  button.Drawer[2] = "C:\\b.txt";  // slot 1 empty: still two ticks
  MyDrawIcon(p.app, "", 3, 2, 2, kCell, 0, "", true);
  const auto& drawn = p.fake.controls.controls[kCell].drawn;
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].detail, "3,0-3,2");
  EXPECT_EQ(drawn[1].detail, "6,0-6,2");
  // Items in slots beyond MaxDrawer (kept from a larger limit) are not counted.
  p.fake.controls.controls.clear();
  p.app.model.settings.MaxDrawer = 2;
  MyDrawIcon(p.app, "", 3, 2, 2, kCell, 0, "", true);
  ASSERT_EQ(p.fake.controls.controls[kCell].drawn.size(), 1u);
  EXPECT_EQ(p.fake.controls.controls[kCell].drawn[0].detail, "3,0-3,2");
  // Off, no ticks; a slot outside 0..MaxButton-1 draws nothing at all.
  p.fake.controls.controls.clear();
  p.app.model.settings.options.ShowDrawerCount = false;
  MyDrawIcon(p.app, "", 3, 2, 2, kCell, 0, "", true);
  EXPECT_TRUE(p.fake.controls.controls[kCell].drawn.empty());
  p.fake.controls.controls.clear();
  MyDrawIcon(p.app, ",EXIT", 10, 2, 2, kCell, 0, "", true);
  EXPECT_TRUE(p.fake.controls.controls.empty());
}

}  // namespace
}  // namespace velmarin
