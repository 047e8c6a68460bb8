#include "run/run_box.h"

#include <gtest/gtest.h>

#include "fake/fake_program_menu.h"
#include "fake/fake_text.h"
#include "launch_test_support.h"
#include "panel/button_edit.h"
#include "run/edit_position.h"
#include "run/program_menu_read.h"
#include "run/program_search.h"
#include "run/shortcut_memory.h"

namespace velmarin {
namespace {

struct RunBoxFixture : LaunchFixture {
  FakeRunList& box = fake.runList;

  // A person at the keyboard: each character goes through the key handler, then replaces the
  // selection (Backspace removes it, or the character before the caret), then the change runs.
  void Type(const std::string& keys) {
    for (char c : keys) {
      const int code = Run_KeyPress(app, static_cast<unsigned char>(c));
      if (code == 0) continue;
      size_t from = ByteOffsetOfEditPosition(box.text, box.selStart);
      const size_t to = ByteOffsetOfEditPosition(box.text, box.selStart + box.selLength);
      std::string inserted(1, c);
      if (code == 8) {
        inserted.clear();
        if (from == to && from > 0) --from;  // ASCII text only
      }
      box.text = box.text.substr(0, from) + inserted + box.text.substr(to);
      box.selStart = EditLength(box.text.substr(0, from + inserted.size()));
      box.selLength = 0;
      Run_Change(app);
    }
  }
  std::string Selected() const {
    const size_t from = ByteOffsetOfEditPosition(box.text, box.selStart);
    const size_t to = ByteOffsetOfEditPosition(box.text, box.selStart + box.selLength);
    return box.text.substr(from, to - from);
  }
  Button& Tip(int page, int slot, const std::string& path, const std::string& tip) {
    Button& b = app.model.Pages[static_cast<size_t>(page)].Buttons[slot];
    b.Path = path;
    SetPathParts(app, b);
    b.ToolTip = tip;
    return b;
  }
};

TEST(RunBox, TypingCompletesWithTheToolTipAndSelectsItsTail) {
  RunBoxFixture f;
  f.Tip(0, 0, "C:\\Windows\\notepad.exe", "Notepad");
  f.Type("no");
  EXPECT_EQ(f.box.text, "Notepad");
  EXPECT_EQ(f.box.selStart, 2);
  EXPECT_EQ(f.box.selLength, 5);
  EXPECT_EQ(f.Selected(), "tepad");
  // The next letter replaces the selection and completes again.
  f.Type("t");
  EXPECT_EQ(f.box.text, "Notepad");
  EXPECT_EQ(f.Selected(), "epad");
  // Backspace takes the tail away and does not complete again.
  f.Type("\b");
  EXPECT_EQ(f.box.text, "Not");
  f.Type("\b");
  EXPECT_EQ(f.box.text, "No");
  EXPECT_EQ(f.box.selLength, 0);
  // Typing on after a Backspace completes again.
  f.Type("t");
  EXPECT_EQ(f.box.text, "Notepad");
}

TEST(RunBox, TheListHoldsEveryMatchInPageAndSlotOrderAndEmptiesWithTheText) {
  RunBoxFixture f;
  f.app.model.settings.options.RunAutoDropDown = true;
  f.Tip(1, 0, "C:\\a\\b.exe", "note two");
  f.Tip(0, 4, "C:\\a\\c.exe", "NOTE one");
  f.Tip(0, 1, "C:\\a\\d.exe", "calc");
  f.Tip(2, 9, "C:\\a\\e.exe", "notebook");
  f.Type("n");
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"NOTE one", "note two", "notebook"}));
  EXPECT_EQ(f.box.text, "NOTE one") << "the first match, in its own case";
  EXPECT_TRUE(f.box.droppedDown);
  // Emptying the box closes the list and empties it.
  f.box.SetText("");
  Run_Change(f.app);
  EXPECT_TRUE(f.box.items.empty());
  EXPECT_FALSE(f.box.droppedDown);
}

TEST(RunBox, CompletionCountsCharactersAsTheFieldDoes) {
  RunBoxFixture f;
  // Two Japanese letters and one outside the basic plane (two UTF-16 units).
  f.Tip(0, 0, "C:\\a\\memo.exe", "メモ\xF0\x9F\x93\x9D帳");
  f.box.SetText("メモ");
  Run_Change(f.app);
  EXPECT_EQ(f.box.text, "メモ\xF0\x9F\x93\x9D帳");
  EXPECT_EQ(f.box.selStart, 2);
  EXPECT_EQ(f.box.selLength, 3);
  EXPECT_EQ(f.app.form.run.LastTypedText, "メモ");
}

