#include <gtest/gtest.h>

#include "launch/shelf_register.h"
#include "launch_test_support.h"

namespace velmarin {
namespace {

TEST(AddToShelf, IconsFollowWhatThePathIs) {
  LaunchFixture f;
  FakeFiles& files = f.fake.files;
  files.AddFolder("C:\\Work");
  files.AddFolder("C:\\Locked.dir", Attr::kDirectory | Attr::kReadOnly);
  files.AddFile("C:\\Tools\\ed.EXE");
  files.AddFile("C:\\Windows\\System\\main.cpl");
  files.AddFile("C:\\Desktop\\ed.lnk");
  files.AddFile("C:\\notes.txt");
  files.AddFile("C:\\README");
  struct Case {
    std::string item;
    std::string text;
    int icon;
  };
  const Case cases[] = {
      {"C:\\Work", "Work", 2},
      {"C:\\Locked.dir", "Locked.dir", 1},  // a folder with more than the folder bit
      {"C:\\Tools\\ed.EXE", "ed.EXE", 3},
      {"C:\\Windows\\System\\main.cpl", "main.cpl", 4},
      {"C:\\Desktop\\ed.lnk", "ed.lnk", 5},
      {"C:\\notes.txt", "notes.txt", 1},
      {"C:\\README", "README", 1},
      {"C:\\gone\\away.exe", "away.exe", 0},
      {",BEEP", ",BEEP", 6},
      {",Tools", ",Tools", 6},
      {"C:\\", "C:\\", 2},  // the fake's root reports the folder bit alone
      {"D:", "D:", 0},
  };
  for (const Case& c : cases) AddToShelf(f.app, c.item);
  AddToShelf(f.app, "");  // ignored
  ASSERT_EQ(f.fake.shelf.entries.size(), std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    const FakeShelfList::Entry& e = f.fake.shelf.entries[i];
    EXPECT_EQ(e.key, cases[i].item);
    EXPECT_EQ(e.text, cases[i].text) << cases[i].item;
    EXPECT_EQ(e.icon, cases[i].icon) << cases[i].item;
  }
  EXPECT_TRUE(f.fake.messageBox.shown.empty());
}

TEST(AddToShelf, DriveRootWithSystemBitsGetsTheFileIcon) {
  LaunchFixture f;
  f.fake.files.SetDriveType('E', DriveType::Fixed);
  f.fake.files.AddFolder("E:\\", Attr::kDirectory | Attr::kHidden | Attr::kSystem);
  AddToShelf(f.app, "E:\\");
  ASSERT_EQ(f.fake.shelf.entries.size(), 1u);
  EXPECT_EQ(f.fake.shelf.entries[0].text, "E:\\");
  EXPECT_EQ(f.fake.shelf.entries[0].icon, 1);
}

TEST(AddToShelf, DuplicatesKeepOneEntryAndAreReportedOnlyWhenAsked) {
  LaunchFixture f;
  f.fake.files.AddFile("C:\\a.txt");
  AddToShelf(f.app, "C:\\a.txt");
  f.fake.shelf.entries[0].selected = true;
  AddToShelf(f.app, "C:\\a.txt");
  AddToShelf(f.app, "c:\\A.TXT");  // the list compares keys ignoring case
  ASSERT_EQ(f.fake.shelf.entries.size(), 1u);
  EXPECT_TRUE(f.fake.shelf.entries[0].selected) << "the existing entry is left as it is";
  EXPECT_TRUE(f.fake.messageBox.shown.empty());

  f.app.model.settings.options.StorageNotifyDuplicate = true;
  AddToShelf(f.app, "C:\\a.txt");
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  const ShownMessage& m = f.fake.messageBox.shown[0];
  EXPECT_EQ(m.text, "C:\\a.txt\r\n同じファイルがあります。");
  EXPECT_EQ(m.title, "登録ファイルの重複");
  EXPECT_EQ(m.icon, MbIcon::Information);
  EXPECT_EQ(m.buttons, MbButtons::Ok);
  EXPECT_EQ(f.fake.shelf.entries.size(), 1u);
}

// A file system whose attribute query fails for one path with a given reason.
class FailingFiles : public FakeFiles {
 public:
  AttributeQuery QueryAttributes(const std::string& path) override {
    if (path != failingPath) return FakeFiles::QueryAttributes(path);
    AttributeQuery q;
    q.failure = failure;
    q.description = description;
    return q;
  }
  std::string failingPath;
  FileFailure failure = FileFailure::Other;
  std::string description;
};

TEST(AddToShelf, BadNamesAreTakenOutOtherFailuresAreShown) {
  LaunchFixture f;
  f.fake.files.AddFile("C:\\logs\\one.log");
  AddToShelf(f.app, ",BEEP");
  // A wildcard matches a file, but no file carries that name.
  AddToShelf(f.app, "C:\\logs\\*.log");
  ASSERT_EQ(f.fake.shelf.entries.size(), 1u);
  EXPECT_EQ(f.fake.shelf.entries[0].key, ",BEEP") << "only the entry just added goes";
  EXPECT_TRUE(f.fake.messageBox.shown.empty());

  FailingFiles files;
  files.AddFile("C:\\locked.txt");
  files.failingPath = "C:\\locked.txt";
  files.description = "アクセスが拒否されました。";
  f.app.platform.files = &files;
  AddToShelf(f.app, "C:\\locked.txt");
  ASSERT_EQ(f.fake.shelf.entries.size(), 2u);
  EXPECT_EQ(f.fake.shelf.entries[1].icon, 0);
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.messageBox.shown[0].text, "アクセスが拒否されました。");
  EXPECT_EQ(f.fake.messageBox.shown[0].title, "エラーが発生しました");
  EXPECT_EQ(f.fake.messageBox.shown[0].buttons, MbButtons::Ok);

