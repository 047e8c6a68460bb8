// Shortcut targets read through the shell-link object, and the path helpers of the app logic
// driven through the real backend.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "launch/names.h"
#include "run/program_menu_read.h"
#include "run/shortcut_memory.h"
#include "win32/com_scope.h"
#include "win32/program_menu.h"
#include "win32/win32_platform.h"
#include "temp_folder.h"

namespace velmarin::win32 {
namespace {

// Writes a shortcut the way the shell does.
bool MakeShortcut(const std::string& linkPath, const std::string& target,
                  const std::string& args = "") {
  ComScope com;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.Out()))) {
    return false;
  }
  ComPtr<IPersistFile> file;
  if (!args.empty() && FAILED(link->SetArguments(Widen(args).c_str()))) return false;
  return SUCCEEDED(link->SetPath(Widen(target).c_str())) &&
         SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Out())) &&
         SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE));
}

class Win32BackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.ok());
    platform.Wire(app);
  }
  Win32Platform platform;
  App app;
  TempFolder temp;
};

TEST_F(Win32BackendTest, ShortcutTargetsAreRead) {
  const std::string target = temp / "エディタ.exe";
  ASSERT_TRUE(TempFolder::MakeFile(target, "MZ"));
  const std::string link = temp / "エディタ.lnk";
  ASSERT_TRUE(MakeShortcut(link, target));

  EXPECT_EQ(platform.files.LinkTarget(link), target);
  EXPECT_EQ(GetLinkTarget(app, link), target);

  // Anything that is no shortcut gives the path back unchanged.
  ASSERT_TRUE(TempFolder::MakeFile(temp / "fake.lnk", "not a shortcut"));
  EXPECT_EQ(platform.files.LinkTarget(temp / "fake.lnk"), std::nullopt);
  EXPECT_EQ(GetLinkTarget(app, temp / "fake.lnk"), temp / "fake.lnk");
  EXPECT_EQ(GetLinkTarget(app, temp / "missing.lnk"), temp / "missing.lnk");
  EXPECT_EQ(GetLinkTarget(app, temp.path()), temp.path());

  // Reading works on a thread that already has COM in the other model, too.
  std::optional<std::string> fromOtherThread;
  std::thread([&] {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    fromOtherThread = platform.files.LinkTarget(link);
    if (SUCCEEDED(result)) CoUninitialize();
  }).join();
  EXPECT_EQ(fromOtherThread, target);
}

// The Start menu's reader: a folder's listing gives each shortcut's write time and size, and a
// reading after a change reads again only the shortcut written since.
TEST_F(Win32BackendTest, TheMenuReaderReadsAgainOnlyARewrittenShortcut) {
  struct CountingMenu : Win32ProgramMenu {
    std::vector<std::string> read;
    bool Describe(const std::string& shortcut, ShortcutTarget& info) override {
      read.push_back(shortcut);
      return Win32ProgramMenu::Describe(shortcut, info);
    }
  };
  const std::string target = temp / "メモ.exe";
  ASSERT_TRUE(TempFolder::MakeFile(target, "MZ"));
  ASSERT_TRUE(MakeShortcut(temp / "メモ.lnk", target, "/n 1"));
  ASSERT_TRUE(MakeShortcut(temp / "Other.lnk", target));
  ComScope com;
  CountingMenu menu;
  const auto found = [&] {
    std::vector<std::string> folders;
    std::vector<ShortcutFile> files;
    menu.List(temp.path(), folders, files);
    std::vector<FoundShortcut> shortcuts;
    for (ShortcutFile& f : files) shortcuts.push_back({f.path, f.name, 0, f.written, f.size});
    std::sort(shortcuts.begin(), shortcuts.end(),
              [](const auto& a, const auto& b) { return a.link < b.link; });
    return shortcuts;
  };
  const std::vector<FoundShortcut> first = found();
  ASSERT_EQ(first.size(), 2u);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(GetFileAttributesExW(Widen(first[0].link).c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(first[0].size, data.nFileSizeLow);
  EXPECT_NE(first[0].written, 0u);

  ShortcutMemory memory;
  EXPECT_EQ(ReadShortcuts(menu, first, nullptr, &memory).size(), 2u);
  EXPECT_EQ(menu.read.size(), 2u);
  ShortcutTarget opens;
  ASSERT_TRUE(memory.Recall(first[1], opens));  // メモ.lnk sorts after Other.lnk
  EXPECT_EQ(opens.target, target);
  EXPECT_EQ(opens.args, "/n 1");  // as the shell gives it, without a closing NUL

  // Written again a minute later: only that one is read.
  HANDLE file = CreateFileW(Widen(first[0].link).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  ULARGE_INTEGER later{};
  later.LowPart = data.ftLastWriteTime.dwLowDateTime;
  later.HighPart = data.ftLastWriteTime.dwHighDateTime;
  later.QuadPart += 60ull * 10000000ull;
  const FILETIME when{later.LowPart, later.HighPart};
  EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &when));
  CloseHandle(file);
  menu.read.clear();
  EXPECT_EQ(ReadShortcuts(menu, found(), nullptr, &memory).size(), 2u);
  EXPECT_EQ(menu.read, std::vector<std::string>{first[0].link});
}

TEST_F(Win32BackendTest, FileExistAndRemovableDriveThroughTheRealBackend) {
  ASSERT_TRUE(TempFolder::MakeFile(temp / "tool.exe", "MZ"));
  EXPECT_TRUE(FileExist(app, temp / "tool.exe"));
  EXPECT_TRUE(FileExist(app, temp / "*.exe"));
  EXPECT_TRUE(FileExist(app, temp.path()));
  EXPECT_TRUE(FileExist(app, "C:\\"));
  EXPECT_FALSE(FileExist(app, temp / "missing.exe"));
  EXPECT_FALSE(FileExist(app, temp / "missing\\tool.exe"));
  EXPECT_FALSE(FileExist(app, ""));
  EXPECT_FALSE(FileExist(app, temp / "bad<name>|.exe"));

  // The test prefix has no floppy drive, so a failed query means missing.
  EXPECT_EQ(FindRemovableDrive(app), "");
  EXPECT_FALSE(FileExist(app, "A:\\tool.exe"));
}

}  // namespace
}  // namespace velmarin::win32