TEST(RunBox, NothingCompletesWhileAnInputMethodComposes) {
  RunBoxFixture f;
  f.app.model.settings.options.RunAutoDropDown = true;
  f.Tip(0, 0, "C:\\a\\memo.exe", "メモ帳");
  f.Tip(0, 1, "C:\\a\\memory.exe", "メモリ");
  const auto compose = [&](const std::string& text) {
    f.box.SetText(text);
    Run_Change(f.app);
  };
  Run_CompositionStart(f.app);
  compose("メ");
  compose("メモ");
  EXPECT_EQ(f.box.text, "メモ");
  EXPECT_TRUE(f.box.items.empty());
  Run_CompositionEnd(f.app);
  EXPECT_EQ(f.box.text, "メモ帳");
  EXPECT_EQ(f.Selected(), "帳");
  EXPECT_TRUE(f.box.droppedDown);
  // The list closed, the next composition neither opens it again nor fills it.
  f.box.droppedDown = false;
  Run_CompositionStart(f.app);
  compose("メモリ");
  EXPECT_FALSE(f.box.droppedDown);
  EXPECT_EQ(f.box.items.size(), 2u);
  // Taken back whole, it empties the list as any emptied text does.
  compose("");
  EXPECT_TRUE(f.box.items.empty());
  Run_CompositionEnd(f.app);
  EXPECT_EQ(f.box.text, "");
  EXPECT_TRUE(f.fake.shell.executions.empty());
}

// Romaji lists the tool tips whose kana it spells after the ordinary matches; only an ordinary
// match completes the box, and Enter on the typed romaji runs nothing.
TEST(RunBox, RomajiListsTheKanaToolTipsAfterTheOthersWithoutCompleting) {
  RunBoxFixture f;
  f.Tip(1, 0, "C:\\a\\memo.exe", "メモ帳");
  f.Tip(0, 3, "C:\\a\\memo2.exe", "ﾒﾓﾘ ﾁｪｯｸ");
  f.Tip(0, 5, "C:\\a\\calc.exe", "電卓");
  f.Tip(2, 0, "C:\\a\\me.exe", "memory card");
  f.Tip(2, 1, "C:\\a\\mail.exe", "めーる");
  f.Type("ME");
  EXPECT_EQ(f.box.text, "memory card") << "an ordinary match still completes";
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"memory card", "ﾒﾓﾘ ﾁｪｯｸ", "メモ帳", "めーる"}));
  f.Type("\bM");
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"memory card", "ﾒﾓﾘ ﾁｪｯｸ", "メモ帳"}));
  f.Type("\b\b\b\bme-");
  EXPECT_EQ(f.box.text, "me-") << "romaji never completes the box";
  EXPECT_EQ(f.box.selLength, 0);
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"めーる"}));
  f.Type("\r");
  EXPECT_TRUE(f.fake.shell.executions.empty());
  // Chosen from the list, the tool tip is in the box and Enter runs its button.
  f.Type("mem");
  f.box.SetText(f.box.items.at(2));
  Run_Change(f.app);
  f.Type("\r");
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\a\\memo.exe");
}

// Names in kanji are found by their readings, from romaji and from kana the input method left
// unconverted; they are listed after the ordinary matches and never complete the box.
TEST(RunBox, ReadingsFindNamesWrittenInKanji) {
  RunBoxFixture f;
  f.app.model.settings.MaxButton = 12;
  const char* names[] = {"電卓", "電話帳", "伝言",   "天気", "設定",   "画像編集",
                         "手紙", "日記",   "家計簿", "学校", "目盛り", "時計"};
  for (int slot = 0; slot < 12; ++slot)
    f.Tip(0, slot, "C:\\a\\p" + std::to_string(slot) + ".exe", names[slot]);
  f.Tip(1, 0, "C:\\a\\memo.exe", "メモ帳");
  f.Tip(1, 1, "C:\\a\\notepad.exe", "Notepad");
  f.Tip(1, 2, "C:\\a\\clock.exe", "時々");
  struct Case {
    const char* typed;
    const char* text;  // the box's text afterwards
    std::vector<std::string> items;
  } cases[] = {
      {"dentaku", "dentaku", {"電卓"}},
      {"DENTAKU", "DENTAKU", {"電卓"}},
      {"でんたく", "でんたく", {"電卓"}},
      {"settei", "settei", {"設定"}},
      {"せってい", "せってい", {"設定"}},
      {"セッテイ", "セッテイ", {"設定"}},
      {"gazou", "gazou", {"画像編集"}},
      {"tegami", "tegami", {"手紙"}},
      {"nikki", "Nikki", {"日記"}},  // "n" completed Notepad, "i" replaced its tail
      {"kakeibo", "kakeibo", {"家計簿"}},
      {"gakkou", "gakkou", {"学校"}},
      {"tokidoki", "tokidoki", {"時々"}},
      // What is written as kana comes before what is read by its kanji.
      {"memo", "memo", {"メモ帳", "目盛り"}},
      {"den", "den", {"電卓", "電話帳", "伝言"}},
      {"no", "Notepad", {"Notepad"}},
      // A word read in a way none of its kanji is read is found by its own characters only.
      {"tokei", "tokei", {}},
      {"電", "電卓", {"電卓", "電話帳"}},
      {"sette", "sette", {"設定"}},
      {"seti", "seti", {}},
      // A lone consonant finds names written in kana only.
      {"m", "m", {"メモ帳"}},
  };
  for (const Case& c : cases) {
    f.box.SetText("");
    Run_Change(f.app);
    const std::string typed = c.typed;
    if (static_cast<unsigned char>(typed[0]) < 0x80) {
      f.Type(typed);
    } else {
      // Committed by the input method in one piece.
      f.box.SetText(typed);
      f.box.selStart = EditLength(typed);
      Run_Change(f.app);
    }
    EXPECT_EQ(f.box.text, c.text) << c.typed;
    EXPECT_EQ(f.box.items, c.items) << c.typed;
  }
}

