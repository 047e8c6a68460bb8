#include "core/romaji.h"

#include <gtest/gtest.h>

#include "core/kana_reading.h"

namespace velmarin {
namespace {

TEST(Romaji, SpellingsReadAsKana) {
  struct Case {
    const char* typed;
    const char* kana;
    const char* pending;
  } cases[] = {
      {"memo", "めも", ""},
      {"MEMO", "めも", ""},
      {"mem", "め", "m"},
      {"shi si", nullptr, nullptr},  // a space is no romaji
      {"shisi", "しし", ""},
      {"chiti", "ちち", ""},
      {"tsutu", "つつ", ""},
      {"fuhu", "ふふ", ""},
      {"jizi", "じじ", ""},
      {"jazyajya", "じゃじゃじゃ", ""},
      {"konnichiha", "こんにちは", ""},
      {"kon'ya", "こんや", ""},
      {"konya", "こにゃ", ""},
      {"kanji", "かんじ", ""},
      {"pen", "ぺ", "n"},
      {"penn", "ぺん", ""},
      {"kitte", "きって", ""},
      {"matcha", "まっちゃ", ""},
      {"matt", "まっ", "t"},
      {"no-to", "のーと", ""},
      {"xtuxyalo", "っゃぉ", ""},
      {"ky", "", "ky"},
      {"q", "", "q"},
      {"komandopuronputo", "こまんどぷろんぷと", ""},
      {"xq", nullptr, nullptr},
      {"-", nullptr, nullptr},
      {"メモ", nullptr, nullptr},
  };
  Romaji r;
  for (const Case& c : cases) {
    const bool read = ReadRomaji(c.typed, r);
    ASSERT_EQ(read, c.kana != nullptr) << c.typed;
    if (!read) continue;
    EXPECT_EQ(r.kana, c.kana) << c.typed;
    EXPECT_EQ(r.pending, c.pending) << c.typed;
  }
  EXPECT_EQ(KanaBegunBy("m"), (std::vector<std::string>{"っ", "ま", "み", "む", "め", "も"}));
  EXPECT_EQ(KanaBegunBy("n"), (std::vector<std::string>{"な", "に", "ぬ", "ね", "の", "ん"}));
}

TEST(Romaji, AToolTipsReadingIsItsKanaAsWritten) {
  struct Case {
    const char* tip;
    const char* reading;
  } cases[] = {
      {"メモ帳", "めも帳"},
      {"ｺﾏﾝﾄﾞﾌﾟﾛﾝﾌﾟﾄ", "こまんどぷろんぷと"},
      {"ｳﾞｨﾃﾞｵ", "ゔぃでお"},
      {"エクスプローラー", "えくすぷろーらー"},
      {"ペイント２", "ぺいんと2"},
      {"ぱそこん ＡＢＣ", "ぱそこん abc"},
      {"電卓", nullptr},
      {"Notepad", nullptr},
      {"ｰ", "ー"},
  };
  std::string reading;
  for (const Case& c : cases) {
    ASSERT_EQ(KanaReading(c.tip, reading), c.reading != nullptr) << c.tip;
    if (c.reading) {
      EXPECT_EQ(reading, c.reading) << c.tip;
    }
  }
}

}  // namespace
}  // namespace velmarin