  files.AddFile("C:\\odd.txt");
  files.failingPath = "C:\\odd.txt";
  files.failure = FileFailure::BadName;
  AddToShelf(f.app, "C:\\odd.txt");
  EXPECT_EQ(f.fake.shelf.entries.size(), 2u);
  EXPECT_EQ(f.fake.messageBox.shown.size(), 1u);
}

TEST(AddToShelf, ItemOnAnEmptyFloppyStaysAndTheFailureIsShown) {
  LaunchFixture f;
  f.fake.files.SetDriveType('A', DriveType::Removable);
  f.fake.files.SetDriveUnreadable('A', true);
  AddToShelf(f.app, "A:\\setup.exe");
  ASSERT_EQ(f.fake.shelf.entries.size(), 1u);
  EXPECT_EQ(f.fake.shelf.entries[0].icon, 0);
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.messageBox.shown[0].title, "エラーが発生しました");
}

TEST(FileDelete, PathListIsSplitAtNulsAndEndsAtAnEmptyPath) {
  using List = std::vector<std::string>;
  EXPECT_EQ(SplitPathList("C:\\a.txt"), List{"C:\\a.txt"});
  EXPECT_EQ(SplitPathList(std::string("C:\\a\0C:\\b\0", 10)), (List{"C:\\a", "C:\\b"}));
  EXPECT_EQ(SplitPathList(std::string("C:\\a\0C:\\b", 9)), (List{"C:\\a", "C:\\b"}))
      << "a list without its final NUL";
  EXPECT_EQ(SplitPathList(std::string("C:\\a\0\0C:\\b\0", 11)), List{"C:\\a"});
  EXPECT_EQ(SplitPathList(std::string("\0C:\\a", 5)), List{});
  EXPECT_EQ(SplitPathList(""), List{});

  LaunchFixture f;
  f.fake.shell.deleteResult = 0x78;
  EXPECT_EQ(FileDelete(f.app, std::string("C:\\x\0C:\\y\0", 10)), 0x78);
  ASSERT_EQ(f.fake.shell.deletions.size(), 1u);
  EXPECT_EQ(f.fake.shell.deletions[0], (List{"C:\\x", "C:\\y"}));
  EXPECT_EQ(FileDelete(f.app, ""), kNothingToDelete);
  EXPECT_EQ(f.fake.shell.deletions.size(), 1u) << "nothing handed to the shell";
}

TEST(FormatFloppy, DriveNumbersAndTheMissingDriveMessage) {
  {
    LaunchFixture f;  // no removable drive at all
    EXPECT_EQ(FormatFloppy(f.app, ""), -4);
    ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
    const ShownMessage& m = f.fake.messageBox.shown[0];
    EXPECT_EQ(m.text, "FDドライブが見つかりません。");
    EXPECT_EQ(m.title, "フォーマットのエラー");
    EXPECT_EQ(m.icon, MbIcon::Error);
    EXPECT_TRUE(f.fake.shell.formats.empty());
  }
  {
    LaunchFixture f;
    f.fake.files.SetDriveType('B', DriveType::Removable);
    f.fake.shell.formatResult = 6;
    EXPECT_EQ(FormatFloppy(f.app, ""), 6);
    EXPECT_EQ(FormatFloppy(f.app, "a:"), 6);
    EXPECT_EQ(FormatFloppy(f.app, "Z:"), 6);
    EXPECT_EQ(FormatFloppy(f.app, "c"), 6);  // not checked to be removable
    EXPECT_EQ(f.fake.shell.formats, (std::vector<int>{1, 0, 25, 2}));
    // Not a drive letter: no dialog for a drive that cannot exist.
    EXPECT_EQ(FormatFloppy(f.app, "1:"), -1);
    EXPECT_EQ(FormatFloppy(f.app, "ｄ:"), -1);
    EXPECT_EQ(f.fake.shell.formats.size(), 4u);
    EXPECT_TRUE(f.fake.messageBox.shown.empty());
  }
}

}  // namespace
}  // namespace velmarin