// One kana can read as a thousand names: the list takes the first hundred found by reading, and
// every tool tip that begins with the typed text itself.
TEST(RunBox, ReadingsListAHundredNamesAtMost) {
  RunBoxFixture f;
  f.app.model.settings.MaxButton = 12;
  f.app.model.Pages.resize(13);
  f.app.model.PageCount = 13;
  for (int n = 0; n < 150; ++n) f.Tip(n / 12, n % 12, "C:\\a\\p.exe", "電" + std::to_string(n));
  f.Type("den");
  EXPECT_EQ(f.box.items.size(), 100u);
  EXPECT_EQ(f.box.items.front(), "電0");
  f.box.SetText("電");
  f.box.selStart = 1;
  Run_Change(f.app);
  EXPECT_EQ(f.box.items.size(), 150u);
}

TEST(RunBox, EnterLaunchesAToolTipWithItsParametersOnlyWhenAsked) {
  RunBoxFixture f;
  f.Tip(1, 2, "C:\\Tools\\ed.exe", "Editor").Params = "-n";
  f.app.model.Pages[1].Buttons[2].ShowCmd = 3;
  f.Type("Editor\r");
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\Tools\\ed.exe");
  EXPECT_EQ(f.fake.shell.executions[0].params, " ");
  EXPECT_EQ(f.fake.shell.executions[0].show, 1);
  EXPECT_EQ(f.box.text, "");

  f.app.model.settings.options.RunToolTipParams = true;
  f.Type("Editor x.txt\r");
  ASSERT_EQ(f.fake.shell.executions.size(), 2u);
  EXPECT_EQ(f.fake.shell.executions[1].params, "-n  x.txt");
  EXPECT_EQ(f.fake.shell.executions[1].show, 3);
  EXPECT_EQ(f.box.text, "");
}

TEST(RunBox, EnterLaunchesPathsWithTheirArguments) {
  RunBoxFixture f;
  f.fake.files.AddFile("C:\\Windows\\notepad.exe");
  f.fake.files.AddFile("C:\\Program Files\\My App\\app.exe");
  f.Type("C:\\Windows\\notepad.exe readme.txt\r");
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(f.fake.shell.executions[0].params, "  readme.txt");

  // A path with spaces in quotes is cut after the closing quote and launched without them.
  f.Type("\"C:\\Program Files\\My App\\app.exe\" \"a b.txt\"\r");
  ASSERT_EQ(f.fake.shell.executions.size(), 2u);
  EXPECT_EQ(f.fake.shell.executions[1].file, "C:\\Program Files\\My App\\app.exe");
  EXPECT_EQ(f.fake.shell.executions[1].params, "  \"a b.txt\"");

  // Text that names neither a file nor a tool tip launches nothing and is cleared.
  f.Type("no such thing\r");
  EXPECT_EQ(f.fake.shell.executions.size(), 2u);
  EXPECT_EQ(f.box.text, "");
}

