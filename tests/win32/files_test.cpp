// The real file services under wine: existence, drives, names, reading and replacing files.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "launch/names.h"
#include "win32/win32_platform.h"
#include "temp_folder.h"

namespace velmarin::win32 {
namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// A drive letter nothing is mounted on, or 0.
char UnusedDriveLetter() {
  const DWORD used = GetLogicalDrives();
  for (char letter = 'Q'; letter <= 'Y'; ++letter) {
    if (!(used & (1u << (letter - 'A')))) return letter;
  }
  return 0;
}

class Win32FilesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(temp.ok()); }
  Win32Files files;
  TempFolder temp;
};

TEST_F(Win32FilesTest, ExistenceOfFilesFoldersAndWildcards) {
  ASSERT_TRUE(TempFolder::MakeFile(temp / "notes.txt", "x"));
  ASSERT_TRUE(TempFolder::MakeFolder(temp / "sub folder"));
  ASSERT_TRUE(TempFolder::MakeFolder(temp / "empty"));
  ASSERT_TRUE(TempFolder::MakeFile(temp / "sub folder\\tool.exe", "MZ"));

  EXPECT_EQ(files.MatchExists(temp / "notes.txt", false), true);
  EXPECT_EQ(files.MatchExists(temp / "NOTES.TXT", true), true);
  EXPECT_EQ(files.MatchExists(temp / "*.txt", false), true);
  EXPECT_EQ(files.MatchExists(temp / "note?.txt", false), true);
  EXPECT_EQ(files.MatchExists(temp / "*.doc", true), false);
  EXPECT_EQ(files.MatchExists(temp / "missing.txt", true), false);
  EXPECT_EQ(files.MatchExists(temp / "no such folder\\x.txt", true), false);

  // Folders count only when asked for.
  EXPECT_EQ(files.MatchExists(temp / "sub folder", true), true);
  EXPECT_EQ(files.MatchExists(temp / "sub folder", false), false);
  EXPECT_EQ(files.MatchExists(temp / "sub*", false), false);
  EXPECT_EQ(files.MatchExists(temp / "sub*", true), true);
  // A folder written with its backslash: the folder itself, or a file inside it.
  EXPECT_EQ(files.MatchExists(temp / "empty\\", true), true);
  EXPECT_EQ(files.MatchExists(temp / "empty\\", false), false);
  EXPECT_EQ(files.MatchExists(temp / "sub folder\\", false), true);
  EXPECT_EQ(files.MatchExists("C:\\", true), true);
  EXPECT_EQ(files.MatchExists("C:", true), true);

  // Bad input never finds anything.
  EXPECT_EQ(files.MatchExists("", true), false);
  EXPECT_EQ(files.MatchExists(temp / std::string("notes.txt\0.doc", 14), true), false);
}

TEST_F(Win32FilesTest, AttributesAndListing) {
  ASSERT_TRUE(TempFolder::MakeFile(temp / "a.lnk", "x"));
  ASSERT_TRUE(TempFolder::MakeFile(temp / "b.LNK", "x"));
  ASSERT_TRUE(TempFolder::MakeFile(temp / "c.txt", "x"));
  ASSERT_TRUE(TempFolder::MakeFolder(temp / "d"));

  const auto folder = files.Attributes(temp / "d");
  ASSERT_TRUE(folder.has_value());
  EXPECT_TRUE(*folder & Attr::kDirectory);
  const auto file = files.Attributes(temp / "c.txt");
  ASSERT_TRUE(file.has_value());
  EXPECT_FALSE(*file & Attr::kDirectory);
  EXPECT_EQ(files.Attributes(temp / "missing"), std::nullopt);

  EXPECT_EQ(Sorted(files.List(temp / "*.lnk")), (std::vector<std::string>{"a.lnk", "b.LNK"}));
  EXPECT_EQ(Sorted(files.List(temp / "*")),
            (std::vector<std::string>{"a.lnk", "b.LNK", "c.txt", "d"}));
  EXPECT_TRUE(files.List(temp / "*.none").empty());
  EXPECT_TRUE(files.List(temp / "missing\\*").empty());
}

