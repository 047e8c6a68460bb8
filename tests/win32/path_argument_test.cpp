// Paths handed to programs as arguments, read back by the system's own command-line splitter and
// by a batch file run through cmd.exe.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shellapi.h>
// clang-format on

#include "launch/path_argument.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/app.h"
#include "launch/execute.h"
#include "launch_support.h"
#include "win32/win32_shell.h"

namespace velmarin::win32 {
namespace {

constexpr const char* kPaths[] = {
    "C:\\",
    "C:\\tools\\a.txt",
    "C:\\My Docs\\",
    "\\\\srv\\share dir\\",
    "C:\\x&notepad",
    "C:\\a^b",
    "C:\\a,b;c=d",
    "C:\\100%",
    "C:\\wow!",
    "C:\\(x) <y>|z",
    "D:\\日本語 フォルダ\\メモ.txt",
};

TEST(PathArgument, TheSplitterGivesBackEachPathAsOneArgument) {
  for (const char* path : kPaths) {
    const std::wstring line = L"program.exe " + Widen(PathArgument(path));
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(line.c_str(), &argc);
    ASSERT_NE(argv, nullptr) << path;
    EXPECT_EQ(argc, 2) << path;
    if (argc >= 2) {
      EXPECT_EQ(Narrow(argv[1]), path) << PathArgument(path);
    }
    LocalFree(argv);
  }
}

// A batch file that writes down its first two arguments as cmd.exe hands them over: a path cut at
// "&" would start a second command, one cut at "," or ";" would fill the second argument.
TEST(PathArgument, ABatchFileGetsThePathAsItsFirstArgumentOnly) {
  TempFolder scratch;
  const std::string batch = scratch / "args.bat";
  const std::string report = scratch / "report.txt";
  ASSERT_TRUE(TempFolder::MakeFile(batch, "@echo [%1][%2]>\"" + report + ".tmp\"\r\n@move /y \"" +
                                              report + ".tmp\" \"" + report + "\" >nul\r\n"));
  App app;
  Win32Shell shell;
  app.platform.shell = &shell;
  for (const char* path : {"C:\\", "C:\\My Docs\\", "C:\\x&echo", "C:\\a,b;c=d", "C:\\a^b"}) {
    DeleteFileW(Widen(report).c_str());
    std::string verb;
    int16_t show = 0;
    ExecuteItem(app, batch, "args.bat", "bat", verb, show, PathArgument(path));
    ASSERT_TRUE(WaitForFile(report, 30)) << path;
    std::ifstream in(Widen(report).c_str(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    // Built piece by piece: gcc 12 warns falsely on a chain of + here.
    std::string expected = "[";
    expected += PathArgument(path);
    expected += "][]\r\n";
    EXPECT_EQ(text.str(), expected) << path;
  }
}

}  // namespace
}  // namespace velmarin::win32