TEST(RunBox, ProgramsByNameOnlyOnEnterAndOnlyWhenNothingElseMatches) {
  RunBoxFixture f;
  FakeShell& shell = f.fake.shell;
  shell.programs["cmd"] = "C:\\windows\\system32\\cmd.exe";
  shell.programs["%windir%\\notepad.exe"] = "C:\\windows\\notepad.exe";
  shell.programs["Editor"] = "C:\\elsewhere\\editor.exe";
  shell.programs["C:\\Tools\\tool.exe"] = "C:\\elsewhere\\tool.exe";
  f.Tip(0, 0, "C:\\Tools\\ed.exe", "Editor");
  f.fake.files.AddFile("C:\\Tools\\tool.exe");

  // Typing asks nothing of the disk; Enter asks once and launches with the arguments.
  f.Type("cmd /c echo hi> c:\\x.txt");
  EXPECT_TRUE(shell.programQuestions.empty());
  f.Type("\r");
  ASSERT_EQ(shell.executions.size(), 1u);
  EXPECT_EQ(shell.executions[0].file, "C:\\windows\\system32\\cmd.exe");
  EXPECT_EQ(shell.executions[0].params, "  /c echo hi> c:\\x.txt");
  EXPECT_EQ(shell.executions[0].show, 1);
  EXPECT_EQ(f.box.text, "");
  // A quoted command is asked for without its quotes.
  f.Type("\"%windir%\\notepad.exe\"\r");
  ASSERT_EQ(shell.executions.size(), 2u);
  EXPECT_EQ(shell.executions[1].file, "C:\\windows\\notepad.exe");

  // A tool tip and an existing path win over a program of the same name, without asking.
  shell.programQuestions.clear();
  f.Type("Editor\r");
  f.Type("C:\\Tools\\tool.exe\r");
  ASSERT_EQ(shell.executions.size(), 4u);
  EXPECT_EQ(shell.executions[2].file, "C:\\Tools\\ed.exe");
  EXPECT_EQ(shell.executions[3].file, "C:\\Tools\\tool.exe");
  EXPECT_TRUE(shell.programQuestions.empty());

  // A name the shell does not know launches nothing and clears the box.
  f.Type("nosuchprogram --help\r");
  EXPECT_EQ(shell.programQuestions, (std::vector<std::string>{"nosuchprogram"}));
  EXPECT_EQ(shell.executions.size(), 4u);
  EXPECT_EQ(f.box.text, "");
}

// The Start menu's programs: the user's and the shared menu, a program in both, a localized
// name with its file name as a second one, a program on a button, one started at log-on, a
// shortcut that names no target (in both menus), and one that cannot be read.
struct MenuFixture : RunBoxFixture {
  FakeProgramMenu menu;
  void Link(const std::string& path, const std::string& name, const std::string& target,
            const std::string& args = "") {
    menu.shortcuts[path] = {name, target, args};
  }
  MenuFixture() {
    const std::string u = "C:\\Users\\me\\Programs\\";
    const std::string c = "C:\\ProgramData\\Programs\\";
    Link(u + "Accessories\\Paint.lnk", "ペイント", "C:\\Windows\\system32\\mspaint.exe");
    Link(c + "Accessories\\Paint.lnk", "ペイント", "C:\\WINDOWS\\System32\\MSPAINT.EXE");
    Link(c + "Accessories\\Calculator.lnk", "電卓", "C:\\Windows\\system32\\calc.exe");
    Link(c + "Accessories\\Notepad.lnk", "メモ帳", "C:\\Windows\\notepad.exe");
    Link(u + "Tools\\Deep\\Nested\\Editor.lnk", "Editor", "C:\\Tools\\ed.exe");
    Link(u + "Startup\\Sync.lnk", "Sync", "C:\\Sync\\sync.exe");
    Link(u + "Word.lnk", "Word", "C:\\Office\\word.exe");
    Link(c + "Office\\Word.lnk", "Word", "C:\\Office\\word.exe");
    Link(c + "Office\\Word Safe.lnk", "Word Safe", "C:\\Office\\word.exe", "/safe");
    Link(u + "Games\\Solitaire.lnk", "ソリティア", "");
    Link(c + "Games\\Solitaire.lnk", "ソリティア", "");
    Link(c + "Broken.lnk", "Broken", "C:\\b.exe");
    menu.unreadable.push_back(c + "Broken.lnk");
    Tip(0, 0, "C:\\Tools\\ed.exe", "Editor");
    Tip(0, 1, "C:\\a\\memo.exe", "memo pad");
  }
};

TEST(RunBoxPrograms, TheListShowsEachProgramOnceAfterTheToolTips) {
  MenuFixture f;
  using L = std::vector<std::string>;
  // Before the menu has been read the box lists the tool tips alone.
  EXPECT_EQ(f.Listed("me"), L{"memo pad"});
  ProgramsRead(f.app, ReadProgramMenu(f.menu));
  const struct {
    const char* typed;
    L listed;
  } rows[] = {
      {"ペ", {"ペイント"}},            // in both menus, once
      {"pe", {"ペイント"}},            // by its reading
      {"dentaku", {"電卓"}},           // by the reading of its kanji
      {"ぺい", {"ペイント"}},          // kana typed through the input method
      {"CALC", {"電卓"}},              // by its file name, in any case
      {"w", {"Word", "Word Safe"}},    // same target, other arguments: two programs
      {"me", {"memo pad", "メモ帳"}},  // the tool tips come first
      {"edi", {"Editor"}},             // on a button: the tool tip alone
      {"sync", {}},                    // started at log-on: not a program to list
      {"そり", {"ソリティア"}},        // no target, the same name twice: once
      {"bro", {}},                     // could not be read
      {"x", {}},
  };
  for (const auto& row : rows) EXPECT_EQ(f.Listed(row.typed), row.listed) << row.typed;

  // A beginning many programs share lists the first hundred by name.
  for (int i = 149; i >= 0; --i) {
    const std::string n = std::string(i < 100 ? "0" : "") + (i < 10 ? "0" : "") + std::to_string(i);
    f.Link("C:\\ProgramData\\Programs\\Tools\\Tool " + n + ".lnk", "Tool " + n,
           "C:\\t\\" + n + ".exe");
  }
  ProgramsRead(f.app, ReadProgramMenu(f.menu));
  const L many = f.Listed("tool");
  ASSERT_EQ(many.size(), 100u);
  EXPECT_EQ(many.front(), "Tool 000");
  EXPECT_EQ(many.back(), "Tool 099");
}

