#include "core/romaji.h"

#include <gtest/gtest.h>

#include "core/kana_reading.h"
#include "core/name_readings.h"

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

TEST(Romaji, TypedTextAsksForAReadingSearch) {
  struct Case {
    const char* typed;
    const char* kana;  // nullptr: no reading search
    const char* pending;
  } cases[] = {
      {"dent", "でん", "t"},  // as ReadRomaji reads it
      {"でんたく", "でんたく", ""},   {"デンタク", "でんたく", ""},
      {"ﾃﾞﾝﾀｸ", "でんたく", ""},      {"めーる", "めーる", ""},
      {"電卓", nullptr, nullptr},     {"でん卓", nullptr, nullptr},
      {"ー", nullptr, nullptr},       {"でん たく", nullptr, nullptr},
      {"\xE3\x81", nullptr, nullptr},  // a character cut short
  };
  Romaji r;
  for (const Case& c : cases) {
    ASSERT_EQ(TypedReading(c.typed, r), c.kana != nullptr) << c.typed;
    if (!c.kana) continue;
    EXPECT_EQ(r.kana, c.kana) << c.typed;
    EXPECT_EQ(r.pending, c.pending) << c.typed;
  }
}

TEST(Romaji, NamesAreFoundByTheirReadingsInTheirOwnOrder) {
  NameReadings names;
  names.Build({"伝言", "電卓", "", "天気", "\xE9\x9B", "ﾃﾞﾝﾜ", "電電電電電電電電電電電電電電電電"});
  EXPECT_EQ(names.size(), 7u);
  const auto find = [&](const char* typed, size_t most = 100) {
    Romaji r;
    EXPECT_TRUE(TypedReading(typed, r)) << typed;
    std::vector<uint32_t> found;
    names.Find(r, [&](uint32_t i) {
      found.push_back(i);
      return found.size() < most;
    });
    return found;
  };
  EXPECT_EQ(find("den"), (std::vector<uint32_t>{0, 1, 5, 6}));
  EXPECT_EQ(find("den", 2), (std::vector<uint32_t>{0, 1})) << "found says stop";
  EXPECT_EQ(find("ten"), (std::vector<uint32_t>{0, 3})) << "伝 reads でん and てん";
  EXPECT_EQ(find("tenki"), (std::vector<uint32_t>{3}));
  EXPECT_EQ(find("d"), (std::vector<uint32_t>{0, 1, 5, 6}));
  EXPECT_EQ(find("dendendendendendendendendendendendendendendendenden"), (std::vector<uint32_t>{}));
  EXPECT_EQ(find("dendendendendendendendendendendendendendendenden"), (std::vector<uint32_t>{6}));
  EXPECT_EQ(find(std::string(3000, 'a').c_str()), (std::vector<uint32_t>{}));
  names.Build({});
  EXPECT_EQ(find("den"), (std::vector<uint32_t>{}));
}

}  // namespace
}  // namespace velmarin
