// The real text services under a Japanese system (wine with LANG=ja_JP.UTF-8).
#include <gtest/gtest.h>
#include <windows.h>

#include "core/app.h"
#include "core/settings_text.h"
#include "launch/shelf_paths.h"
#include "win32/win32_text.h"

namespace velmarin::win32 {
namespace {

TEST(Win32Text, SystemCodePageIsJapanese) { EXPECT_EQ(GetACP(), 932u); }

TEST(Win32Text, JapaneseTextRoundTripsThroughCodePage932) {
  Win32Text text;
  const std::string utf8 = "メモ帳 ｶﾅ 表示.txt";
  const auto ansi = text.Utf8ToAnsi(utf8);
  ASSERT_TRUE(ansi.has_value());
  // メ is 83 81 in code page 932; half-width ｶ is one byte B6; 表 has 5C ("\") as trail byte.
  EXPECT_EQ(ansi->substr(0, 2), "\x83\x81");
  EXPECT_NE(ansi->find('\xB6'), std::string::npos);
  EXPECT_NE(ansi->find("\x95\x5C"), std::string::npos);
  EXPECT_EQ(text.Cp932ToUtf8(*ansi), utf8);
  EXPECT_EQ(text.Utf8ToCp932(utf8), ansi);

  // Plain ASCII and empty text pass unchanged both ways.
  EXPECT_EQ(text.Utf8ToAnsi("C:\\Tools\\ed.exe"), "C:\\Tools\\ed.exe");
  EXPECT_EQ(text.Utf8ToAnsi(""), "");
  EXPECT_EQ(text.Cp932ToUtf8(""), "");
}

TEST(Win32Text, CharacterOutsideCodePageHasNoForm) {
  Win32Text text;
  EXPECT_EQ(text.Utf8ToAnsi("emoji \xF0\x9F\x98\x80"), std::nullopt);
  EXPECT_EQ(text.Utf8ToAnsi("\xC3\xA9t\xC3\xA9"), std::nullopt);  // é: no best-fit "e"
  EXPECT_EQ(text.Utf8ToAnsi("broken \xFF utf-8"), std::nullopt);
}

// Bytes that are no character in code page 932: the strict call refuses them, and the settings
// file's decoder keeps each such byte and gives it back unchanged.
TEST(Win32Text, BytesThatAreNoCharacterComeBackUnchanged) {
  Win32Text text;
  EXPECT_EQ(text.Cp932ToUtf8("ab\x83"), std::nullopt);  // a lead byte at the end
  const std::string rows[] = {"ab\x83", "\x85!\x83\x81", "x\x83\x5C\xEB\x40y", "\x81"};
  for (const std::string& bytes : rows) {
    bool kept = false;
    const std::string decoded = DecodeCp932(text, bytes, kept);
    EXPECT_TRUE(kept) << bytes;
    EXPECT_EQ(EncodeCp932(text, decoded), bytes) << bytes;
  }
  bool kept = false;
  EXPECT_EQ(DecodeCp932(text, "\x85!\x83\x81", kept).substr(3), "!\xE3\x83\xA1");  // !メ
}

TEST(Win32Text, ComparisonsIgnoreCaseThroughTheLocale) {
  Win32Text text;
  EXPECT_TRUE(text.EqualsNoCase("Notepad", "NOTEPAD"));
  EXPECT_TRUE(text.EqualsNoCase("", ""));
  EXPECT_FALSE(text.EqualsNoCase("Notepad", "Notepad2"));
  EXPECT_FALSE(text.EqualsNoCase("", "a"));
  // Full-width Latin letters have case too.
  EXPECT_TRUE(text.EqualsNoCase("ＡＢＣ", "ａｂｃ"));

  EXPECT_TRUE(text.StartsWithNoCase("Notepad", "no"));
  EXPECT_TRUE(text.StartsWithNoCase("メモ帳", "メモ"));
  EXPECT_TRUE(text.StartsWithNoCase("anything", ""));
  EXPECT_FALSE(text.StartsWithNoCase("no", "notes"));
  EXPECT_FALSE(text.StartsWithNoCase("Notepad", "ote"));
}

TEST(Win32Text, OrderFollowsTheLocaleNotTheBytes) {
  Win32Text text;
  EXPECT_EQ(text.CompareNoCase("notepad", "NOTEPAD"), 0);
  EXPECT_LT(text.CompareNoCase("a", "B"), 0);
  EXPECT_GT(text.CompareNoCase("b", "A"), 0);
  // A full-width letter sorts among its half-width kin, not after every ASCII name as its
  // UTF-8 bytes would.
  EXPECT_LT(text.CompareNoCase("ｂ", "c"), 0);
  EXPECT_GT(text.CompareNoCase("ｂ", "A"), 0);

  // The send-to menu's order.
  App app;
  app.platform.text = &text;
  std::vector<std::string> list{"C:\\s\\c.lnk", "C:\\s\\ｂ.lnk", "C:\\s\\A.lnk"};
  SortByFileName(app, list);
  EXPECT_EQ(list, (std::vector<std::string>{"C:\\s\\A.lnk", "C:\\s\\ｂ.lnk", "C:\\s\\c.lnk"}));
}

}  // namespace
}  // namespace velmarin::win32