TEST(RunBoxPrograms, EnterOnAProgramsNameOpensItsShortcut) {
  MenuFixture f;
  ProgramsRead(f.app, ReadProgramMenu(f.menu));
  f.fake.shell.programs["ペイン"] = "C:\\elsewhere\\found.exe";
  const std::string c = "C:\\ProgramData\\Programs\\";
  const struct {
    const char* text;
    std::string launched;  // empty: nothing
  } rows[] = {
      {"電卓", c + "Accessories\\Calculator.lnk"},
      {"Word Safe", c + "Office\\Word Safe.lnk"},  // a name with a space, whole
      {"calculator", c + "Accessories\\Calculator.lnk"},
      {"Editor", "C:\\Tools\\ed.exe"},         // the tool tip's button comes first
      {"ペイン", "C:\\elsewhere\\found.exe"},  // not a whole name: the program finder
      {"Word Safe x", ""},
  };
  for (const auto& row : rows) {
    f.fake.shell.executions.clear();
    f.box.SetText(row.text);
    Run_KeyPress(f.app, 13);
    EXPECT_EQ(f.box.text, "") << row.text;
    if (row.launched.empty()) {
      EXPECT_TRUE(f.fake.shell.executions.empty()) << row.text;
      continue;
    }
    ASSERT_EQ(f.fake.shell.executions.size(), 1u) << row.text;
    EXPECT_EQ(f.fake.shell.executions[0].file, row.launched);
    // The shortcut brings its own arguments.
    if (row.launched.ends_with(".lnk")) {
      EXPECT_EQ(f.fake.shell.executions[0].params, "");
    }
  }
}

// Right after the start the programs are found by their names, before a single shortcut is
// read; reading them takes away the programs found twice, the ones on a button and the ones
// that cannot be read.
TEST(RunBoxPrograms, NamesAreSearchableBeforeTheShortcutsAreRead) {
  MenuFixture f;
  using L = std::vector<std::string>;
  const std::vector<FoundShortcut> found = FindShortcuts(f.menu);
  EXPECT_EQ(f.menu.described, 0);
  ASSERT_EQ(found.size(), 11u);  // every shortcut but the one started at log-on
  const struct {
    const char* typed;
    L byName;    // before the shortcuts are read
    L finished;  // after
  } rows[] = {
      {"ペ", {"ペイント"}, {"ペイント"}},      // same place in both menus: once from the start
      {"dentaku", {"電卓"}, {"電卓"}},         // readings from the start
      {"CALC", {"電卓"}, {"電卓"}},            // file names from the start
      {"そり", {"ソリティア"}, {"ソリティア"}},  // no target, same place: once
      {"w", {"Word", "Word", "Word Safe"}, {"Word", "Word Safe"}},  // one target, two places
      {"edi", {"Editor", "Editor"}, {"Editor"}},  // its target is a button's: known once read
      {"bro", {"Broken"}, {}},                    // there until it cannot be read
      {"sync", {}, {}},                           // started at log-on: never
  };
  ProgramsRead(f.app, CatalogueOfNames(found));
  for (const auto& row : rows) EXPECT_EQ(f.Listed(row.typed), row.byName) << row.typed;
  ProgramsRead(f.app, ReadShortcuts(f.menu, found));
  EXPECT_EQ(f.menu.described, 11);
  for (const auto& row : rows) EXPECT_EQ(f.Listed(row.typed), row.finished) << row.typed;

  // A reading stopped half-way (the program closing) reads no more shortcuts.
  std::atomic<bool> stop{true};
  EXPECT_TRUE(FindShortcuts(f.menu, &stop).empty());
  EXPECT_EQ(ReadShortcuts(f.menu, found, &stop).size(), 0u);
  EXPECT_EQ(f.menu.described, 11);
}