TEST_F(Win32FilesTest, DriveTypes) {
  EXPECT_EQ(files.TypeOfDrive("C:"), DriveType::Fixed);
  EXPECT_EQ(files.TypeOfDrive("c"), DriveType::Fixed);
  const char unused = UnusedDriveLetter();
  ASSERT_NE(unused, 0);
  const DriveType nothing = files.TypeOfDrive(std::string{unused, ':'});
  EXPECT_NE(nothing, DriveType::Removable);
  EXPECT_NE(nothing, DriveType::Fixed);
  EXPECT_EQ(files.TypeOfDrive("1:"), DriveType::Unknown);
  EXPECT_EQ(files.TypeOfDrive(""), DriveType::Unknown);
  EXPECT_EQ(files.TypeOfDrive("CD"), DriveType::Unknown);
}

TEST_F(Win32FilesTest, ShortAndLongNamesOfAFolderWithSpaces) {
  const std::string longPath = temp / "My Long Folder Name";
  ASSERT_TRUE(TempFolder::MakeFolder(longPath));

  const auto shortPath = files.ShortName(longPath);
  ASSERT_TRUE(shortPath.has_value());
  const std::string shortLeaf = GetFileName(*shortPath);
  EXPECT_EQ(shortLeaf.find(' '), std::string::npos) << *shortPath;
  EXPECT_LE(shortLeaf.size(), 12u) << *shortPath;
  EXPECT_EQ(files.MatchExists(*shortPath, true), true);

  const auto back = files.LongName(*shortPath);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(GetFileName(*back), "My Long Folder Name");
  EXPECT_EQ(files.MatchExists(*back, true), true) << *back;

  EXPECT_EQ(files.ShortName(temp / "missing folder"), std::nullopt);
  EXPECT_EQ(files.LongName(temp / "missing folder"), std::nullopt);
}

TEST_F(Win32FilesTest, ReadAllGivesTheRawBytes) {
  const std::string bytes("P=C:\\\x83\x81\x83\x82\r\n\0tail", 17);
  ASSERT_TRUE(TempFolder::MakeFile(temp / "velmarin.ini", bytes));
  EXPECT_EQ(files.ReadAll(temp / "velmarin.ini"), bytes);
  ASSERT_TRUE(TempFolder::MakeFile(temp / "empty.ini", ""));
  EXPECT_EQ(files.ReadAll(temp / "empty.ini"), "");
  EXPECT_EQ(files.ReadAll(temp / "missing.ini"), std::nullopt);
  EXPECT_EQ(files.ReadAll(temp.path()), std::nullopt);
}

