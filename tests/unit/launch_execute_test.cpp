#include <gtest/gtest.h>

#include "launch/execute.h"
#include "launch/shelf_register.h"
#include "launch_test_support.h"

namespace velmarin {
namespace {

struct LaunchResult {
  std::string verbAfter;
  int16_t showAfter;
};

LaunchResult Launch(LaunchFixture& f, const std::string& path, std::string verb, int16_t show,
                    const std::string& params = {}) {
  Button b;
  b.Path = path;
  SetPathParts(f.app, b);
  ExecuteItem(f.app, path, b.FileName, b.Extension, verb, show, params);
  return {verb, show};
}

TEST(ExecuteItem, ShellGetsDefaultVerbDesktopFolderAndNormalisedShow) {
  LaunchFixture f;
  const LaunchResult r = Launch(f, "C:\\docs\\memo.txt", "open", 5, "/p x");
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  const FakeShell::Execution& e = f.fake.shell.executions[0];
  EXPECT_EQ(e.verb, "");
  EXPECT_EQ(e.file, "C:\\docs\\memo.txt");
  EXPECT_EQ(e.params, "/p x");
  EXPECT_EQ(e.folder, "c:\\");
  EXPECT_EQ(e.show, 1);
  EXPECT_EQ(r.verbAfter, "") << "the caller's verb is emptied";
  EXPECT_EQ(r.showAfter, 1) << "the caller's show state is normalised";

  struct Case {
    std::string verb;
    int16_t show;
    std::string verbSent;
    int showSent;
  };
  const Case cases[] = {{"print", 2, "print", 2}, {"explore", 3, "explore", 3},
                        {"Print", 0, "", 1},      {"edit", -7, "", 1},
                        {"", 1, "", 1},           {"runas", 4, "", 1}};
  for (const Case& c : cases) {
    LaunchFixture g;
    const LaunchResult out = Launch(g, "C:\\a.doc", c.verb, c.show);
    ASSERT_EQ(g.fake.shell.executions.size(), 1u) << c.verb;
    EXPECT_EQ(g.fake.shell.executions[0].verb, c.verbSent) << c.verb;
    EXPECT_EQ(g.fake.shell.executions[0].show, c.showSent) << c.verb;
    EXPECT_EQ(out.verbAfter, c.verbSent) << c.verb;
    EXPECT_EQ(out.showAfter, c.showSent) << c.verb;
  }
}

TEST(ExecuteItem, ShortPathExecuteUsesTheShortFormExceptForDriveRoots) {
  LaunchFixture f;
  f.fake.files.AddFile("C:\\Program Files\\Long Name\\editor.exe");
  f.fake.files.SetShortName("C:\\Program Files\\Long Name\\editor.exe",
                            "C:\\PROGRA~1\\LONGNA~1\\editor.exe");
  Launch(f, "C:\\Program Files\\Long Name\\editor.exe", "", 0);
  f.app.model.settings.options.ShortPathExecute = true;
  Launch(f, "C:\\Program Files\\Long Name\\editor.exe", "", 0);
  Launch(f, "C:\\", "", 0);
  Launch(f, "C:\\missing\\thing.exe", "", 0);
  ASSERT_EQ(f.fake.shell.executions.size(), 4u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\Program Files\\Long Name\\editor.exe");
  EXPECT_EQ(f.fake.shell.executions[1].file, "C:\\PROGRA~1\\LONGNA~1\\editor.exe");
  EXPECT_EQ(f.fake.shell.executions[2].file, "C:\\");
  EXPECT_EQ(f.fake.shell.executions[3].file, "C:\\missing\\thing.exe");
}

TEST(ExecuteItem, ListedAppletsRunTheirOwnFileThroughTheSystemsRunner) {
  LaunchFixture f;
  Launch(f, "C:\\Windows\\System\\main.cpl", "open", 3, "ignored");
  ASSERT_EQ(f.fake.shell.commandLines.size(), 1u);
  EXPECT_EQ(f.fake.shell.commandLines[0].commandLine,
            "C:\\Windows\\System32\\RUNDLL32.EXE SHELL32.DLL,Control_RunDLL "
            "C:\\Windows\\System\\main.cpl");
  EXPECT_EQ(f.fake.shell.commandLines[0].windowStyle, 2);
  EXPECT_TRUE(f.fake.shell.executions.empty());

  LaunchFixture g;
  Launch(g, "C:\\WINDOWS\\SYSTEM\\TIMEDATE.CPL", "", 0);
  ASSERT_EQ(g.fake.shell.commandLines.size(), 1u) << "extension and name in any case";
  EXPECT_EQ(g.fake.shell.commandLines[0].commandLine,
            "C:\\Windows\\System32\\RUNDLL32.EXE SHELL32.DLL,Control_RunDLL "
            "C:\\WINDOWS\\SYSTEM\\TIMEDATE.CPL");
  // A listed name in another folder opens that file, not the system's applet of that name.
  Launch(g, "D:\\my tools\\main.cpl", "", 0);
  ASSERT_EQ(g.fake.shell.commandLines.size(), 2u);
  EXPECT_EQ(g.fake.shell.commandLines[1].commandLine,
            "C:\\Windows\\System32\\RUNDLL32.EXE SHELL32.DLL,Control_RunDLL "
            "\"D:\\my tools\\main.cpl\"");

  LaunchFixture h;
  Launch(h, "C:\\tools\\some.cpl", "open", 1);
  EXPECT_TRUE(h.NothingHappened()) << "an applet outside the list does nothing at all";
}

TEST(ExecuteItem, InternalNamesGoToTheCommandsWithParamsAsArgument) {
  LaunchFixture f;
  f.app.model.settings.options.ShortPathExecute = true;  // no short form of a command
  Launch(f, ",DELETE", "open", 0, "C:\\old.txt");
  Launch(f, ",Tools", "open", 0);
  Launch(f, "", "open", 0);  // an empty item names nothing
  ASSERT_EQ(f.fake.shell.deletions.size(), 1u);
  EXPECT_EQ(f.fake.shell.deletions[0], std::vector<std::string>{"C:\\old.txt"});
  EXPECT_EQ(f.pageChanges, (std::vector<PageChangeCall>{{2, false, false}}));
  EXPECT_TRUE(f.fake.shell.executions.empty());
}

TEST(VelmExec, CommandWordsAnyCaseAndOnlyWithLeadingComma) {
  LaunchFixture f;
  VelmExec(f.app, "EXIT", "");
  VelmExec(f.app, "", "");
  EXPECT_TRUE(f.NothingHappened());

  VelmExec(f.app, ",exit", "");
  VelmExec(f.app, ",Exit", "");
  VelmExec(f.app, ",EXIT", "");
  VelmExec(f.app, ",quit", "");
  EXPECT_EQ(f.endings, 4);
  VelmExec(f.app, ",Config", "");
  EXPECT_EQ(f.settingsDialogs, 1);
  VelmExec(f.app, ",beep", "");
  EXPECT_EQ(f.fake.shell.beeps, 1);
  EXPECT_TRUE(f.fake.shell.executions.empty());
  EXPECT_TRUE(f.pageChanges.empty());
}

TEST(VelmExec, WinExitClosesTheProgramManagerOnlyWhenThere) {
  LaunchFixture f;
  VelmExec(f.app, ",WINEXIT", "");
  EXPECT_EQ(f.fake.shell.closeRequests, std::vector<std::string>{"ProgMan"});
  EXPECT_TRUE(f.fake.shell.closed.empty());
  f.fake.shell.windowClasses.insert("ProgMan");
  VelmExec(f.app, ",winexit", "");
  EXPECT_EQ(f.fake.shell.closed, std::vector<std::string>{"ProgMan"});
}

TEST(VelmExec, DeleteStoreAndSortActOnTheirArgument) {
  LaunchFixture f;
  VelmExec(f.app, ",DELETE", "");
  EXPECT_TRUE(f.fake.shell.deletions.empty()) << "an empty path deletes nothing";
  VelmExec(f.app, ",delete", "C:\\tmp\\a.txt");
  ASSERT_EQ(f.fake.shell.deletions.size(), 1u);
  EXPECT_EQ(f.fake.shell.deletions[0], std::vector<std::string>{"C:\\tmp\\a.txt"});

  f.fake.files.AddFile("C:\\My Docs\\zeta.txt");
  VelmExec(f.app, ",STORE", "\"C:\\My Docs\\zeta.txt\" trailing");
  VelmExec(f.app, ",store", "C:\\alpha.txt");
  ASSERT_EQ(f.fake.shelf.entries.size(), 2u);
  EXPECT_EQ(f.fake.shelf.entries[0].key, "C:\\My Docs\\zeta.txt");
  EXPECT_EQ(f.fake.shelf.entries[0].text, "zeta.txt");
  EXPECT_EQ(f.fake.shelf.entries[1].key, "C:\\alpha.txt");

  f.fake.shelf.enabled = false;
  VelmExec(f.app, ",SORT", "");
  EXPECT_EQ(f.fake.shelf.sorts, 0) << "a closed shelf is not sorted";
  EXPECT_EQ(f.fake.shelf.entries[0].text, "zeta.txt");
  f.fake.shelf.enabled = true;
  VelmExec(f.app, ",sort", "");
  EXPECT_EQ(f.fake.shelf.sorts, 1);
  EXPECT_EQ(f.fake.shelf.entries[0].text, "alpha.txt");
}

TEST(VelmExec, FormatShowsItsTwoMessagesOnly) {
  struct Case {
    int result;
    std::string message;
  };
  const Case cases[] = {
      {-3, "フォーマットできませんでした。"}, {-1, "フォーマットエラーです。"}, {-2, ""}, {0, ""}};
  for (const Case& c : cases) {
    LaunchFixture f;
    f.fake.shell.formatResult = c.result;
    VelmExec(f.app, ",format", "a:");
    EXPECT_EQ(f.fake.shell.formats, std::vector<int>{0});
    if (c.message.empty()) {
      EXPECT_TRUE(f.fake.messageBox.shown.empty()) << c.result;
      continue;
    }
    ASSERT_EQ(f.fake.messageBox.shown.size(), 1u) << c.result;
    const ShownMessage& m = f.fake.messageBox.shown[0];
    EXPECT_EQ(m.text, c.message);
    EXPECT_EQ(m.title, "") << "the program's default title";
    EXPECT_EQ(m.buttons, MbButtons::Ok);
  }
}

TEST(VelmExec, GroupNamesSwitchPagesExactly) {
  LaunchFixture f;
  VelmExec(f.app, ",Tools", "");
  VelmExec(f.app, ",tools", "");
  VelmExec(f.app, ",Nowhere", "");
  VelmExec(f.app, ",", "");
  VelmExec(f.app, ",13", "");
  EXPECT_EQ(f.pageChanges, (std::vector<PageChangeCall>{{2, false, false}, {0, false, false}}));
  EXPECT_TRUE(f.fake.shell.Quiet());
}

// A button number is 1 to 12 written plainly: ",01", ",1.0", ",+1" and ", 1" name a page
// captioned so, or nothing.
TEST(VelmExec, OnlyPlainNumbersNameSlots) {
  LaunchFixture f;
  f.SetSlot(0, "C:\\first.exe");
  f.app.model.Pages[1].Caption = "01";
  f.app.model.Pages[2].Caption = "1.0";
  for (const char* name : {",01", ",1.0", ",+1", ", 1"}) VelmExec(f.app, name, "");
  EXPECT_EQ(f.pageChanges, (std::vector<PageChangeCall>{{1, false, false}, {2, false, false}}));
  EXPECT_TRUE(f.fake.shell.Quiet());
}

TEST(VelmExec, SlotNumbersWrapAtMaxButtonAndOpenNormally) {
  LaunchFixture f;
  f.SetSlot(0, "C:\\first.exe", "-a", 3);
  f.SetSlot(1, "C:\\second.exe", "-b", 2);
  VelmExec(f.app, ",12", "ignored");
  VelmExec(f.app, ",1", "");
  ASSERT_EQ(f.fake.shell.executions.size(), 2u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\second.exe");
  EXPECT_EQ(f.fake.shell.executions[0].params, "-b");
  EXPECT_EQ(f.fake.shell.executions[0].show, 1) << "the button's own window state is not used";
  EXPECT_EQ(f.fake.shell.executions[0].verb, "");
  EXPECT_EQ(f.fake.shell.executions[1].file, "C:\\first.exe");

  f.app.model.CurrentPage = 1;  // the current page's slots, not page 0's
  f.SetSlot(0, "C:\\Windows\\System\\desk.cpl");
  VelmExec(f.app, ",11", "");
  ASSERT_EQ(f.fake.shell.commandLines.size(), 1u);
  EXPECT_EQ(f.fake.shell.commandLines[0].commandLine,
            "C:\\Windows\\System32\\RUNDLL32.EXE SHELL32.DLL,Control_RunDLL "
            "C:\\Windows\\System\\desk.cpl");
  VelmExec(f.app, ",5", "");  // an empty slot
  EXPECT_EQ(f.fake.shell.executions.size(), 2u);
  EXPECT_EQ(f.fake.shell.beeps, 0);
}

TEST(VelmExec, SlotReferencesRunOnlyOtherSlotsAndChainsStop) {
  {  // slot 2 holding ",3", reached through ",3": a beep and nothing else
    LaunchFixture f;
    f.SetSlot(2, ",3");
    VelmExec(f.app, ",3", "");
    EXPECT_EQ(f.fake.shell.beeps, 1);
    EXPECT_TRUE(f.fake.shell.executions.empty());
  }
  {  // an internal command in the slot beeps instead of running
    LaunchFixture f;
    f.SetSlot(0, ",CONFIG");
    f.SetSlot(1, ",Tools");
    VelmExec(f.app, ",1", "");
    VelmExec(f.app, ",2", "");
    EXPECT_EQ(f.fake.shell.beeps, 2);
    EXPECT_EQ(f.settingsDialogs, 0);
    EXPECT_TRUE(f.pageChanges.empty());
  }
  {  // a reference to another slot runs that slot's item
    LaunchFixture f;
    f.SetSlot(0, ",2");
    f.SetSlot(1, "C:\\prog.exe", "-x");
    VelmExec(f.app, ",1", "");
    ASSERT_EQ(f.fake.shell.executions.size(), 1u);
    EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\prog.exe");
    EXPECT_EQ(f.fake.shell.executions[0].params, "-x");
    EXPECT_EQ(f.fake.shell.beeps, 0);
  }
  {  // ",12" wraps to slot 1, its own slot
    LaunchFixture f;
    f.SetSlot(1, ",12");
    VelmExec(f.app, ",2", "");
    EXPECT_EQ(f.fake.shell.beeps, 1);
  }
  {  // two slots referring to each other, and a ring of three: one beep, no launch
    LaunchFixture f;
    f.SetSlot(0, ",2");
    f.SetSlot(1, ",1");
    VelmExec(f.app, ",1", "");
    EXPECT_EQ(f.fake.shell.beeps, 1);
    f.SetSlot(1, ",3");
    f.SetSlot(2, ",1");
    VelmExec(f.app, ",2", "");
    EXPECT_EQ(f.fake.shell.beeps, 2);
    EXPECT_TRUE(f.fake.shell.executions.empty());
    // The chain is per launch: the next launch of slot 3 may pass slot 1 again.
    f.SetSlot(0, "C:\\end.exe");
    VelmExec(f.app, ",3", "");
    VelmExec(f.app, ",3", "");
    EXPECT_EQ(f.fake.shell.executions.size(), 2u);
    EXPECT_EQ(f.fake.shell.beeps, 2);
  }
  {  // a group whose caption reads as the slot's own number refers back to it: a beep
    LaunchFixture f;
    f.app.model.Pages[1].Caption = "1.0";
    f.app.model.Pages[2].Caption = "01";
    f.SetSlot(0, ",1.0");
    VelmExec(f.app, ",1", "");
    f.SetSlot(0, ",01");
    VelmExec(f.app, ",1", "");
    EXPECT_EQ(f.fake.shell.beeps, 2);
    EXPECT_TRUE(f.pageChanges.empty());
  }
  {  // a page captioned with a number is a group, reached through the slot
    LaunchFixture f;
    f.app.model.Pages[1].Caption = "13";
    f.SetSlot(0, ",13");
    VelmExec(f.app, ",1", "");
    EXPECT_EQ(f.pageChanges, (std::vector<PageChangeCall>{{1, false, false}}));
    EXPECT_EQ(f.fake.shell.beeps, 0);
  }
}

}  // namespace
}  // namespace velmarin