// A reading after a change of the menu reads again only the shortcuts whose write time or size
// changed since the reading before, and takes the others from what that one read.
TEST(RunBoxPrograms, AReadingAfterAChangeReadsOnlyWhatChanged) {
  MenuFixture f;
  using L = std::vector<std::string>;
  const std::string u = "C:\\Users\\me\\Programs\\";
  const std::string c = "C:\\ProgramData\\Programs\\";
  f.menu.shortcuts[u + "Unlisted.lnk"] = {"Unlisted", "C:\\u.exe", "", 0, 0};
  ShortcutMemory memory;
  const auto readAgain = [&](const std::atomic<bool>* stop = nullptr) {
    f.menu.describedLinks.clear();
    ProgramCatalogue read = ReadShortcuts(f.menu, FindShortcuts(f.menu), stop, &memory);
    if (!stop) ProgramsRead(f.app, std::move(read));
    return f.menu.describedLinks;
  };
  EXPECT_EQ(readAgain().size(), 12u);  // the first reading reads every shortcut
  EXPECT_EQ(memory.size(), 10u);       // all but the broken one and the one without a date

  f.menu.shortcuts[u + "Word.lnk"].written = 2;  // rewritten: it opens another program now
  f.menu.shortcuts[u + "Word.lnk"].target = "C:\\Office\\word2.exe";
  f.menu.shortcuts[c + "Accessories\\Calculator.lnk"].size = 2;
  f.menu.shortcuts.erase(c + "Office\\Word Safe.lnk");
  f.Link(c + "Accessories\\Camera.lnk", "カメラ", "C:\\Windows\\camera.exe");
  const L again = readAgain();
  const struct {
    std::string link;
    bool read;
  } rows[] = {
      {u + "Word.lnk", true},                          // another write time
      {c + "Accessories\\Calculator.lnk", true},       // the same time, another size
      {c + "Accessories\\Camera.lnk", true},           // new
      {c + "Broken.lnk", true},                        // could not be read: tried again
      {u + "Unlisted.lnk", true},                      // its folder gives no time or size
      {c + "Accessories\\Notepad.lnk", false},         // unchanged
      {u + "Tools\\Deep\\Nested\\Editor.lnk", false},  // unchanged, deep down
      {c + "Office\\Word Safe.lnk", false},            // removed
  };
  for (const auto& row : rows) {
    EXPECT_EQ(std::count(again.begin(), again.end(), row.link), row.read ? 1 : 0) << row.link;
  }
  EXPECT_EQ(again.size(), 5u);
  const struct {
    const char* typed;
    L listed;
  } listed[] = {
      {"w", {"Word", "Word"}},         // two programs now; the removed one is gone
      {"kamera", {"カメラ"}},          // the new one
      {"dentaku", {"電卓"}},           // read again, the same
      {"me", {"memo pad", "メモ帳"}},  // taken from the reading before
      {"edi", {"Editor"}},             // still known to be on a button
  };
  for (const auto& row : listed) EXPECT_EQ(f.Listed(row.typed), row.listed) << row.typed;
  ShortcutTarget opens;
  EXPECT_FALSE(memory.Recall({c + "Office\\Word Safe.lnk", "", c.size() - 1, 1, 1}, opens));
  EXPECT_FALSE(memory.Recall({u + "Word.lnk", "", u.size() - 1, 1, 1}, opens));  // the old one
  EXPECT_TRUE(memory.Recall({u + "Word.lnk", "", u.size() - 1, 2, 1}, opens));
  EXPECT_EQ(opens.target, "C:\\Office\\word2.exe");

  // A reading stopped half-way (the program closing) leaves the memory as it was.
  std::atomic<bool> stop{true};
  readAgain(&stop);
  EXPECT_EQ(memory.size(), 10u);
  EXPECT_EQ(readAgain(), (L{u + "Unlisted.lnk", c + "Broken.lnk"}));
}

TEST(RunBox, AToolTipWithSpacesIsLaunchedOnlyInQuotes) {
  RunBoxFixture f;
  f.Tip(0, 3, "C:\\a\\paint.exe", "My Paint");
  f.Type("\"My Paint\"\r");
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\a\\paint.exe");
  // Without quotes the text is cut at the space: "My" names nothing.
  f.box.SetText("My Paint");
  Run_KeyPress(f.app, 13);
  EXPECT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.box.text, "");
}

TEST(RunBox, SplitRunText) {
  RunBoxFixture f;
  f.Tip(0, 0, "C:\\a\\x.exe", "\"Quoted Tip\" and more");
  auto split = [&](const std::string& t) {
    const RunParts p = SplitRunText(f.app, t);
    return p.Command + "|" + p.Rest;
  };
  EXPECT_EQ(split("calc"), "calc|");
  EXPECT_EQ(split("calc  a b"), "calc|  a b");
  EXPECT_EQ(split(" leading"), " leading|");
  EXPECT_EQ(split("\"C:\\P F\\x.exe\" y"), "\"C:\\P F\\x.exe\"| y");
  EXPECT_EQ(split("\"unclosed quote"), "\"unclosed quote|");
  // A space inside quotes ends the command where the text so far begins a tool tip.
  EXPECT_EQ(split("\"Quoted Tip\" z"), "\"Quoted| Tip\" z");
  EXPECT_FALSE(InsideQuotes("a \"b c\" d", 2));
  EXPECT_TRUE(InsideQuotes("a \"b c\" d", 5));
  EXPECT_FALSE(InsideQuotes("a \"b c\" d", 8));
}

