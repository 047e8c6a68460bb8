// Launching and deleting through the real shell under wine.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
// clang-format on

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/app.h"
#include "launch/cpl_list.h"
#include "launch/execute.h"
#include "launch/shelf_register.h"
#include "launch_support.h"
#include "win32/win32_shell.h"

namespace velmarin::win32 {
namespace {

struct ShellApp {
  App app;
  Win32Shell shell;
  ShellApp() {
    app.platform.shell = &shell;
    CplListLoad(app);
    app.model.PageCount = 1;
    ClampLimits(app.model);
  }
};

std::string ReadUtf8File(const std::string& path) {
  std::ifstream in(Widen(path).c_str(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool SameNoCase(const std::string& a, const std::string& b) {
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Widen(a).c_str(), -1,
                        Widen(b).c_str(), -1) == CSTR_EQUAL;
}

TEST(LaunchShell, ProgramGetsItsParametersAndStartsInDriveC) {
  ShellApp s;
  TempFolder scratch;
  const std::string probe = ProgramFolder() + "launch_probe.exe";
  ASSERT_TRUE(PathExists(probe)) << probe;
  const std::string report = scratch / "probe report.txt";
  const std::string params = "\"" + report + "\" alpha \"two words\" 表示";

  std::string verb = "open";
  int16_t show = 7;
  ExecuteItem(s.app, probe, "launch_probe.exe", "exe", verb, show, params);
  EXPECT_EQ(verb, "");
  EXPECT_EQ(show, 1);

  ASSERT_TRUE(WaitForFile(report, 30)) << "the probe did not report";
  const std::string text = ReadUtf8File(report);
  const size_t lineEnd = text.find('\n');
  ASSERT_NE(lineEnd, std::string::npos) << text;
  const std::string commandLine = text.substr(0, lineEnd);
  std::string folder = text.substr(lineEnd + 1);
  if (!folder.empty() && folder.back() == '\n') folder.pop_back();
  EXPECT_NE(commandLine.find("launch_probe.exe"), std::string::npos) << commandLine;
  const std::string tail = commandLine.substr(commandLine.size() - params.size());
  EXPECT_EQ(tail, params) << commandLine;
  EXPECT_TRUE(SameNoCase(folder, "c:\\")) << folder;
}

TEST(LaunchShell, CommandLinesStartWithTheirArguments) {
  Win32Shell shell;
  TempFolder scratch;
  const std::string report = scratch / "command line.txt";
  // Built piece by piece: gcc 12 warns falsely on a chain of + here.
  std::string line = "\"";
  line += ProgramFolder();
  line += "launch_probe.exe\" \"";
  line += report;
  line += "\" x";
  EXPECT_TRUE(shell.StartCommandLine(line, 2));
  ASSERT_TRUE(WaitForFile(report, 30));
  const std::string text = ReadUtf8File(report);
  EXPECT_EQ(text.substr(0, text.find('\n')), line);
  EXPECT_FALSE(shell.StartCommandLine("velmarin-no-such-program.exe", 2));
  EXPECT_FALSE(shell.StartCommandLine("", 2));
}

TEST(LaunchShell, FileDeleteTakesFilesOutOfTheirFolder) {
  ShellApp s;
  TempFolder scratch;
  const std::string one = scratch / "削除 one.txt";
  const std::string two = scratch / "two.txt";
  const std::string three = scratch / "three.txt";
  const std::string keep = scratch / "keep.txt";
  for (const std::string& path : {one, two, three, keep}) {
    ASSERT_TRUE(TempFolder::MakeFile(path, "x")) << path;
  }
  {
    YesPresser yes;
    EXPECT_EQ(FileDelete(s.app, one), 0);
    // Several paths, the last without its NUL: the list still ends where it should.
    EXPECT_EQ(FileDelete(s.app, two + std::string(1, '\0') + three), 0);
    EXPECT_EQ(yes.pressed(), 2) << "the shell asks before each delete";
  }
  EXPECT_FALSE(PathExists(one));
  EXPECT_FALSE(PathExists(two));
  EXPECT_FALSE(PathExists(three));
  EXPECT_TRUE(PathExists(keep));
}

std::string SystemFile(const char* name) {
  wchar_t folder[MAX_PATH] = {};
  GetSystemDirectoryW(folder, MAX_PATH);
  return Narrow(folder) + "\\" + name;
}

// A registered application path under the user's key, taken away again when the test ends.
struct RegisteredProgram {
  std::wstring key;
  RegisteredProgram(const std::wstring& name, const std::wstring& value)
      : key(L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + name) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  ~RegisteredProgram() { RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str()); }
};

TEST(LaunchShell, ProgramsAreFoundByNameAsTheRunDialogFindsThem) {
  Win32Shell shell;
  TempFolder scratch;
  auto found = [&](const std::string& command) { return shell.FindProgram(command).value_or(""); };
  // On the search path, with the executable extensions; environment names expanded.
  EXPECT_TRUE(SameNoCase(found("cmd"), SystemFile("cmd.exe"))) << found("cmd");
  EXPECT_TRUE(SameNoCase(found("%windir%\\system32\\cmd.exe"), SystemFile("cmd.exe")));
  EXPECT_NE(found("notepad"), "");
  EXPECT_TRUE(SameNoCase(found("CMD.EXE"), SystemFile("cmd.exe")));

  // A folder of the user's PATH: a batch file by its bare name, never a file without an
  // extension, and only the extensions PATHEXT names.
  ASSERT_TRUE(TempFolder::MakeFile(scratch / "velmtool.bat", "@echo off\r\n"));
  ASSERT_TRUE(TempFolder::MakeFile(scratch / "velmplain", "x"));
  ASSERT_TRUE(TempFolder::MakeFile(scratch / "velmdoc.txt", "x"));
  wchar_t oldPath[32767] = {};
  GetEnvironmentVariableW(L"PATH", oldPath, 32767);
  SetEnvironmentVariableW(L"PATH", (Widen(scratch.path()) + L";" + oldPath).c_str());
  EXPECT_TRUE(SameNoCase(found("velmtool"), scratch / "velmtool.bat")) << found("velmtool");
  EXPECT_EQ(found("velmplain"), "");
  EXPECT_EQ(found("velmdoc"), "");
  EXPECT_TRUE(SameNoCase(found("velmdoc.txt"), scratch / "velmdoc.txt"));
  // Folder by folder, each with every extension: the first folder's batch file before the
  // second folder's program, though ".EXE" comes before ".BAT".
  const std::string second = scratch / "second";
  ASSERT_TRUE(TempFolder::MakeFolder(second));
  ASSERT_TRUE(TempFolder::MakeFile(second + "\\velmtool.exe", "MZ"));
  SetEnvironmentVariableW(L"PATH", (Widen(scratch.path() + ";" + second) + L";" + oldPath).c_str());
  EXPECT_TRUE(SameNoCase(found("velmtool"), scratch / "velmtool.bat")) << found("velmtool");
  SetEnvironmentVariableW(L"PATH", oldPath);
  EXPECT_EQ(found("velmtool"), "") << "no longer on the path";

  // A program lying beside this one is not taken for a program of the system.
  const std::string beside = ProgramFolder() + "velmbeside.exe";
  ASSERT_TRUE(TempFolder::MakeFile(beside, "MZ"));
  EXPECT_EQ(found("velmbeside"), "");
  DeleteFileW(Widen(beside).c_str());

  // The registered application paths come first; a quoted value; a registered file that is gone.
  ASSERT_TRUE(TempFolder::MakeFile(scratch / "real tool.exe", "MZ"));
  RegisteredProgram tool(L"velmregistered.exe", L"\"" + Widen(scratch / "real tool.exe") + L"\"");
  RegisteredProgram gone(L"velmgone.exe", Widen(scratch / "gone.exe"));
  EXPECT_TRUE(SameNoCase(found("velmregistered"), scratch / "real tool.exe"));
  EXPECT_TRUE(SameNoCase(found("velmregistered.exe"), scratch / "real tool.exe"));
  EXPECT_EQ(found("velmgone"), "");

  // Nothing by that name, a path that is not there, an unknown environment name, bad input.
  EXPECT_EQ(found("velmarin-no-such-program"), "");
  EXPECT_EQ(found("C:\\velmarin\\no such\\tool.exe"), "");
  EXPECT_EQ(found("%velmarin_no_such_name%"), "");
  EXPECT_EQ(found(""), "");
  EXPECT_EQ(found(std::string("cmd\0x", 5)), "");
  EXPECT_EQ(found(std::string(40000, 'a')), "");
}

TEST(LaunchShell, DeleteListEndsInTwoNuls) {
  const std::wstring list = DoubleNulList({"C:\\a", "", "C:\\b"});
  EXPECT_EQ(list, std::wstring(L"C:\\a\0C:\\b\0\0", 11));
  EXPECT_EQ(DoubleNulList({}), std::wstring(1, L'\0'));
  Win32Shell shell;
  EXPECT_NE(shell.DeleteToRecycleBin({}), 0) << "no path is no success";
  EXPECT_EQ(shell.FormatDrive(26), -1);
  EXPECT_EQ(shell.FormatDrive(-1), -1);
}

TEST(LaunchShell, WindowsAreFoundByClassAndAskedToClose) {
  Win32Shell shell;
  EXPECT_FALSE(shell.FindWindowByClassAndClose("velmarin-no-such-class"));
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"velmarin-close-me";
  ASSERT_NE(RegisterClassW(&windowClass), 0);
  HWND window = CreateWindowExW(0, L"velmarin-close-me", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(shell.FindWindowByClassAndClose("velmarin-close-me"));
  MSG message;
  bool closeArrived = false;
  while (PeekMessageW(&message, window, 0, 0, PM_REMOVE)) {
    if (message.message == WM_CLOSE) closeArrived = true;
  }
  EXPECT_TRUE(closeArrived);
  DestroyWindow(window);
  UnregisterClassW(L"velmarin-close-me", windowClass.hInstance);
}

}  // namespace
}  // namespace velmarin::win32
