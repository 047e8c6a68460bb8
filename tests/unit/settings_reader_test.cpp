#include <gtest/gtest.h>

#include "settings_test_support.h"

namespace velmarin {
namespace {

// Spaces around key, "=" and value go; tabs stay; the value is cut at its CR and keeps any later
// "="; comments with an "=" are skipped.
TEST(SettingsReader, LinePairRules) {
  SettingsFixture f;
  EXPECT_EQ(f.Load(IniWithLimits({"G=0", "  P =  C:\\ed.exe  ", "R=a=b", "T=x\ry\rz",
                                  ";comment=anything", " ; spaced comment = too", "P=\tC:\\tab "})),
            LoadResult::Loaded);
  EXPECT_EQ(f.At(0, 0).Path, "C:\\ed.exe");
  EXPECT_EQ(f.At(0, 0).FileName, "ed.exe");  // derived fields follow the path
  EXPECT_EQ(f.At(0, 0).Params, "a=b");
  EXPECT_EQ(f.At(0, 0).ToolTip, "x");
  EXPECT_EQ(f.At(0, 1).Path, "\tC:\\tab");
  EXPECT_TRUE(f.shown().empty());
}

// Reading stops at an empty line, a line without "=", a line starting with "=", and it ignores
// text after the last LF; what came before stands.
TEST(SettingsReader, StopLinesEndReading) {
  const char* stops[] = {"", "no equals sign", ";comment without equals", "=value", "\t"};
  for (const char* stop : stops) {
    SettingsFixture f;
    EXPECT_EQ(f.Load(CrLf({"MaxButton=3", "G=0", "P=a.exe", stop, "P=b.exe", "x=unknown"})),
              LoadResult::Loaded)
        << stop;
    EXPECT_EQ(f.At(0, 0).Path, "a.exe") << stop;
    EXPECT_EQ(f.At(0, 1).Path, "") << stop;
    EXPECT_TRUE(f.shown().empty()) << stop;
    EXPECT_TRUE(f.app.settingsTextUnread) << stop;
  }
  SettingsFixture f;
  EXPECT_EQ(f.Load("MaxButton=3\r\nG=0\r\nP=a.exe\r\nP=b.exe"), LoadResult::Loaded);
  EXPECT_EQ(f.At(0, 1).Path, "");
  EXPECT_TRUE(f.app.settingsTextUnread);  // the last line had no LF
  SettingsFixture clean;
  clean.Load(IniWithLimits({"G=0", "P=a.exe"}) + "\r\n \t\r\n");
  EXPECT_FALSE(clean.app.settingsTextUnread);  // only blank lines after the end
}

// An LF-only file loads, asking the read-error question once for every pair line; OK uses the
// value uncut. Cancel ends loading after the abort message.
TEST(SettingsReader, LineWithoutCrAsksAndCancelEndsStartUp) {
  SettingsFixture f;
  EXPECT_EQ(f.Load("MaxButton=3\nG=0\nP=a.exe\n\n"), LoadResult::Loaded);
  ASSERT_EQ(f.shown().size(), 3u);
  for (const ShownMessage& m : f.shown()) {
    EXPECT_EQ(m.text, "ファイルの読み込みエラー...");
    EXPECT_EQ(m.title, "エラー");
    EXPECT_EQ(m.buttons, MbButtons::OkCancel);
  }
  EXPECT_EQ(f.At(0, 0).Path, "a.exe");
  EXPECT_EQ(f.app.model.settings.MaxButton, 3);

  SettingsFixture c;
  c.fake.messageBox.Script(MbResult::Ok);
  c.fake.messageBox.Script(MbResult::Cancel);
  EXPECT_EQ(c.Load("MaxButton=3\nMaxDrawer=2\nMaxPage=4\n"), LoadResult::Cancelled);
  ASSERT_EQ(c.shown().size(), 3u);
  EXPECT_EQ(c.shown()[2].text, "velmarinの起動を中断します");
  EXPECT_EQ(c.shown()[2].title, "起動の中止");
  EXPECT_EQ(c.shown()[2].buttons, MbButtons::Ok);
  EXPECT_EQ(c.app.model.settings.MaxButton, 3);
  EXPECT_EQ(c.app.model.settings.MaxDrawer, 0);  // the cancelled line has no effect
}

// Keys compare exactly and case-sensitively; an unknown key asks, OK goes on, Cancel ends.
TEST(SettingsReader, UnknownKeyQuestion) {
  SettingsFixture f;
  EXPECT_EQ(
      f.Load(CrLf({"x=5", "MaxButton=4", "  =orphan", "MAXBUTTON=6", "MaxButton=5"}) + "\r\n"),
      LoadResult::Loaded);
  ASSERT_EQ(f.shown().size(), 3u);
  EXPECT_EQ(f.shown()[0].text, "x: Invalid parameter.");
  EXPECT_EQ(f.shown()[0].title, "");  // the program's default title
  EXPECT_EQ(f.shown()[0].buttons, MbButtons::OkCancel);
  EXPECT_EQ(f.shown()[1].text, ": Invalid parameter.");
  EXPECT_EQ(f.shown()[2].text, "MAXBUTTON: Invalid parameter.");
  EXPECT_EQ(f.app.model.settings.MaxButton, 5);

  SettingsFixture c;
  c.fake.messageBox.Script(MbResult::Cancel);
  const std::string japaneseKey = c.Cp932("ボタン");
  EXPECT_EQ(c.Load(CrLf({japaneseKey + "=1", "MaxButton=4"})), LoadResult::Cancelled);
  ASSERT_EQ(c.shown().size(), 2u);
  EXPECT_EQ(c.shown()[0].text, "ボタン: Invalid parameter.");
  EXPECT_EQ(c.shown()[1].text, "velmarinの起動を中止します。");
  EXPECT_EQ(c.shown()[1].title, "起動の中止");
  EXPECT_EQ(c.shown()[1].buttons, MbButtons::Ok);
  EXPECT_EQ(c.app.model.settings.MaxButton, 0);
}

TEST(SettingsReader, MissingOrUnreadableFile) {
  SettingsFixture f;
  EXPECT_EQ(LoadSettings(f.app), LoadResult::FileMissing);
  ASSERT_EQ(f.shown().size(), 1u);
  EXPECT_EQ(f.shown()[0].text, "C:\\velmarin\\velmarin.ini がみつかりません");
  EXPECT_EQ(f.shown()[0].title, "設定ファイルがみつかりません");
  EXPECT_EQ(f.shown()[0].buttons, MbButtons::Ok);
  EXPECT_EQ(f.app.model.PageCount, 0);

  SettingsFixture folder;  // exists, but cannot be read as a file
  folder.fake.files.AddFolder(kIniPath);
  EXPECT_EQ(LoadSettings(folder.app), LoadResult::CannotOpen);
  EXPECT_TRUE(folder.shown().empty());
}

// The limits act as they stand when a record line is read: 0 until their lines come.
TEST(SettingsReader, LimitsMustComeBeforeTheirRecords) {
  SettingsFixture f;
  f.Load(CrLf({"G=0", "P=early.exe", "MaxButton=2", "P=a.exe", "M=lost", "MaxDrawer=1", "M=kept",
               "M=over", "P=b.exe", "P=c.exe", "T=tip"}) +
         "\r\n");
  EXPECT_EQ(f.At(0, 0).Path, "a.exe");
  EXPECT_EQ(f.At(0, 0).Drawer[0], "kept");
  EXPECT_EQ(f.At(0, 0).Drawer[1], "");
  EXPECT_EQ(f.At(0, 1).Path, "b.exe");
  EXPECT_EQ(f.At(0, 1).ToolTip, "tip");  // c.exe was over the limit: the tip goes to b.exe
  EXPECT_EQ(f.At(0, 2).Path, "");

  // MaxPage discards the pages read so far; G= beyond the count grows the table.
  SettingsFixture p;
  p.Load(CrLf({"MaxButton=1", "G=0", "C=gone", "P=gone.exe", "MaxPage=2", "G=4", "P=four.exe"}) +
         "\r\n");
  EXPECT_EQ(p.app.model.PageCount, 5);
  ASSERT_EQ(p.app.model.Pages.size(), 5u);
  EXPECT_EQ(p.At(0, 0).Path, "");
  EXPECT_EQ(p.app.model.Pages[0].Caption, "");  // the caption went with its page
  EXPECT_EQ(p.At(4, 0).Path, "four.exe");
}

// T=, R=, S= and I= lines each take up to MaxButton per page, all for the most recent button.
TEST(SettingsReader, RecordCountersPerPage) {
  SettingsFixture f;
  f.Load(IniWithLimits({"G=0",       "P=a.exe", "P=b.exe",
                        "T=1",       "T=2",     "T=3",
                        "R=r1",      "R=r2",    "R=r3",
                        "R=r4",      "S=abc",   "S=3",
                        "S=2",       "S=9",     "I=noComma",
                        "I=x.dll,1", "G=1",     "P=c.exe",
                        "R=again",   "T=tip",   "I=C:\\a,b\\icons.dll,-4"}));
  EXPECT_EQ(f.At(0, 0).ToolTip, "");
  EXPECT_EQ(f.At(0, 1).ToolTip, "3");  // the last one wins
  EXPECT_EQ(f.At(0, 1).Params, "r3");  // r4 was over MaxButton (3)
  EXPECT_EQ(f.At(0, 1).ShowCmd, 2);    // S=abc counted but changed nothing; S=9 was over
  EXPECT_EQ(f.At(0, 1).IconFile, "x.dll");
  EXPECT_EQ(f.At(0, 1).IconIndex, 1);
  EXPECT_EQ(f.At(1, 0).Params, "again");  // the next page counts afresh
  EXPECT_EQ(f.At(1, 0).ToolTip, "tip");
  EXPECT_EQ(f.At(1, 0).IconFile, "C:\\a,b\\icons.dll");  // the index follows the last comma
  EXPECT_EQ(f.At(1, 0).IconIndex, -4);

  // Record lines before any P= have no button to go to; M= after an empty P= is ignored.
  SettingsFixture m;
  m.Load(IniWithLimits(
      {"G=0", "T=none", "M=none", "P=", "M=ignored", "P=x.exe", "M=one", "M=two", "M=three"}));
  EXPECT_EQ(m.At(0, 0).ToolTip, "");
  EXPECT_EQ(m.At(0, 0).Drawer[0], "");
  EXPECT_EQ(m.At(0, 1).Drawer[0], "one");
  EXPECT_EQ(m.At(0, 1).Drawer[1], "two");  // MaxDrawer is 2
}

// Captions go to page n, n being the number of C= lines before; G= plays no part.
TEST(SettingsReader, CaptionsFollowTheirOwnCount) {
  SettingsFixture f;
  f.Load(IniWithLimits({"G=1", "C=first", "C=second", "C=outside", "G=0", "C=further"}));
  EXPECT_EQ(f.app.model.Pages[0].Caption, "first");
  EXPECT_EQ(f.app.model.Pages[1].Caption, "second");
  EXPECT_EQ(f.app.model.Pages.size(), 2u);
}

// G= outside what the table can hold drops that page's record lines and touches nothing else;
// MaxPage beyond the most pages there can be is held at that number.
TEST(SettingsReader, PageIndexOutOfRange) {
  SettingsFixture f;
  f.Load(IniWithLimits({"G=0", "P=zero.exe", "G=-1", "P=neg.exe", "T=neg", "M=neg", "G=2147483647",
                        "P=huge.exe", "G=10000", "P=cap.exe", "G=1", "T=orphan", "P=one.exe"}));
  EXPECT_EQ(f.app.model.PageCount, 2);
  ASSERT_EQ(f.app.model.Pages.size(), 2u);
  EXPECT_EQ(f.At(0, 0).Path, "zero.exe");
  EXPECT_EQ(f.At(0, 0).ToolTip, "");
  EXPECT_EQ(f.At(0, 1).Path, "");
  EXPECT_EQ(f.At(1, 0).Path, "one.exe");

  SettingsFixture big;
  big.Load(CrLf({"MaxPage=2000000000", "MaxButton=1", "G=9999", "P=last.exe"}) + "\r\n");
  EXPECT_EQ(big.app.model.PageCount, kMaxPageCount);
  EXPECT_EQ(big.app.model.Pages.size(), static_cast<size_t>(kMaxPageCount));
  EXPECT_EQ(big.At(9999, 0).Path, "last.exe");

  // More buttons than a page has slots: the extra ones and their lines are dropped.
  SettingsFixture wide;
  std::string lines = "MaxButton=99\r\nG=0\r\n";
  for (int i = 0; i < 13; ++i) {
    lines += "P=b" + std::to_string(i) + ".exe\r\nT=tip" + std::to_string(i) + "\r\n";
  }
  wide.Load(lines + "\r\n");
  EXPECT_EQ(wide.At(0, 11).Path, "b11.exe");
  EXPECT_EQ(wide.At(0, 11).ToolTip, "tip11");
}

// Numbers: fractions round halves to even; what does not convert or fit leaves the field.
TEST(SettingsReader, NumbersAndTheWindowPosition) {
  SettingsFixture f;
  f.Load(CrLf({"MaxButton=2.5", "MaxDrawer=40000", "MaxMultiExecute=7", "MaxMultiExecute=x",
               "HotKeyKey=65.5", "HotKeyFlg=-3", "FlgAppearance=-1", "ColRunBack=16777215",
               "ColRunFore=2147483648", "X=30000", "Y=-100.5"}) +
         "\r\n");
  const Settings& s = f.app.model.settings;
  EXPECT_EQ(s.MaxButton, 2);
  EXPECT_EQ(s.MaxDrawer, 0);
  EXPECT_EQ(s.MaxMultiExecute, 7);
  EXPECT_EQ(s.HotKeyKey, 66);
  EXPECT_EQ(s.HotKeyFlg, -3);
  EXPECT_EQ(s.flags.FlgAppearance, -1);
  EXPECT_EQ(s.colors.ColRunBack, 16777215);
  EXPECT_EQ(s.colors.ColRunFore, 0);
  EXPECT_EQ(f.app.model.WindowLeft, 30000);  // start-up brings it onto a screen
  EXPECT_EQ(f.app.model.WindowTop, -101);    // rounded down, keeps its sign
  EXPECT_TRUE(f.app.model.hasWindowLeft);

  SettingsFixture g;
  g.fake.screen.height = 600;
  g.Load(CrLf({"X=-100", "Y=20000", "X=abc", "X=+-7", "Y=1e400", "X=99999999999", "Y=-491506"}) +
         "\r\n");
  EXPECT_EQ(g.app.model.WindowLeft, -100);  // a sign after a sign is not a number
  EXPECT_EQ(g.app.model.WindowTop, 20000);
  // Farther out than 32767 pixels (491 505 twips) is passed over; that far is still a place.
  SettingsFixture far;
  far.fake.screen.height = 600;
  far.Load(CrLf({"X=491505", "Y=-491505"}) + "\r\n");
  EXPECT_EQ(far.app.model.WindowLeft, 491505);
  EXPECT_EQ(far.app.model.WindowTop, -491505);

  SettingsFixture none;
  none.Load(CrLf({"X=", "Y=nan", "X=+-100", "Y=-+100", "X=++1"}) + "\r\n");
  EXPECT_FALSE(none.app.model.hasWindowLeft);
  EXPECT_FALSE(none.app.model.hasWindowTop);
}

// After loading, start-up brings the limits into range.
TEST(SettingsReader, LimitsClampedAtStartUp) {
  struct Case {
    std::string line;
    int maxButton, maxDrawer, maxMulti, pages;
  };
  const Case cases[] = {
      {"X=0", 10, 1, 0, 1},
      {"MaxButton=0", 10, 1, 0, 1},
      {"MaxButton=99", 12, 1, 0, 1},
      {"MaxDrawer=9", 10, 4, 0, 1},
      {"MaxMultiExecute=-1", 10, 1, 4, 1},
      {"MaxMultiExecute=1000", 10, 1, 4, 1},
      {"MaxMultiExecute=999", 10, 1, 999, 1},
      {"MaxPage=0", 10, 1, 0, 1},
      {"MaxPage=3\r\nG=1", 10, 1, 0, 3},
  };
  for (const Case& c : cases) {
    SettingsFixture f;
    f.LoadAndStart(c.line + "\r\n\r\n");
    EXPECT_EQ(f.app.model.settings.MaxButton, c.maxButton) << c.line;
    EXPECT_EQ(f.app.model.settings.MaxDrawer, c.maxDrawer) << c.line;
    EXPECT_EQ(f.app.model.settings.MaxMultiExecute, c.maxMulti) << c.line;
    EXPECT_EQ(f.app.model.PageCount, c.pages) << c.line;
    EXPECT_EQ(f.app.model.Pages.size(), static_cast<size_t>(c.pages)) << c.line;
  }
}

// O= lines go to the shelf whatever StorageKeepItems says, without duplicates.
TEST(SettingsReader, ShelfItems) {
  SettingsFixture f;
  f.Load(CrLf({"FlgStorageBehavior=0", "O=C:\\a.txt", "O=,BEEP", "O=c:\\A.TXT", "O="}) + "\r\n");
  ASSERT_EQ(f.fake.shelf.Count(), 2);
  EXPECT_EQ(f.fake.shelf.Key(0), "C:\\a.txt");
  EXPECT_EQ(f.fake.shelf.Text(0), "a.txt");
  EXPECT_EQ(f.fake.shelf.Key(1), ",BEEP");
}

// Text is in code page 932; a file starting with a UTF-8 byte-order mark is UTF-8.
TEST(SettingsReader, Encodings) {
  SettingsFixture f;
  f.Load(f.Cp932(
      IniWithLimits({"G=0", "C=表示", "P=C:\\ソフト\\表.exe", "T=ソ", "M=C:\\ツール", "R=ascii"})));
  EXPECT_EQ(f.app.model.Pages[0].Caption, "表示");
  EXPECT_EQ(f.At(0, 0).Path, "C:\\ソフト\\表.exe");
  EXPECT_EQ(f.At(0, 0).FileName, "表.exe");
  EXPECT_EQ(f.At(0, 0).ToolTip, "ソ");
  EXPECT_EQ(f.At(0, 0).Drawer[0], "C:\\ツール");
  EXPECT_EQ(f.At(0, 0).Params, "ascii");
  EXPECT_FALSE(f.app.settingsBackupDue);

  SettingsFixture u;
  u.Load("\xEF\xBB\xBF" + IniWithLimits({"G=0", "C=한국어 表", "P=C:\\\xFF.exe"}));
  EXPECT_EQ(u.app.model.Pages[0].Caption, "한국어 表");
  EXPECT_TRUE(u.app.settingsBackupDue);

  // A byte that is no character costs nothing around it and does not swallow the line end.
  SettingsFixture bad;
  bad.Load(IniWithLimits({"G=0", "C=\x83", "P=x.exe", "T=\x85!" + f.Cp932("メモ")}));
  EXPECT_EQ(bad.At(0, 0).Path, "x.exe");
  EXPECT_EQ(bad.At(0, 0).ToolTip.substr(3), "!メモ");
  EXPECT_TRUE(bad.app.settingsBackupDue);
}

}  // namespace
}  // namespace velmarin