TEST(RunBox, InternalNamesAndTheOtherKeys) {
  RunBoxFixture f;
  f.Type(",Tools\r");
  EXPECT_EQ(f.pageChanges, (std::vector<PageChangeCall>{{2, false, false}}));
  EXPECT_EQ(f.box.text, "");
  f.Type(",exit\r");
  EXPECT_EQ(f.endings, 1);
  EXPECT_EQ(f.box.text, "");

  // Tab leaves the text unless it is to clear the box; Ctrl+A selects everything.
  f.Type("abc\t");
  EXPECT_EQ(f.box.text, "abc\t") << "the key goes on to the field";
  f.box.SetText("abc");
  f.app.model.settings.options.TabClearsRun = true;
  EXPECT_EQ(Run_KeyPress(f.app, 9), 0);
  EXPECT_EQ(f.box.text, "");
  f.box.SetText("abc");
  EXPECT_EQ(Run_KeyPress(f.app, 1), 0);
  EXPECT_EQ(f.Selected(), "abc");
}

}  // namespace
}  // namespace velmarin

namespace velmarin {
namespace {

// What a gesture hands the box: a path goes in front of what the box held, and only a box that
// held text already takes the focus; a tool tip replaces the text.
TEST(RunBoxGestures, PathsGoInFrontAndToolTipsReplace) {
  LaunchFixture f;
  FakeRunList& box = f.fake.runList;
  PutInRunBox(f.app, "\"C:\\My Files\\a.txt\"");
  EXPECT_EQ(box.text, "\"C:\\My Files\\a.txt\"");
  EXPECT_EQ(box.focusCount, 0);
  PutInRunBox(f.app, "C:\\b.txt");
  EXPECT_EQ(box.text, "C:\\b.txt \"C:\\My Files\\a.txt\"");
  EXPECT_EQ(box.focusCount, 1);
  SetRunBoxText(f.app, "Notepad", false);
  EXPECT_EQ(box.text, "Notepad");
  EXPECT_EQ(box.focusCount, 1);
  SetRunBoxText(f.app, "Notepad", true);
  EXPECT_EQ(box.focusCount, 2);
}

}  // namespace
}  // namespace velmarin

namespace velmarin {
namespace {

// A locale whose comparison also ignores the width of Latin letters ("Ｎｏ" begins with "no").
struct WidthBlindText : FakeText {
  static std::string Narrow(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
      const auto c1 = static_cast<unsigned char>(s[i]);
      const auto c2 = i + 2 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
      const auto c3 = i + 2 < s.size() ? static_cast<unsigned char>(s[i + 2]) : 0;
      if (c1 == 0xEF && c2 == 0xBC && c3 >= 0xA1 && c3 <= 0xBA) {
        out += static_cast<char>('A' + (c3 - 0xA1));
        i += 2;
      } else if (c1 == 0xEF && c2 == 0xBD && c3 >= 0x81 && c3 <= 0x9A) {
        out += static_cast<char>('a' + (c3 - 0x81));
        i += 2;
      } else {
        out += s[i];
      }
    }
    return out;
  }
  bool StartsWithNoCase(const std::string& text, const std::string& prefix) override {
    return FakeText::StartsWithNoCase(Narrow(text), Narrow(prefix));
  }
};

TEST(RunBoxSearch, FollowsEveryEditOfTheButtonsBetweenKeystrokes) {
  RunBoxFixture f;
  f.app.model.settings.options.RunAutoDropDown = true;
  Page& page = f.app.model.Pages[0];
  f.Tip(0, 0, "C:\\a\\b.exe", "note one");
  f.Tip(0, 1, "C:\\a\\c.exe", "note two");
  f.Tip(1, 0, "C:\\a\\d.exe", "notes far");
  EXPECT_EQ(SearchToolTip(f.app, "n", true), "note one");
  // A gesture swaps the two buttons: the list follows the new order.
  SwapButtons(f.app, page.Buttons[0], page.Buttons[1]);
  EXPECT_EQ(SearchToolTip(f.app, "n", true), "note two");
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"note two", "note one", "notes far"}));
  // A button emptied is no longer offered; one registered by a drop is.
  ClearButton(f.app, page.Buttons[0], true);
  EXPECT_EQ(SearchToolTip(f.app, "note t", false), "");
  f.app.model.CurrentPage = 0;
  AssignItem(f.app, 5, "C:\\Tools\\Notepad.exe");
  EXPECT_EQ(SearchToolTip(f.app, "NOTEP", false), page.Buttons[5].ToolTip);
  EXPECT_FALSE(page.Buttons[5].ToolTip.empty());
  // Fewer buttons in the row, or fewer pages: what is cut off is not offered.
  EXPECT_EQ(SearchToolTip(f.app, "notes", false), "notes far");
  f.app.model.PageCount = 1;
  EXPECT_EQ(SearchToolTip(f.app, "notes", false), "");
  f.app.model.settings.MaxButton = 5;
  EXPECT_EQ(SearchToolTip(f.app, "n", true), "note one");
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"note one"}));
  // A tool tip changed in place by code that says so, and any change made before the box takes
  // the focus, are seen at the next search.
  page.Buttons[0].ToolTip = "Nova";
  ++f.app.model.edits;
  EXPECT_EQ(SearchToolTip(f.app, "nov", false), "Nova");
  page.Buttons[0].ToolTip = "Nebula";
  Run_GotFocus(f.app);
  EXPECT_EQ(SearchToolTip(f.app, "neb", false), "Nebula");
}

