#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>

#include "core/real_text.h"
#include "settings_golden.h"
#include "settings_test_support.h"

namespace velmarin {
namespace {

// The fixed model gives exactly the golden bytes: line order, forms, CR LF, code page 932,
// empty slots as "P=", no S= for ShowCmd 1, drawer gaps closed, the closing empty line.
TEST(SettingsWriter, ExactBytesOfASmallModel) {
  SettingsFixture f;
  FillGoldenModel(f.app.model);
  EXPECT_TRUE(SaveSettings(f.app));
  EXPECT_EQ(f.Saved(), kGoldenFile);
  EXPECT_TRUE(f.shown().empty());
  EXPECT_TRUE(f.app.model.settings.options.SavedDropMode);
}

std::string PageBlock(SettingsFixture& f) {
  const std::string saved = f.Saved();
  return saved.substr(saved.find("G=0\r\n"));
}

TEST(SettingsWriter, ButtonLines) {
  SettingsFixture f;
  Model& m = f.app.model;
  m.PageCount = 1;
  m.Pages.resize(1);
  m.settings.MaxButton = 4;
  m.settings.MaxDrawer = 4;
  Button& a = m.Pages[0].Buttons[0];
  a.Path = "a.exe";
  a.ShowCmd = 2;
  a.IconIndex = 5;  // no icon file: no I= line
  a.Drawer = {"", "", "", "last"};
  Button& b = m.Pages[0].Buttons[1];
  b.ToolTip = "lost with its empty path";
  b.Drawer[0] = "also lost";
  Button& c = m.Pages[0].Buttons[2];
  c.Path = "c.exe";
  c.IconFile = "shell32.dll";
  c.IconIndex = -12;
  c.ShowCmd = -3;
  m.Pages[0].Buttons[4].Path = "beyond MaxButton";
  ASSERT_TRUE(SaveSettings(f.app));
  EXPECT_EQ(PageBlock(f), CrLf({"G=0", "C=", "P=a.exe", "S=2", "M=last", "P=", "P=c.exe",
                                "I=shell32.dll,-12", "P="}) +
                              "\r\n");
}

// A page count beyond the most pages there can be is written as that most, so the file reads
// back as it was written.
TEST(SettingsWriter, PageCountCappedAtTheMostPages) {
  SettingsFixture f;
  Model& m = f.app.model;
  m.PageCount = kMaxPageCount + 1;
  m.Pages.resize(2);
  m.Pages[1].Caption = "second";
  m.settings.MaxButton = 1;
  m.settings.MaxDrawer = 1;
  ASSERT_TRUE(SaveSettings(f.app));
  const std::string saved = f.Saved();
  const std::string last = "G=" + std::to_string(kMaxPageCount - 1) + "\r\nC=\r\nP=\r\n\r\n";
  // The files are long: a failure says where, not every line of the difference.
  ASSERT_NE(saved.find("\r\nMaxPage=" + std::to_string(kMaxPageCount) + "\r\n"), std::string::npos);
  ASSERT_GE(saved.size(), last.size());
  ASSERT_EQ(saved.substr(saved.size() - last.size()), last);

  SettingsFixture again;
  again.LoadAndStart(saved);
  EXPECT_EQ(again.app.model.PageCount, kMaxPageCount);
  EXPECT_EQ(again.app.model.Pages[1].Caption, "second");
  ASSERT_TRUE(SaveSettings(again.app));
  EXPECT_TRUE(again.Saved() == saved);
}

// A CR or LF inside a value is written as a space, so no later line shifts.
TEST(SettingsWriter, LineBreaksInsideValuesBecomeSpaces) {
  SettingsFixture f;
  Model& m = f.app.model;
  m.PageCount = 1;
  m.Pages.resize(1);
  m.settings.MaxButton = 1;
  m.settings.MaxDrawer = 1;
  m.Pages[0].Caption = "two\r\nlines";
  m.Pages[0].Buttons[0].Path = "a\nb";
  m.Pages[0].Buttons[0].ToolTip = "表\r示";
  ASSERT_TRUE(SaveSettings(f.app));
  EXPECT_EQ(PageBlock(f), f.Cp932(CrLf({"G=0", "C=two  lines", "P=a b", "T=表 示"}) + "\r\n"));
}

// The window position prints as a single-precision number: no point for whole twips.
TEST(SettingsWriter, WindowPositionForms) {
  const std::pair<float, const char*> cases[] = {
      {14640.0f, "X=14640\r\n"},
      {-100.0f, "X=-100\r\n"},
      {1234.5f, "X=1234.5\r\n"},
      {-0.0f, "X=0\r\n"},
      {0.1f, "X=0.1\r\n"},
      {60 / 7.0f, "X=8.571428\r\n"},
      {123456789.0f, "X=123456792\r\n"},
      {1e-30f, "X=0\r\n"},
      {3.4028235e38f, "X=340282346638528859811704183484516925440\r\n"},
  };
  for (const auto& [value, line] : cases) {
    SettingsFixture f;
    f.app.model.WindowLeft = value;
    ASSERT_TRUE(SaveSettings(f.app));
    EXPECT_EQ(f.Saved().substr(0, f.Saved().find('\n') + 1), line);
  }
}

// Every position reads back as the value written, in the standard library's shortest form.
TEST(SettingsWriter, WindowPositionReadsBackAsWritten) {
  uint32_t bits = 12345;
  for (int i = 0; i < 40000; ++i) {
    bits = bits * 1664525u + 1013904223u;
    const float value = std::bit_cast<float>(bits);
    if (!std::isfinite(value) || std::fabs(value) < 1e-22f) continue;
    const std::string text = ShortestFixed(value);
    char expected[64];
    const auto end =
        std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed).ptr;
    ASSERT_EQ(text, std::string(expected, end)) << value;
    const auto read = ParseReal(text);
    ASSERT_TRUE(read.has_value()) << text;
    ASSERT_EQ(static_cast<float>(*read), value) << text;
  }
}

// O= lines only with StorageKeepItems, in list order; SavedDropMode follows DropMode at save
// time; flag bits not tied to an option are dropped.
TEST(SettingsWriter, ShelfModeAndFlags) {
  for (bool keep : {false, true}) {
    SettingsFixture f;
    f.app.model.settings.flags.FlgStorageBehavior = keep ? (16 | 64) : 64;
    f.app.model.settings.flags.FlgMode = 2;  // saved in execute mode last time
    UnpackFlags(f.app.model.settings);
    f.app.model.DropMode = false;
    f.fake.shelf.Add("C:\\b.txt", "b.txt");
    f.fake.shelf.Add(",BEEP", ",BEEP");
    ASSERT_TRUE(SaveSettings(f.app));
    const std::string saved = f.Saved();
    EXPECT_NE(saved.find(keep ? "FlgStorageBehavior=16\r\n" : "FlgStorageBehavior=0\r\n"),
              std::string::npos);
    EXPECT_NE(saved.find("FlgMode=0\r\n"), std::string::npos);
    EXPECT_FALSE(f.app.model.settings.options.SavedDropMode);
    const bool hasShelf = saved.find("O=C:\\b.txt\r\nO=,BEEP\r\n\r\n") != std::string::npos;
    EXPECT_EQ(hasShelf, keep);
    EXPECT_EQ(saved.find("O=") != std::string::npos, keep);
  }
}

// Text the ANSI code page cannot hold is not lost as "?": the file becomes UTF-8 with a
// byte-order mark, and reads back as it was.
TEST(SettingsWriter, TextOutsideTheCodePageSwitchesToUtf8) {
  SettingsFixture f;
  FillGoldenModel(f.app.model);
  f.app.model.Pages[1].Caption = "한국어";
  ASSERT_TRUE(SaveSettings(f.app));
  const std::string saved = f.Saved();
  ASSERT_EQ(saved.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(saved.find("C=한국어\r\n"), std::string::npos);
  EXPECT_NE(saved.find("C=ツール\r\n"), std::string::npos);

  SettingsFixture again;
  again.LoadAndStart(saved);
  EXPECT_EQ(again.app.model.Pages[1].Caption, "한국어");
  EXPECT_EQ(again.At(0, 0).Path, "C:\\ソフト\\表計算.exe");
  again.app.model.DropMode = true;  // start-up keeps the saved mode (KeepDropMode)
  ASSERT_TRUE(SaveSettings(again.app));
  EXPECT_EQ(again.Saved(), saved);
}

// A failed save says so and leaves the old file whole.
TEST(SettingsWriter, FailedSaveKeepsTheOldFile) {
  SettingsFixture f;
  f.fake.files.AddFile(kIniPath, "old");
  f.fake.files.FailWrites(true);
  EXPECT_FALSE(SaveSettings(f.app));
  ASSERT_EQ(f.shown().size(), 1u);
  EXPECT_EQ(f.shown()[0].text, "File Save Error...");
  EXPECT_EQ(f.shown()[0].title, "");
  EXPECT_EQ(f.shown()[0].buttons, MbButtons::Ok);
  EXPECT_EQ(f.Saved(), "old");

  // A file that could not be read at start is never replaced by the defaults that stood in,
  // nor one whose presence could not be asked: neither is called missing.
  const struct {
    const char* name;
    void (*atStart)(FakeFiles& files);
  } unreadable[] = {
      {"there, but not to be read as a file", [](FakeFiles& files) { files.AddFolder(kIniPath); }},
      {"the question whether it is there fails",
       [](FakeFiles& files) {
         files.AddFile(kIniPath);
         files.SetDriveUnreadable('C', true);
       }},
  };
  for (const auto& row : unreadable) {
    SettingsFixture unread;
    row.atStart(unread.fake.files);
    EXPECT_EQ(LoadSettings(unread.app), LoadResult::CannotOpen) << row.name;
    EXPECT_TRUE(unread.shown().empty()) << row.name;
    unread.fake.files.SetDriveUnreadable('C', false);
    unread.fake.files.Remove(kIniPath);
    unread.fake.files.AddFile(kIniPath, "G=0\r\nP=a.exe\r\n");  // readable again at the save
    EXPECT_FALSE(SaveSettings(unread.app)) << row.name;
    EXPECT_EQ(unread.Saved(), "G=0\r\nP=a.exe\r\n") << row.name;
    ASSERT_EQ(unread.shown().size(), 1u) << row.name;
    EXPECT_EQ(unread.shown()[0].text, "File Save Error...") << row.name;
  }
}

// A file whose reading stopped early with text after it, or passed over records that came
// before their limits, is kept once as velmarin.ini.bak before it is replaced; an ordinary file
// gets no backup.
TEST(SettingsWriter, BackupOfTextTheReaderSkipped) {
  const std::string original = IniWithLimits({"G=0", "P=a.exe"}) + "P=hand-edited.exe\r\n";
  // Each file, and the record its save no longer holds.
  const struct {
    std::string file, lost;
  } skipped[] = {
      {original, "hand-edited.exe"},
      {CrLf({"G=0", "P=early.exe", "MaxButton=2", "MaxDrawer=1", "P=a.exe"}) + "\r\n", "early.exe"},
      {CrLf({"MaxButton=2", "G=0", "P=a.exe", "M=early.txt", "MaxDrawer=1"}) + "\r\n", "early.txt"},
      {CrLf({"MaxButton=1", "G=0", "P=gone.exe", "MaxPage=2", "G=0", "P=a.exe"}) + "\r\n",
       "gone.exe"},
      // A page begun again by a G= that is no number: its first button is overwritten.
      {CrLf({"MaxPage=1", "MaxButton=2", "G=0", "P=gone.exe", "G=x", "P=a.exe"}) + "\r\n",
       "gone.exe"},
      // A MaxPage= that is no number still empties the table of the pages read so far.
      {CrLf({"MaxPage=2", "MaxButton=1", "G=1", "P=gone.exe", "MaxPage=x", "G=0", "P=a.exe"}) +
           "\r\n",
       "gone.exe"},
  };
  for (const auto& row : skipped) {
    SettingsFixture f;
    f.LoadAndStart(row.file);
    ASSERT_TRUE(SaveSettings(f.app)) << row.file;
    EXPECT_EQ(f.fake.files.Contents(kBakPath), row.file);
    EXPECT_EQ(f.Saved().find(row.lost), std::string::npos) << row.file;
    EXPECT_NE(f.Saved().find("P=a.exe"), std::string::npos) << row.file;
    // Only once: the next save leaves the backup alone.
    f.fake.files.AddFile(kBakPath, "kept");
    ASSERT_TRUE(SaveSettings(f.app));
    EXPECT_EQ(f.fake.files.Contents(kBakPath), "kept") << row.file;
  }

  SettingsFixture clean;
  clean.LoadAndStart(IniWithLimits({"G=0", "P=a.exe"}));
  ASSERT_TRUE(SaveSettings(clean.app));
  EXPECT_FALSE(clean.fake.files.Exists(kBakPath));

  // No backup can be written: nothing is replaced.
  SettingsFixture blocked;
  blocked.LoadAndStart(original);
  blocked.fake.files.AddFolder(kBakPath);
  EXPECT_FALSE(SaveSettings(blocked.app));
  EXPECT_EQ(blocked.Saved(), original);
  ASSERT_EQ(blocked.shown().size(), 1u);
  EXPECT_EQ(blocked.shown()[0].text, "File Save Error...");
}

}  // namespace
}  // namespace velmarin
