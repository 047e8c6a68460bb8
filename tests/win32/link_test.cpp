// Shortcut targets read through the shell-link object, and the path helpers of the app logic
// driven through the real backend.
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include <thread>

#include "launch/names.h"
#include "win32/com_scope.h"
#include "win32/win32_platform.h"
#include "temp_folder.h"

namespace velmarin::win32 {
namespace {

// Writes a shortcut the way the shell does.
bool MakeShortcut(const std::string& linkPath, const std::string& target) {
  ComScope com;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              link.Out()))) {
    return false;
  }
  ComPtr<IPersistFile> file;
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
