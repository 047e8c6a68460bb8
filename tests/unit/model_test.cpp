#include "core/model.h"

#include <gtest/gtest.h>

#include "core/number.h"

namespace velmarin {
namespace {

TEST(FlagWords, UnknownBitsAreDroppedOnPack) {
  Settings s;
  s.flags.FlgSystem = 0x7FFFFFF8 | 0x2;  // AlwaysOnTop plus bits nobody reads
  s.flags.FlgExecute = -1;
  UnpackFlags(s);
  PackAllFlags(s);
  EXPECT_EQ(s.flags.FlgSystem, 0x2);
  EXPECT_EQ(s.flags.FlgExecute, 1);
  EXPECT_EQ(PackFlags({true, false, true}), 5);
  EXPECT_EQ(PackFlags({}), 0);
}

TEST(Limits, ClampedAfterLoading) {
  struct Case {
    int16_t maxButton, maxDrawer, maxMulti;
    int32_t pages;
    int16_t wantButton, wantDrawer, wantMulti;
    int32_t wantPages;
  };
  const Case cases[] = {
      {0, 0, -1, 0, 10, 1, 4, 1},
      {99, 9, 1000, 3, 12, 4, 4, 3},
      {12, 4, 999, 1, 12, 4, 999, 1},
      {1, 1, 0, -5, 1, 1, 0, 1},
      {-3, 5, 4, 2000000000, 10, 4, 4, kMaxPageCount},
  };
  for (const Case& c : cases) {
    Model m;
    m.settings.MaxButton = c.maxButton;
    m.settings.MaxDrawer = c.maxDrawer;
    m.settings.MaxMultiExecute = c.maxMulti;
    m.PageCount = c.pages;
    ClampLimits(m);
    EXPECT_EQ(m.settings.MaxButton, c.wantButton);
    EXPECT_EQ(m.settings.MaxDrawer, c.wantDrawer);
    EXPECT_EQ(m.settings.MaxMultiExecute, c.wantMulti);
    EXPECT_EQ(m.PageCount, c.wantPages);
    EXPECT_EQ(m.Pages.size(), static_cast<size_t>(c.wantPages));
    EXPECT_EQ(m.settings.ButtonWidth, 37);
    EXPECT_EQ(m.settings.ButtonHeight, 37);
  }
}

// The table grows to the page count keeping its pages; a current page the table does not hold
// comes back to the first page.
TEST(Limits, ResizeKeepsLoadedPagesAndTheCurrentPageInside) {
  Model m;
  m.PageCount = 3;
  m.Pages.resize(2);
  m.Pages[1].Caption = "Tools";
  m.CurrentPage = 2;
  ClampLimits(m);
  ASSERT_EQ(m.Pages.size(), 3u);
  EXPECT_EQ(m.Pages[1].Caption, "Tools");
  EXPECT_EQ(m.Pages[2].Caption, "");
  EXPECT_EQ(m.CurrentPage, 2);
  for (int32_t outside : {3, -1, 2000000000}) {
    m.CurrentPage = outside;
    ClampLimits(m);
    EXPECT_EQ(m.CurrentPage, 0) << outside;
  }
}

TEST(NumberConversion, DecimalRoundsHalvesToEven) {
  EXPECT_EQ(ToInt32("42"), 42);
  EXPECT_EQ(ToInt32("-100"), -100);
  EXPECT_EQ(ToInt32("+7"), 7);
  EXPECT_EQ(ToInt32("2.5"), 2);
  EXPECT_EQ(ToInt32("3.5"), 4);
  EXPECT_EQ(ToInt32("2.51"), 3);
  EXPECT_EQ(ToInt32("-2.5"), -2);
  EXPECT_EQ(ToInt32("-3.5"), -4);
  EXPECT_EQ(ToInt32("0.4999"), 0);
  EXPECT_EQ(ToInt32(".5"), 0);
  EXPECT_EQ(ToInt32("1."), 1);
  EXPECT_EQ(ToInt32(" 12 "), 12);
}

TEST(NumberConversion, NonNumbersAndOverflowDoNotConvert) {
  for (const char* bad : {"", "abc", "1a", "--1", "1 2", ".", "-", "0x10", "1e3", "１２"}) {
    EXPECT_FALSE(ToInt32(bad).has_value()) << bad;
  }
  EXPECT_EQ(ToInt16("32767"), 32767);
  EXPECT_EQ(ToInt16("-32768"), -32768);
  EXPECT_FALSE(ToInt16("32768").has_value());
  EXPECT_FALSE(ToInt16("32767.5").has_value());  // rounds to 32768
  EXPECT_EQ(ToInt32("2147483647"), 2147483647);
  EXPECT_EQ(ToInt32("-2147483648"), INT32_MIN);
  EXPECT_FALSE(ToInt32("2147483648").has_value());
  EXPECT_FALSE(ToInt32("99999999999999999999999").has_value());
}

}  // namespace
}  // namespace velmarin
