// The settings file written and read by the Win32 build under a Japanese system (code page 932).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../unit/settings_golden.h"
#include "core/settings.h"
#include "launch/settings_items.h"
#include "win32/win32_files.h"
#include "win32/win32_text.h"
#include "temp_folder.h"

namespace velmarin::win32 {
namespace {

// The real file system, with the program's folder moved to a test folder.
class FilesIn : public Win32Files {
 public:
  explicit FilesIn(std::string folder) : folder_(std::move(folder)) {}
  std::string ProgramFolder() override { return folder_; }

 private:
  std::string folder_;
};

class RecordedBoxes : public IMessageBox {
 public:
  MbResult Show(const std::string& text, const std::string&, MbButtons, MbIcon) override {
    shown.push_back(text);
    return MbResult::Ok;
  }
  std::vector<std::string> shown;
};

class FixedScreen : public IScreen {
 public:
  int WidthPixels() override { return 1024; }
  int HeightPixels() override { return 768; }
  int TwipsPerPixelX() override { return 15; }
  int TwipsPerPixelY() override { return 15; }
};

struct Wired {
  App app;
  Win32Text text;
  FilesIn files;
  RecordedBoxes boxes;
  FixedScreen screen;
  explicit Wired(const std::string& folder) : files(folder) {
    app.platform.files = &files;
    app.platform.text = &text;
    app.platform.messageBox = &boxes;
    app.platform.screen = &screen;
  }
  std::string Saved() { return files.ReadAll(SettingsPath(app)).value_or("(none)"); }
};

// A program folder with a Japanese name, as users have them.
std::string ProgramFolder(const TempFolder& temp) {
  const std::string folder = temp / "設定テスト";
  TempFolder::MakeFolder(folder);
  return folder;
}

// The same fixed model gives the same bytes as the native build: code page 932, CR LF.
TEST(Win32Settings, WritesTheBytesTheNativeBuildWrites) {
  TempFolder temp;
  ASSERT_TRUE(temp.ok());
  Wired w(ProgramFolder(temp));
  FillGoldenModel(w.app.model);
  ASSERT_TRUE(SaveSettings(w.app));
  EXPECT_EQ(w.Saved(), kGoldenFile);
  EXPECT_TRUE(w.boxes.shown.empty());

  // Read back and written again: the same bytes.
  Wired again(ProgramFolder(temp));
  ASSERT_EQ(LoadSettings(again.app), LoadResult::Loaded);
  ClampLimits(again.app.model);
  UnpackFlags(again.app.model.settings);
  again.app.model.DropMode = again.app.model.settings.options.SavedDropMode;
  EXPECT_EQ(again.app.model.Pages[0].Caption, "ツール");
  EXPECT_EQ(again.app.model.Pages[0].Buttons[0].Path, "C:\\ソフト\\表計算.exe");
  ASSERT_TRUE(SaveSettings(again.app));
  EXPECT_EQ(again.Saved(), kGoldenFile);
}

// A string code page 932 cannot hold makes a UTF-8 file with its mark, which reads back whole.
TEST(Win32Settings, TextOutsideTheCodePageIsKeptAsUtf8) {
  TempFolder temp;
  ASSERT_TRUE(temp.ok());
  Wired w(ProgramFolder(temp));
  FillGoldenModel(w.app.model);
  w.app.model.Pages[1].Caption = "café 한국어";
  ASSERT_TRUE(SaveSettings(w.app));
  const std::string saved = w.Saved();
  EXPECT_EQ(saved.substr(0, 3), "\xEF\xBB\xBF");

  Wired again(ProgramFolder(temp));
  ASSERT_EQ(LoadSettings(again.app), LoadResult::Loaded);
  EXPECT_EQ(again.app.model.Pages[1].Caption, "café 한국어");
  EXPECT_EQ(again.app.model.Pages[0].Caption, "ツール");
}

// A file whose end the reader skipped, or whose buttons came before their limit, is kept as
// velmarin.ini.bak before it is replaced.
TEST(Win32Settings, SkippedTextIsBackedUp) {
  const std::string files[] = {
      "MaxButton=2\r\nG=0\r\nP=a.exe\r\n\r\nP=\x95\x5C.exe\r\n",
      "G=0\r\nP=\x95\x5C.exe\r\nMaxButton=2\r\n\r\n",
  };
  for (const std::string& original : files) {
    TempFolder temp;
    ASSERT_TRUE(temp.ok());
    const std::string folder = ProgramFolder(temp);
    ASSERT_TRUE(TempFolder::MakeFile(folder + "\\velmarin.ini", original));
    Wired w(folder);
    ASSERT_EQ(LoadSettings(w.app), LoadResult::Loaded);
    ClampLimits(w.app.model);
    ASSERT_TRUE(SaveSettings(w.app));
    EXPECT_EQ(w.files.ReadAll(folder + "\\velmarin.ini.bak"), original);
    EXPECT_NE(w.Saved(), original);
    // No temporary file is left beside them.
    EXPECT_EQ(w.files.List(folder + "\\*").size(), 2u);
  }
}

}  // namespace
}  // namespace velmarin::win32
