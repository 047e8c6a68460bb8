#include <gtest/gtest.h>

#include "launch/cpl_list.h"
#include "launch/names.h"
#include "fake/fake_platform.h"

namespace velmarin {
namespace {

class NamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake.Wire(app);
    CplListLoad(app);
    app.model.PageCount = 3;
    app.model.Pages.resize(3);
    app.model.settings.MaxButton = 10;
    app.model.Pages[0].Caption = "Main";
    app.model.Pages[1].Caption = "Tools";
    app.model.Pages[2].Caption = "Tools";
  }
  Button Parts(const std::string& path) {
    Button b;
    b.Path = path;
    SetPathParts(app, b);
    return b;
  }
  App app;
  FakePlatform fake;
};

TEST_F(NamesTest, InternalNamesAreCommandWordsOrExactCaptions) {
  EXPECT_TRUE(isVelmName(app, ",exit"));
  EXPECT_TRUE(isVelmName(app, ",Exit"));
  EXPECT_TRUE(isVelmName(app, ",12"));
  EXPECT_FALSE(isVelmName(app, "EXIT"));
  EXPECT_FALSE(isVelmName(app, ""));
  EXPECT_FALSE(isVelmName(app, ",13"));
  EXPECT_FALSE(isVelmName(app, ",01"));
  EXPECT_FALSE(isVelmName(app, ",1.0"));
  EXPECT_TRUE(isVelmName(app, ",Tools"));
  EXPECT_FALSE(isVelmName(app, ",tools"));
  EXPECT_TRUE(isVelmName(app, ","));  // the empty rest names page 0
  app.model.Pages[2].Caption = "13";
  EXPECT_TRUE(isVelmName(app, ",13"));
}

TEST_F(NamesTest, GroupNamesFindTheLowestPage) {
  EXPECT_EQ(SearchGroupName(app.model, ""), 0);
  EXPECT_EQ(SearchGroupName(app.model, "Tools"), 1);
  EXPECT_EQ(SearchGroupName(app.model, "tools"), -1);
  EXPECT_EQ(SearchGroupName(app.model, "Main"), 0);
  EXPECT_EQ(SearchGroupName(app.model, "Nothing"), -1);
}

TEST_F(NamesTest, ToolTipSearchTakesPageThenSlotOrderAndFillsTheList) {
  app.model.Pages[0].Buttons[5].ToolTip = "notes";
  app.model.Pages[1].Buttons[0].ToolTip = "Notepad";
  app.model.Pages[0].Buttons[2].ToolTip = "Nothing";
  app.model.Pages[0].Buttons[11].ToolTip = "no slot beyond MaxButton";
  fake.runList.items = {"old", "entries"};

  EXPECT_EQ(SearchToolTip(app, "no", false), "Nothing");
  EXPECT_EQ(fake.runList.items.size(), 2u) << "the list is touched only when asked";

  EXPECT_EQ(SearchToolTip(app, "NO", true), "Nothing");
  EXPECT_EQ(fake.runList.items, (std::vector<std::string>{"Nothing", "notes", "Notepad"}));

  EXPECT_EQ(SearchToolTip(app, "", true), "");
  EXPECT_TRUE(fake.runList.items.empty());
  EXPECT_EQ(SearchToolTip(app, "zz", true), "");
  EXPECT_TRUE(fake.runList.items.empty());

  EXPECT_EQ(FindButtonByToolTip(app.model, "Notepad").ToolTip, "Notepad");
  EXPECT_EQ(FindButtonByToolTip(app.model, "notepad").ToolTip, "");
  EXPECT_EQ(FindButtonByToolTip(app.model, "").ToolTip, "");
}

