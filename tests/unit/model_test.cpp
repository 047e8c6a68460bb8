#include <gtest/gtest.h>

#include <cstring>

#include "core/model.h"
#include "core/number.h"

namespace velmarin {
namespace {

// Each option, set alone, lands at its own bit of its own word, and the word reads back.
TEST(FlagWords, EveryOptionSitsAtItsBitAndRoundTrips) {
  struct Case {
    bool Options::*option;
    int32_t FlagWords::*word;
    int bit;
  };
  const Case cases[] = {
      {&Options::ShowToolTips, &FlagWords::FlgAppearance, 0},
      {&Options::ShowDrawerCount, &FlagWords::FlgAppearance, 1},
      {&Options::MenuNumbers, &FlagWords::FlgAppearance, 2},
      {&Options::UseSkin, &FlagWords::FlgAppearance, 3},
      {&Options::PaintRunBox, &FlagWords::FlgAppearance, 4},
      {&Options::TrayIcon, &FlagWords::FlgSystem, 0},
      {&Options::AlwaysOnTop, &FlagWords::FlgSystem, 1},
      {&Options::UseHotKey, &FlagWords::FlgSystem, 2},
      {&Options::PageButtonsMoveWindow, &FlagWords::FlgTitleBar, 0},
      {&Options::RunToolTipParams, &FlagWords::FlgRunBehavior, 0},
      {&Options::RunAutoDropDown, &FlagWords::FlgRunBehavior, 1},
      {&Options::ClickClearsRun, &FlagWords::FlgRunBehavior, 2},
      {&Options::TabClearsRun, &FlagWords::FlgRunBehavior, 3},
      {&Options::StorageMultiExecute, &FlagWords::FlgStorageBehavior, 0},
      {&Options::StorageDblClickExecute, &FlagWords::FlgStorageBehavior, 1},
      {&Options::StorageDblClickClose, &FlagWords::FlgStorageBehavior, 2},
      {&Options::StorageNotifyDuplicate, &FlagWords::FlgStorageBehavior, 3},
      {&Options::StorageKeepItems, &FlagWords::FlgStorageBehavior, 4},
      {&Options::StorageExecuteDropped, &FlagWords::FlgStorageBehavior, 5},
      {&Options::RegisterLinkTarget, &FlagWords::FlgEdit, 0},
      {&Options::ToolTipWithExt, &FlagWords::FlgEdit, 1},
      {&Options::CplToolTip, &FlagWords::FlgEdit, 2},
      {&Options::KeepDropMode, &FlagWords::FlgMode, 0},
      {&Options::SavedDropMode, &FlagWords::FlgMode, 1},
      {&Options::StartInExecuteMode, &FlagWords::FlgMode, 2},
      {&Options::KeepStorageOpen, &FlagWords::FlgMode, 3},
      {&Options::SavedStorageOpen, &FlagWords::FlgMode, 4},
      {&Options::ShortPathExecute, &FlagWords::FlgExecute, 0},
  };
  for (const Case& c : cases) {
    Settings s;
    s.options.*c.option = true;
    PackAllFlags(s);
    const FlagWords& f = s.flags;
    const int32_t total = f.FlgAppearance | f.FlgSystem | f.FlgTitleBar | f.FlgRunBehavior |
                          f.FlgStorageBehavior | f.FlgEdit | f.FlgMode | f.FlgExecute;
    EXPECT_EQ(s.flags.*c.word, 1 << c.bit) << "bit " << c.bit;
    EXPECT_EQ(total, 1 << c.bit) << "only one word carries it";

    Settings back;
    back.flags.*c.word = 1 << c.bit;
    UnpackFlags(back);
    EXPECT_TRUE(back.options.*c.option);
    Options none;
    none.*c.option = true;
    EXPECT_EQ(std::memcmp(&none, &back.options, sizeof none), 0);
  }
}

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
      {0, 0, -1, 0, 10, 1, 4, 1},       {99, 9, 1000, 3, 12, 4, 4, 3},
      {12, 4, 999, 1, 12, 4, 999, 1},   {1, 1, 0, -5, 1, 1, 0, 1},
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

TEST(Limits, ResizeKeepsLoadedPages) {
  Model m;
  m.PageCount = 3;
  m.Pages.resize(2);
  m.Pages[1].Caption = "Tools";
  ClampLimits(m);
  ASSERT_EQ(m.Pages.size(), 3u);
  EXPECT_EQ(m.Pages[1].Caption, "Tools");
  EXPECT_EQ(m.Pages[2].Caption, "");
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
