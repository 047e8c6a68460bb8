#include "run/app_catalogue.h"

#include <gtest/gtest.h>

#include "fake/fake_apps_folder.h"
#include "fake/fake_program_menu.h"
#include "launch_test_support.h"
#include "run/edit_position.h"
#include "run/program_menu_read.h"
#include "run/program_search.h"
#include "run/run_box.h"

namespace velmarin {
namespace {

// A Windows 11 of today: a few desktop programs in the Start menu's folders, and the
// Applications folder listing those again beside the packaged apps that have no shortcut.
struct AppsFixture : LaunchFixture {
  FakeProgramMenu menu;
  FakeAppsFolder folder;
  AppsReading reading;
  FakeRunList& box = fake.runList;

  AppsFixture() {
    const std::string c = "C:\\ProgramData\\Programs\\";
    menu.shortcuts[c + "Word.lnk"] = {"Word", "C:\\Office\\word.exe", ""};
    menu.shortcuts[c + "Accessories\\Notepad.lnk"] = {"メモ帳", "C:\\Windows\\notepad.exe", ""};
    folder.entries = {
        {"電卓", "Microsoft.WindowsCalculator_8wekyb3d8bbwe!App", ""},
        {"ペイント", "Microsoft.Paint_8wekyb3d8bbwe!App", "Microsoft.Paint_8wekyb3d8bbwe"},
        {"ターミナル", "Microsoft.WindowsTerminal_8wekyb3d8bbwe!App", ""},
        {"ターミナル", "microsoft.windowsterminal_8wekyb3d8bbwe!App", ""},  // the same app again
        {"Snipping Tool", "Microsoft.ScreenSketch_8wekyb3d8bbwe!App", ""},
        // Desktop programs, there through their shortcuts already.
        {"Word", "Microsoft.Office.WINWORD.EXE.15", ""},
        {"Editor", "{6D809377-6AF0-444B-8957-A3773F02200E}\\Tools\\ed.exe", ""},
        // A packaged app of a program's name: the shortcut's.
        {"メモ帳", "Microsoft.WindowsNotepad_8wekyb3d8bbwe!App",
         "Microsoft.WindowsNotepad_8wekyb3d8bbwe"},
        {"", "Microsoft.Nameless_8wekyb3d8bbwe!App", ""},  // no name to find it by
    };
  }
  // What the reader posts: the shortcuts read, the apps added.
  void ReadAll() {
    reading.Read(folder);
    ProgramsRead(app, WithApps(ReadProgramMenu(menu), reading.Apps()));
  }
  std::string Launched(const std::string& text) {
    fake.shell.executions.clear();
    box.SetText(text);
    Run_KeyPress(app, 13);
    return fake.shell.executions.empty() ? "" : fake.shell.executions[0].file;
  }
};

TEST(RunBoxApps, AppsAreFoundAndStartedAsTheShortcutsAreEachOnce) {
  AppsFixture f;
  f.ReadAll();
  using L = std::vector<std::string>;
  const std::string c = "C:\\ProgramData\\Programs\\";
  const struct {
    const char* typed;
    L listed;
    std::string enter;  // what Enter on the first listed name starts
  } rows[] = {
      {"dentaku", {"電卓"}, "shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App"},
      {"でんたく", {"電卓"}, "shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App"},
      {"pe", {"ペイント"}, "shell:AppsFolder\\Microsoft.Paint_8wekyb3d8bbwe!App"},
      {"ta", {"ターミナル"}, "shell:AppsFolder\\Microsoft.WindowsTerminal_8wekyb3d8bbwe!App"},
      {"SNIP", {"Snipping Tool"}, "shell:AppsFolder\\Microsoft.ScreenSketch_8wekyb3d8bbwe!App"},
      {"w", {"Word"}, c + "Word.lnk"},                     // listed both ways: its shortcut
      {"me", {"メモ帳"}, c + "Accessories\\Notepad.lnk"},  // the same name: the shortcut
      {"edi", {}, ""},                                     // a desktop program without shortcut
  };
  for (const auto& row : rows) {
    EXPECT_EQ(f.Listed(row.typed), row.listed) << row.typed;
    if (row.listed.empty()) continue;
    EXPECT_EQ(f.Launched(row.listed[0]), row.enter) << row.typed;
    EXPECT_EQ(f.fake.shell.executions[0].params, "") << row.typed;
    EXPECT_EQ(f.box.text, "");
  }

  // An app removed: gone at the next reading; a reading that finds no change posts nothing new.
  std::erase_if(f.folder.entries, [](const InstalledApp& a) { return a.name == "電卓"; });
  EXPECT_TRUE(f.reading.Read(f.folder));
  EXPECT_FALSE(f.reading.Read(f.folder));
  ProgramsRead(f.app, WithApps(ReadProgramMenu(f.menu), f.reading.Apps()));
  EXPECT_EQ(f.Listed("dentaku"), L{});
  EXPECT_EQ(f.Launched("電卓"), "");
  EXPECT_EQ(f.Listed("pe"), L{"ペイント"});

  // A folder that cannot be read keeps the apps it listed.
  f.folder.exists = false;
  EXPECT_FALSE(f.reading.Read(f.folder));
  EXPECT_EQ(f.reading.Apps().size(), 4u);
}

TEST(RunBoxApps, WithoutTheFolderTheCatalogueIsTheShortcutsAlone) {
  AppsFixture f;
  f.folder.exists = false;
  EXPECT_FALSE(f.reading.Read(f.folder));
  EXPECT_TRUE(f.reading.Apps().empty());
  const ProgramCatalogue alone = WithApps(ReadProgramMenu(f.menu), f.reading.Apps());
  ASSERT_EQ(alone.size(), 2u);
  EXPECT_EQ(alone.Name(0), "Word");
  EXPECT_EQ(alone.Name(1), "メモ帳");
  // A reading stopped half-way (the program closing) changes nothing either.
  f.folder.exists = true;
  std::atomic<bool> stop{true};
  EXPECT_FALSE(f.reading.Read(f.folder, &stop));
  EXPECT_TRUE(f.reading.Apps().empty());
}

TEST(RunBoxApps, WhatCountsAsAPackagedApp) {
  const struct {
    InstalledApp entry;
    bool packaged;
  } rows[] = {
      {{"電卓", "Microsoft.WindowsCalculator_8wekyb3d8bbwe!App", ""}, true},
      {{"設定",
        "windows.immersivecontrolpanel_cw5n1h2txyewy!microsoft.windows.immersivecontrolpanel", ""},
       true},
      {{"App", "Some.App_ABCDEFGHJKMNP!App", ""}, true},         // publisher ID in capitals
      {{"App", "Some.App_x!App", "Some.App_x"}, true},           // the folder names its package
      {{"Word", "Microsoft.Office.WINWORD.EXE.15", ""}, false},  // a desktop program's own ID
      {{"Ed", "{6D809377-6AF0-444B-8957-A3773F02200E}\\ed.exe", ""}, false},  // a program's path
      {{"App", "Some.App_8wekyb3d8bbwi!App", ""}, false},  // "i" is no publisher letter
      {{"App", "Some.App_8wekyb3d8bbw!App", ""}, false},   // twelve letters
      {{"App", "Some.App_8wekyb3d8bbwe!", ""}, false},     // no app after "!"
      {{"App", "Some.App_8wekyb3d8bbwe!A!B", ""}, false},  // two "!"
      {{"App", "_8wekyb3d8bbwe!App", ""}, false},          // no package name
      {{"", "Some.App_8wekyb3d8bbwe!App", ""}, false},     // no name
      {{"App", "", "Some.App_8wekyb3d8bbwe"}, false},      // nothing to start it by
  };
  for (const auto& row : rows) {
    EXPECT_EQ(IsPackagedApp(row.entry), row.packaged) << row.entry.appId;
  }
}

// New apps are looked for when the Run box takes the keyboard, at most once a minute.
TEST(RunBoxApps, TheFolderIsReadAgainOnFocusAtMostOnceAMinute) {
  AppsFixture f;
  FakeProgramReader reader;
  f.app.platform.programReader = &reader;
  Run_GotFocus(f.app);
  EXPECT_EQ(reader.asked, 1);
  AppsRefresh refresh;
  const struct {
    uint64_t at;
    bool due;
  } rows[] = {{5'000, true},  {5'001, false},  {64'999, false},
              {65'000, true}, {70'000, false}, {500'000, true}};
  for (const auto& row : rows) EXPECT_EQ(refresh.Due(row.at), row.due) << row.at;
}

}  // namespace
}  // namespace velmarin