TEST(PathText, FileNamesExtensionsAndQuotes) {
  EXPECT_EQ(SearchRCh("C:\\a\\b.txt", "\\", 0), 5);
  EXPECT_EQ(SearchRCh("abc", "\\", 0), 0);
  EXPECT_EQ(SearchRCh("a\\b", "\\", 3), 3);
  EXPECT_EQ(GetFileName("C:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(GetFileName("b.txt"), "b.txt");
  EXPECT_EQ(GetFileName("C:\\a\\"), "");
  EXPECT_EQ(GetExt("b.tar.gz"), "GZ");
  EXPECT_EQ(GetExt("README"), "");
  EXPECT_EQ(GetExt("x.Exe"), "EXE");
  EXPECT_EQ(AddDQs("a b"), "\"a b\"");
  EXPECT_EQ(AddDQs("\"a b\""), "\"a b\"");
  EXPECT_EQ(AddDQs("\"a"), "\"a\"");
  EXPECT_EQ(AddDQs(""), "\"");
  EXPECT_EQ(AddDQs("\""), "\"");
}

TEST(PathText, DriveRoots) {
  EXPECT_TRUE(IsDriveRoot("C:"));
  EXPECT_TRUE(IsDriveRoot("C:\\"));
  EXPECT_TRUE(IsDriveRoot("\\"));
  EXPECT_FALSE(IsDriveRoot("C:\\a"));
  EXPECT_FALSE(IsDriveRoot(""));
  EXPECT_FALSE(IsDriveRoot("abc"));
  EXPECT_FALSE(IsDriveRoot("ab:\\"));
  EXPECT_TRUE(IsDriveRoot("あ:"));  // three characters, however many bytes
}

TEST_F(NamesTest, PathPartsOfFilesFoldersRootsAndInternalNames) {
  Button b = Parts("C:\\Tools\\ed.exe");
  EXPECT_EQ(b.DriveName, "C:");
  EXPECT_EQ(b.ParentFolder, "C:\\Tools");
  EXPECT_EQ(b.FileName, "ed.exe");
  EXPECT_EQ(b.BaseName, "ed");
  EXPECT_EQ(b.Extension, "exe");

  b = Parts("C:\\ed.exe");
  EXPECT_EQ(b.ParentFolder, "C:\\");
  b = Parts("C:\\My Files\\archive.tar.gz");
  EXPECT_EQ(b.BaseName, "archive.tar");
  EXPECT_EQ(b.Extension, "gz");
  b = Parts("C:\\Tools\\");
  EXPECT_EQ(b.FileName, "Tools");
  EXPECT_EQ(b.ParentFolder, "C:\\");
  b = Parts("C:\\");
  EXPECT_EQ(b.DriveName, "C:");
  EXPECT_EQ(b.FileName, "");
  EXPECT_EQ(b.ParentFolder, "");
  b = Parts("\\\\server\\share\\doc.txt");
  EXPECT_EQ(b.DriveName, "\\\\server\\share");
  EXPECT_EQ(b.ParentFolder, "\\\\server\\share\\");
  EXPECT_EQ(b.FileName, "doc.txt");
  b = Parts("D:\\日本語\\メモ.txt");
  EXPECT_EQ(b.BaseName, "メモ");
  EXPECT_EQ(b.ParentFolder, "D:\\日本語");
  b = Parts("README");
  EXPECT_EQ(b.DriveName, "");
  EXPECT_EQ(b.Extension, "");
  EXPECT_EQ(b.BaseName, "README");

  Button internal;
  internal.Path = ",Tools";
  internal.FileName = "kept";
  SetPathParts(app, internal);
  EXPECT_EQ(internal.FileName, "kept");
}

TEST_F(NamesTest, DefaultToolTipFollowsTheOptions) {
  Button b = Parts("C:\\Windows\\System\\main.cpl");
  EXPECT_EQ(DefaultToolTip(app, b), "main");
  app.model.settings.options.ToolTipWithExt = true;
  EXPECT_EQ(DefaultToolTip(app, b), "main.cpl");
  app.model.settings.options.CplToolTip = true;
  EXPECT_EQ(DefaultToolTip(app, b), "マウス");
  b = Parts("C:\\x\\some.cpl");
  EXPECT_EQ(DefaultToolTip(app, b), "some.cpl");
  b = Parts("C:\\");
  EXPECT_EQ(DefaultToolTip(app, b), "C:\\");
}

TEST_F(NamesTest, FileExistenceWildcardsAndTheEmptyFloppy) {
  fake.files.AddFile("C:\\Tools\\ed.exe");
  fake.files.AddFolder("C:\\Docs");
  EXPECT_TRUE(FileExist(app, "C:\\Tools\\ed.exe"));
  EXPECT_TRUE(FileExist(app, "c:\\tools\\ED.EXE"));
  EXPECT_TRUE(FileExist(app, "C:\\Docs"));
  EXPECT_TRUE(FileExist(app, "C:\\Tools\\*.exe"));
  EXPECT_FALSE(FileExist(app, "C:\\Tools\\*.txt"));
  EXPECT_FALSE(FileExist(app, "C:\\missing.exe"));
  EXPECT_FALSE(FileExist(app, ""));

  EXPECT_EQ(FindRemovableDrive(app), "");
  fake.files.SetDriveType('A', DriveType::Removable);
  fake.files.SetDriveUnreadable('A', true);
  EXPECT_EQ(FindRemovableDrive(app), "A:");
  EXPECT_TRUE(FileExist(app, "A:\\notes.txt"));
  EXPECT_FALSE(FileExist(app, "a:\\notes.txt")) << "the drive letter compares case-sensitively";
}

TEST_F(NamesTest, LinkTargetsFallBackToThePath) {
  fake.files.SetLinkTarget("C:\\Desktop\\ed.lnk", "C:\\Tools\\ed.exe");
  EXPECT_EQ(GetLinkTarget(app, "C:\\Desktop\\ed.lnk"), "C:\\Tools\\ed.exe");
  EXPECT_EQ(GetLinkTarget(app, "C:\\Desktop\\broken.lnk"), "C:\\Desktop\\broken.lnk");
}

TEST(CplList, TheTwentyOneAppletsByFileName) {
  App app;
  CplListLoad(app);
  ASSERT_EQ(app.CplList.size(), 21u);
  EXPECT_EQ(CplListSearch(app, "MAIN.CPL"), 4);
  EXPECT_EQ(CplListSearch(app, "main.cpl"), 4);
  EXPECT_EQ(CplListSearch(app, "C:\\Windows\\System\\main.cpl"), -1);
  EXPECT_EQ(CplListSearch(app, "telephon.cpl"), -1);
  EXPECT_EQ(CplListSearch(app, "telephone.cpl"), 14);
  EXPECT_EQ(CplListSearch(app, ""), -1);
  EXPECT_EQ(CplListSearch(app, "imeip.cpl"), 0);
  EXPECT_EQ(CplListSearch(app, "FindFast.cpl"), 20);
  EXPECT_EQ(app.CplList[9].displayName, "ODBC データ ソース アドミニストレータ");
  EXPECT_EQ(app.CplList[20].displayName, "Find Fast");
}

}  // namespace
}  // namespace velmarin
