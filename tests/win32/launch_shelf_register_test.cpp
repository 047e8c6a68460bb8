// Items registered on a real shelf list view with the real file system under wine.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
// clang-format on

#include <gtest/gtest.h>

#include <vector>

#include "core/app.h"
#include "launch/shelf_register.h"
#include "launch_support.h"
#include "win32/shelf_list_view.h"
#include "win32/win32_files.h"

namespace velmarin::win32 {
namespace {

class RecordedMessages : public IMessageBox {
 public:
  MbResult Show(const std::string& text, const std::string& title, MbButtons, MbIcon) override {
    shown.push_back(title + "|" + text);
    return MbResult::Ok;
  }
  std::vector<std::string> shown;
};

TEST(LaunchShelfRegister, IconsFromTheRealFileSystem) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"shelf", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(parent, nullptr);
  Win32ShelfList shelf(parent, 100);
  Win32Files files;
  RecordedMessages messages;
  App app;
  app.platform.files = &files;
  app.platform.shelf = &shelf;
  app.platform.messageBox = &messages;
  app.model.PageCount = 1;
  ClampLimits(app.model);

  TempFolder scratch;
  const std::string folder = scratch / "フォルダ";
  ASSERT_TRUE(CreateDirectoryW(Widen(folder).c_str(), nullptr));
  for (const char* name : {"tool.exe", "applet.cpl", "shortcut.lnk"}) {
    ASSERT_TRUE(TempFolder::MakeFile(scratch / name, "x"));
  }
  struct Case {
    std::string item;
    std::string text;
    int icon;
  };
  const Case cases[] = {
      {folder, "フォルダ", 2},
      {scratch / "tool.exe", "tool.exe", 3},
      {scratch / "applet.cpl", "applet.cpl", 4},
      {scratch / "shortcut.lnk", "shortcut.lnk", 5},
      {scratch / "missing.txt", "missing.txt", 0},
      {",BEEP", ",BEEP", 6},
  };
  for (const Case& c : cases) AddToShelf(app, c.item);
  // A pattern matches files on disk, but the system calls it a bad name: it does not stay.
  AddToShelf(app, scratch / "*.exe");
  ASSERT_EQ(shelf.Count(), static_cast<int>(std::size(cases)));
  for (int i = 0; i < shelf.Count(); ++i) {
    EXPECT_EQ(shelf.Key(i), cases[i].item);
    EXPECT_EQ(shelf.Text(i), cases[i].text) << cases[i].item;
    EXPECT_EQ(shelf.SmallIcon(i), cases[i].icon) << cases[i].item;
  }
  EXPECT_TRUE(messages.shown.empty()) << messages.shown.front();

  app.model.settings.options.StorageNotifyDuplicate = true;
  AddToShelf(app, scratch / "TOOL.EXE");
  EXPECT_EQ(shelf.Count(), static_cast<int>(std::size(cases)));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0],
            "登録ファイルの重複|" + (scratch / "TOOL.EXE") + "\r\n同じファイルがあります。");
  DestroyWindow(parent);
}

TEST(LaunchShelfRegister, AttributeFailuresCarryTheirReason) {
  Win32Files files;
  TempFolder scratch;
  ASSERT_TRUE(TempFolder::MakeFile(scratch / "a.txt", "x"));
  const AttributeQuery found = files.QueryAttributes(scratch / "a.txt");
  ASSERT_TRUE(found.attributes.has_value());
  EXPECT_EQ(*found.attributes & Attr::kDirectory, 0u);
  EXPECT_EQ(found.failure, FileFailure::None);

  const AttributeQuery pattern = files.QueryAttributes(scratch / "*.txt");
  EXPECT_FALSE(pattern.attributes.has_value());
  EXPECT_EQ(pattern.failure, FileFailure::BadName);

  const AttributeQuery missing = files.QueryAttributes(scratch / "no\\such.txt");
  EXPECT_FALSE(missing.attributes.has_value());
  EXPECT_EQ(missing.failure, FileFailure::Other);
  EXPECT_FALSE(missing.description.empty()) << "the system says why";
  EXPECT_EQ(missing.description.find('\n'), std::string::npos);
}

}  // namespace
}  // namespace velmarin::win32