TEST_F(Win32FilesTest, ReplaceAtomicallyLeavesNoTemporaryFile) {
  const std::string ini = temp / "velmarin.ini";
  ASSERT_TRUE(files.ReplaceAtomically(ini, "first\r\n"));
  EXPECT_EQ(files.ReadAll(ini), "first\r\n");
  ASSERT_TRUE(files.ReplaceAtomically(ini, std::string("second\0\r\n", 9)));
  EXPECT_EQ(files.ReadAll(ini), std::string("second\0\r\n", 9));
  ASSERT_TRUE(files.ReplaceAtomically(ini, ""));
  EXPECT_EQ(files.ReadAll(ini), "");
  EXPECT_EQ(files.List(temp / "*"), std::vector<std::string>{"velmarin.ini"});

  // What a replace killed before its rename left goes with the next one; another program's file
  // of a like name stays, and so does a temporary file its writer still holds.
  ASSERT_TRUE(TempFolder::MakeFile(temp / "velmarin.ini.4321-7.tmp", "half"));
  ASSERT_TRUE(TempFolder::MakeFile(temp / "velmarin.ini.4322-1.tmp", "writing"));
  ASSERT_TRUE(TempFolder::MakeFile(temp / "velmarin.ini.notes.tmp", "mine"));
  HANDLE writing = CreateFileW(Widen(temp / "velmarin.ini.4322-1.tmp").c_str(), GENERIC_WRITE, 0,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writing, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(files.ReplaceAtomically(ini, "third\r\n"));
  CloseHandle(writing);
  EXPECT_EQ(files.ReadAll(ini), "third\r\n");
  EXPECT_EQ(Sorted(files.List(temp / "*")),
            (std::vector<std::string>{"velmarin.ini", "velmarin.ini.4322-1.tmp",
                                      "velmarin.ini.notes.tmp"}));

  // Japanese names survive the trip through the wide calls.
  const std::string japanese = temp / "設定 ファイル.ini";
  ASSERT_TRUE(files.ReplaceAtomically(japanese, "G=ツール\r\n"));
  EXPECT_EQ(files.ReadAll(japanese), "G=ツール\r\n");
  EXPECT_EQ(files.MatchExists(temp / "*ファイル*", false), true);
}

TEST_F(Win32FilesTest, FailedReplaceKeepsTheOldFile) {
  // The target is a folder: nothing replaces it and nothing is left beside it.
  ASSERT_TRUE(TempFolder::MakeFolder(temp / "velmarin.ini"));
  EXPECT_FALSE(files.ReplaceAtomically(temp / "velmarin.ini", "new"));
  EXPECT_EQ(files.MatchExists(temp / "velmarin.ini", false), false);
  EXPECT_EQ(files.MatchExists(temp / "velmarin.ini", true), true);
  EXPECT_EQ(files.List(temp / "*"), std::vector<std::string>{"velmarin.ini"});

  // The target is held open by someone who does not let it be deleted.
  const std::string held = temp / "held.ini";
  ASSERT_TRUE(TempFolder::MakeFile(held, "old"));
  HANDLE handle = CreateFileW(Widen(held).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files.ReplaceAtomically(held, "new"));
  CloseHandle(handle);
  EXPECT_EQ(files.ReadAll(held), "old");
  EXPECT_EQ(Sorted(files.List(temp / "*")), (std::vector<std::string>{"held.ini", "velmarin.ini"}));

  // A folder that does not exist, or a path that names no file.
  EXPECT_FALSE(files.ReplaceAtomically(temp / "missing\\velmarin.ini", "new"));
  EXPECT_FALSE(files.ReplaceAtomically(temp / "sub\\", "new"));
  EXPECT_FALSE(files.ReplaceAtomically("", "new"));
}

TEST_F(Win32FilesTest, RenameNeverOverwrites) {
  ASSERT_TRUE(TempFolder::MakeFile(temp / "a.txt", "a"));
  ASSERT_TRUE(TempFolder::MakeFile(temp / "b.txt", "b"));
  EXPECT_TRUE(files.Rename(temp / "a.txt", temp / "名前.txt"));
  EXPECT_EQ(files.ReadAll(temp / "名前.txt"), "a");
  EXPECT_FALSE(files.Rename(temp / "名前.txt", temp / "b.txt"));
  EXPECT_EQ(files.ReadAll(temp / "b.txt"), "b");
  EXPECT_EQ(files.ReadAll(temp / "名前.txt"), "a");
  EXPECT_FALSE(files.Rename(temp / "missing.txt", temp / "c.txt"));
}

TEST_F(Win32FilesTest, ProgramAndSystemFolders) {
  const std::string program = files.ProgramFolder();
  ASSERT_FALSE(program.empty());
  EXPECT_NE(program.back(), '\\');
  EXPECT_EQ(files.MatchExists(program + "\\win32_tests.exe", false), true) << program;

  const std::string system = files.SystemFolder();
  ASSERT_FALSE(system.empty());
  EXPECT_NE(system.back(), '\\');
  EXPECT_EQ(files.MatchExists(system + "\\kernel32.dll", false), true) << system;
}

}  // namespace
}  // namespace velmarin::win32