// Counts the questions the search asks of the platform's comparison.
struct CountingText : WidthBlindText {
  int asked = 0;
  bool StartsWithNoCase(const std::string& text, const std::string& prefix) override {
    ++asked;
    return WidthBlindText::StartsWithNoCase(text, prefix);
  }
};

TEST(RunBoxSearch, TheComparisonIsAskedOncePerBeginningNotPerTip) {
  RunBoxFixture f;
  CountingText text;
  f.app.platform.text = &text;
  f.app.model.settings.MaxButton = 12;
  f.app.model.Pages.resize(100);
  f.app.model.PageCount = 100;
  const char* words[] = {"メモ帳", "メール", "ノート", "ｎｏｔｅ", "写真", "notes"};
  std::vector<std::string> memo;
  std::vector<std::string> note;
  for (int n = 0; n < 1200; ++n) {
    const std::string tip = std::string(words[n % 6]) + " " + std::to_string(n);
    f.Tip(n / 12, n % 12, "C:\\p\\" + std::to_string(n) + ".exe", tip);
    if (n % 6 == 0) memo.push_back(tip);
    if (n % 6 == 3 || n % 6 == 5) note.push_back(tip);
  }
  EXPECT_EQ(SearchToolTip(f.app, "メモ", true), "メモ帳 0");
  EXPECT_EQ(f.box.items, memo) << "every match, in page and slot order";
  EXPECT_LE(text.asked, 10) << "not once per tool tip";
  // Typed on: the answers for the beginning typed before are not asked again.
  text.asked = 0;
  EXPECT_EQ(SearchToolTip(f.app, "メモ帳 1", true), "メモ帳 12");
  std::vector<std::string> memo1;
  for (const std::string& tip : memo) {
    if (tip.starts_with("メモ帳 1")) memo1.push_back(tip);
  }
  EXPECT_EQ(f.box.items, memo1);
  EXPECT_LE(text.asked, 2);
  // Narrow letters typed meet the wide ones through the comparison, and ASCII in another case.
  EXPECT_EQ(SearchToolTip(f.app, "NOTE", true), "ｎｏｔｅ 3");
  EXPECT_EQ(f.box.items, note);
  // Longer than every tool tip, or a beginning none has: nothing.
  EXPECT_EQ(SearchToolTip(f.app, "メモ帳 11111", true), "");
  EXPECT_EQ(SearchToolTip(f.app, "カメラ", true), "");
  EXPECT_TRUE(f.box.items.empty());
}

TEST(RunBoxSearch, TipsTheLocaleMatchesKeepTheirPlaceInTheList) {
  RunBoxFixture f;
  WidthBlindText text;
  f.app.platform.text = &text;
  f.Tip(0, 0, "C:\\a\\b.exe", "note one");
  f.Tip(0, 1, "C:\\a\\c.exe", "ｎｏｔｅ wide");  // begins with other bytes than "n"
  f.Tip(0, 2, "C:\\a\\d.exe", "Not\xC3\xA9s");   // an accent after the typed letters
  f.Tip(0, 3, "C:\\a\\e.exe", "calc");
  EXPECT_EQ(SearchToolTip(f.app, "no", true), "note one");
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"note one", "ｎｏｔｅ wide", "Not\xC3\xA9s"}));
  // Typed in wide letters, the narrow tool tips match too.
  EXPECT_EQ(SearchToolTip(f.app, "ＮＯ", true), "note one");
  EXPECT_EQ(f.box.items.size(), 3u);
  EXPECT_EQ(SearchToolTip(f.app, "NOTés", true), "Not\xC3\xA9s");
  EXPECT_EQ(f.box.items, (std::vector<std::string>{"Not\xC3\xA9s"}));
}

}  // namespace
}  // namespace velmarin
