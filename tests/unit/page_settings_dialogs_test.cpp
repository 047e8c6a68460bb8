#include <gtest/gtest.h>

#include "app/program_commands.h"
#include "dialogs/about_box.h"
#include "dialogs/page_property.h"
#include "dialogs/settings_dialog.h"
#include "fake/fake_platform.h"
#include "panel/pages.h"
#include "panel/push_button.h"

namespace velmarin {
namespace {

struct DialogsTest : ::testing::Test {
  App app;
  FakePlatform fake;

  DialogsTest() {
    fake.Wire(app);
    fake.screen.width = 1024;
    fake.screen.height = 768;
    app.model.PageCount = 3;
    app.model.settings.MaxButton = 8;
    app.model.settings.MaxDrawer = 4;
    ClampLimits(app.model);
    for (int k = 0; k < 3; ++k) {
      app.model.Pages[k].Caption = "P" + std::to_string(k);
      app.model.Pages[k].Buttons[0].Path = "C:\\p" + std::to_string(k) + ".exe";
    }
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> out;
    for (const Page& p : app.model.Pages) out.push_back(p.Caption);
    return out;
  }
  void Pages(FakeDialogHost::Script script) {
    fake.dialogs.scripts.push_back(std::move(script));
    ShowPageProperty(app);
  }
  void Settings(FakeDialogHost::Script script) {
    fake.dialogs.scripts.push_back(std::move(script));
    ShowSettingsDialog(app);
  }
};

TEST_F(DialogsTest, PagesDeleteRuleAndQuestion) {
  app.model.PageCount = 1;
  ClampLimits(app.model);
  Pages([](IDialog& d) {
    EXPECT_FALSE(Shown(d, "Delete")->enabled) << "the last page cannot go";
    UserClicks(d, "Delete");
  });
  EXPECT_EQ(app.model.PageCount, 1);

  app.model.PageCount = 3;
  ClampLimits(app.model);
  app.model.Pages[1].Caption = "P1";
  app.model.Pages[2].Caption = "P2";
  app.model.CurrentPage = 2;
  fake.messageBox.Script(MbResult::Cancel);
  fake.messageBox.Script(MbResult::Ok);
  Pages([](IDialog& d) {
    EXPECT_TRUE(Shown(d, "Delete")->enabled);
    UserChoosesLine(d, "PageList", 1);
    UserClicks(d, "Delete");  // answered Cancel
    UserClicks(d, "Delete");  // answered OK
    EXPECT_EQ(Shown(d, "Text")->text, "");
    UserClicks(d, "Apply");
  });
  ASSERT_EQ(fake.messageBox.shown.size(), 2u);
  EXPECT_EQ(fake.messageBox.shown[0].text, "「 P1 」を削除します。よろしいですか？");
  EXPECT_EQ(fake.messageBox.shown[0].title, "ページ削除");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"P0", "P2"}));
  EXPECT_EQ(app.model.PageCount, 2);
  EXPECT_EQ(app.model.CurrentPage, 0) << "2 modulo 2";
  EXPECT_EQ(fake.commands.calls.back(), "PageChange(0,1,0)");
  EXPECT_TRUE(fake.system.enabled);
}

TEST_F(DialogsTest, PagesNewRenameDragAndCancel) {
  Pages([](IDialog& d) {
    UserClicks(d, "New");
    UserClicks(d, "New");
    UserTypes(d, "Text", 0, "renamed");
    UserClicks(d, "Cancel");
  });
  EXPECT_EQ(Captions(), (std::vector<std::string>{"P0", "P1", "P2"})) << "cancel keeps the table";

  Pages([](IDialog& d) {
    UserClicks(d, "New");
    UserClicks(d, "New");
    EXPECT_EQ(SelectedLine(*Shown(d, "PageList")), 4);
    EXPECT_EQ(Shown(d, "Text")->text, "Page 5") << "the new line's caption, ready to rename";
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Captions(), (std::vector<std::string>{"P0", "P1", "P2", "Page 4", "Page 5"}));
  EXPECT_EQ(app.model.Pages[4].Buttons[0].Path, "");

  app.model.PageCount = 3;
  ClampLimits(app.model);
  Pages([](IDialog& d) {
    UserDragsLine(d, "PageList", 0, 2);
    EXPECT_EQ(Shown(d, "Text")->text, "P0");
    UserChoosesLine(d, "PageList", 0);
    UserTypes(d, "Text", 0, "first\r\n");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Captions(), (std::vector<std::string>{"first", "P2", "P0"}));
  EXPECT_EQ(app.model.Pages[2].Buttons[0].Path, "C:\\p0.exe") << "buttons travel with the page";
}

TEST_F(DialogsTest, PagesApplyWithoutChangeDoesNotRedraw) {
  app.model.CurrentPage = 1;
  Pages([](IDialog& d) {
    UserChoosesLine(d, "PageList", 2);
    UserDragsLine(d, "PageList", 1, 1);
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(fake.commands.calls.back(), "PageChange(1,0,1)");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"P0", "P1", "P2"}));
}

TEST_F(DialogsTest, SettingsShowsAndAppliesEveryBit) {
  Options& o = app.model.settings.options;
  o.ShowDrawerCount = true;
  o.UseSkin = true;
  o.StorageKeepItems = true;
  o.KeepDropMode = true;
  app.model.settings.HotKeyKey = 999;  // not in the list
  app.model.WindowLeft = 1500;
  app.model.WindowTop = 3000;
  Settings([&](IDialog& d) {
    EXPECT_EQ(d.Form().caption, "velmarinの設定");
    EXPECT_TRUE(Shown(d, "Monitor", 0)->visible);
    EXPECT_FALSE(Shown(d, "Monitor", 3)->visible);
    EXPECT_TRUE(Shown(d, "chkAppearance", 1)->checked);
    EXPECT_TRUE(Shown(d, "optAppearance", 1)->checked);
    EXPECT_TRUE(Shown(d, "chkBehavior", 11)->checked);
    EXPECT_FALSE(Shown(d, "chkBehavior", 16)->enabled) << "the mode is kept: no start mode";
    EXPECT_EQ(Shown(d, "txtAppearance", 0)->text, "100");
    EXPECT_EQ(Shown(d, "txtAppearance", 1)->text, "200");
    EXPECT_EQ(SelectedLine(*Shown(d, "HotKeyKey")), 0) << "unknown key: the first";
    EXPECT_FALSE(Shown(d, "HotKeyMask", 0)->enabled);
    UserChoosesLine(d, "OpTree", 3);
    EXPECT_TRUE(Shown(d, "Monitor", 3)->visible);
    EXPECT_FALSE(Shown(d, "Monitor", 0)->visible);
    UserClicks(d, "chkBehavior", 15);
    EXPECT_TRUE(Shown(d, "chkBehavior", 16)->enabled);
    UserClicks(d, "chkBehavior", 16);
    UserClicks(d, "optAppearance", 0);
    EXPECT_FALSE(Shown(d, "chkAppearance", 3)->enabled);
    UserClicks(d, "chkAppearance", 1);
    UserClicks(d, "chkBehavior", 8);
    UserClicks(d, "chkBehavior", 5);
    UserClicks(d, "Apply");
  });
  EXPECT_FALSE(o.ShowDrawerCount);
  EXPECT_FALSE(o.UseSkin);
  EXPECT_FALSE(o.KeepDropMode);
  EXPECT_TRUE(o.StartInExecuteMode);
  EXPECT_TRUE(o.ToolTipWithExt);
  EXPECT_TRUE(o.StorageMultiExecute);
  EXPECT_TRUE(o.StorageKeepItems);
  PackAllFlags(app.model.settings);
  EXPECT_EQ(app.model.settings.flags.FlgMode, 4);
  EXPECT_EQ(app.model.settings.flags.FlgEdit, 2);
  EXPECT_EQ(app.model.settings.flags.FlgStorageBehavior, 1 + 16);
  // Tray, top-most and hot key at once, then the window laid out again, then activated.
  const std::vector<std::string>& calls = fake.commands.calls;
  ASSERT_GE(calls.size(), 5u);
  EXPECT_EQ(
      std::vector<std::string>(calls.begin(), calls.begin() + 3),
      (std::vector<std::string>{"NotifyIcon(off)", "SetTopMost(off)", "UnregisterAppHotKey"}));
  const auto skin = std::find(calls.begin(), calls.end(), "LoadSkin");
  EXPECT_NE(skin, calls.end());
  EXPECT_NE(std::find(skin, calls.end(), "RestoreButtons"), calls.end());
  EXPECT_TRUE(fake.system.enabled);
}

TEST_F(DialogsTest, SettingsPositionNumbersColoursAndHotKey) {
  fake.dialogs.colorAnswer = 0x123456;
  fake.commands.hotKeyAccepted = false;
  Settings([](IDialog& d) {
    UserTypes(d, "txtAppearance", 0, "1500");  // beyond a 1024-pixel screen
    UserTypes(d, "txtAppearance", 1, "oops");
    UserTypes(d, "txtAppearance", 2, "40");
    UserTypes(d, "txtBehavior", 0, "7.9");
    UserClicks(d, "lbColorCol", 5);
    UserClicks(d, "lbColorCol", 6);
    UserClicks(d, "chkAppearance", 6);
    UserClicks(d, "HotKeyMask", 1);
    UserClicks(d, "HotKeyMask", 3);
    DialogControl* keys = const_cast<DialogControl*>(Shown(d, "HotKeyKey"));
    keys->selected.assign(keys->items.size(), false);
    keys->selected[8] = true;  // F1
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(app.model.WindowLeft, (1500 - 1024) * 15);
  EXPECT_EQ(app.model.settings.MaxButton, 12);
  EXPECT_EQ(app.model.settings.MaxMultiExecute, 7);
  EXPECT_EQ(app.model.settings.colors.ColRunBack, 0x123456);
  EXPECT_EQ(app.model.settings.colors.ColStorageFore, 0x123456);
  EXPECT_EQ(fake.dialogs.colorStarts, (std::vector<int32_t>{0, 0x123456}));
  EXPECT_EQ(app.model.settings.HotKeyFlg, 2 + 8);
  EXPECT_EQ(app.model.settings.HotKeyKey, 112);
  EXPECT_NE(std::find(fake.commands.calls.begin(), fake.commands.calls.end(),
                      "RegisterAppHotKey(velmarinHK,10,112)"),
            fake.commands.calls.end());
  ASSERT_EQ(fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(fake.messageBox.shown[0].text, "ホットキーの設定に失敗しました。");
  EXPECT_EQ(fake.messageBox.shown[0].title, "エラー");
}

TEST_F(DialogsTest, SettingsPositionsOnNoMonitorWrapRoundTheScreenAndOnOneStay) {
  Settings([](IDialog& d) {
    UserTypes(d, "txtAppearance", 0, "999999999999999999");
    UserTypes(d, "txtAppearance", 1, "-999999999999999999");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(app.model.WindowLeft, 1023 * 15);
  EXPECT_EQ(app.model.WindowTop, -255 * 15);
  fake.screen.workAreas = {{0, 0, 1024, 738}, {1024, 0, 1280, 1024}};
  Settings([](IDialog& d) {
    UserTypes(d, "txtAppearance", 0, "1500");
    UserTypes(d, "txtAppearance", 1, "900");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(app.model.WindowLeft, 1500 * 15) << "on the second monitor";
  EXPECT_EQ(app.model.WindowTop, 900 * 15);
  // Signed in at 150 %, the boxes show the screen's pixels, kept at 10 twips each.
  fake.screen.systemDpi = 144;
  app.model.WindowLeft = 15000;
  app.model.WindowTop = 9000;
  Settings([](IDialog& d) {
    EXPECT_EQ(Shown(d, "txtAppearance", 0)->text, "1500");
    EXPECT_EQ(Shown(d, "txtAppearance", 1)->text, "900");
    UserTypes(d, "txtAppearance", 0, "1501");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(app.model.WindowLeft, 15010);
  EXPECT_EQ(app.model.WindowTop, 9000) << "untouched: the same place";
}

// Fewer cells would leave the buttons in the cells above out of the file: the user is asked with
// their number, and No keeps the number of cells while the rest is applied.
TEST_F(DialogsTest, SettingsFewerCellsAskBeforeButtonsAreLost) {
  app.model.Pages[0].Buttons[6].Path = "C:\\six.exe";
  app.model.Pages[2].Buttons[5].Path = "C:\\five.exe";
  app.model.Pages[2].Buttons[7].Path = "C:\\seven.exe";
  app.model.Pages[1].Buttons[7].Drawer[0] = "C:\\drawer.exe";  // no item: nothing to lose
  struct Case {
    const char* typed;
    MbResult answer;
    const char* question;  // nullptr: none asked
    int16_t maxButton;
  };
  const Case cases[] = {
      {"8", MbResult::No, nullptr, 8},
      {"12", MbResult::No, nullptr, 12},
      {"7", MbResult::No,
       "表示するボタンの数を 7 にすると、登録されている 1 個のボタンが失われます。よろしいですか？",
       8},
      {"5", MbResult::Yes,
       "表示するボタンの数を 5 にすると、登録されている 3 個のボタンが失われます。よろしいですか？",
       5},
  };
  for (const Case& c : cases) {
    app.model.settings.MaxButton = 8;
    app.model.settings.options.ShowDrawerCount = false;
    fake.messageBox.shown.clear();
    if (c.question) fake.messageBox.Script(c.answer);
    Settings([&](IDialog& d) {
      UserTypes(d, "txtAppearance", 2, c.typed);
      UserClicks(d, "chkAppearance", 1);
      UserClicks(d, "Apply");
    });
    EXPECT_EQ(app.model.settings.MaxButton, c.maxButton) << c.typed;
    EXPECT_TRUE(app.model.settings.options.ShowDrawerCount) << "the rest is applied";
    if (!c.question) {
      EXPECT_TRUE(fake.messageBox.shown.empty()) << c.typed;
      continue;
    }
    ASSERT_EQ(fake.messageBox.shown.size(), 1u) << c.typed;
    EXPECT_EQ(fake.messageBox.shown[0].text, c.question);
    EXPECT_EQ(fake.messageBox.shown[0].title, "ボタンの数の変更");
    EXPECT_EQ(fake.messageBox.shown[0].buttons, MbButtons::YesNo);
  }
}

// Apply leaves the drop mode as the user left it, unless the start mode itself was changed.
TEST_F(DialogsTest, SettingsKeepTheDropModeUnlessTheStartModeChanged) {
  struct Case {
    bool startMode, clicked, before, after;
  };
  for (const Case c : {Case{false, false, true, true}, Case{true, false, false, false},
                       Case{false, true, false, true}, Case{true, true, true, false}}) {
    app.model.settings.options.StartInExecuteMode = c.startMode;
    app.model.DropMode = c.before;
    Settings([&](IDialog& d) {
      if (c.clicked) UserClicks(d, "chkBehavior", 16);
      UserClicks(d, "Apply");
    });
    EXPECT_EQ(app.model.DropMode, c.after);
    EXPECT_EQ(app.form.pushButtons[kDDExecuteIndex].Value(), c.after ? 1 : 0);
  }
}

// Laid out again by Apply, the row shows the page's tool tips (switched on, and in the cells
// added) and the history arrows where the history stands.
TEST_F(DialogsTest, SettingsApplyShowsTheToolTipsAndTheHistory) {
  ProgramCommands commands(app);
  app.commands = &commands;
  fake.files.AddFile("C:\\velmarin\\velmarin.icl", "icons");
  fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
  app.model.Pages[1].Buttons[0].ToolTip = "first";
  app.model.Pages[1].Buttons[9].ToolTip = "tenth";
  PageChange(app, 0, true, false);
  PageChange(app, 1, false, false);
  Settings([](IDialog& d) {
    UserClicks(d, "chkAppearance", 0);
    UserTypes(d, "txtAppearance", 2, "10");
    UserClicks(d, "Apply");
  });
  const auto cell = [&](ControlKind kind, int index) -> const FakeControls::Control& {
    return fake.controls.controls[ControlId{kind, index}];
  };
  EXPECT_EQ(cell(ControlKind::Picture1, 0).toolTip, "first");
  EXPECT_EQ(cell(ControlKind::Picture1, 9).toolTip, "tenth");
  const auto& back = cell(ControlKind::TitleBar, kBackCell).drawn;
  ASSERT_FALSE(back.empty());
  EXPECT_EQ(back.back().detail, "C:\\velmarin\\velmarin.icl#1@2,1") << "page 0 lies behind";
}

TEST_F(DialogsTest, SettingsCloseBoxAndCancelStoreNothing) {
  const Options before = app.model.settings.options;
  Settings([](IDialog& d) { UserClicks(d, "chkAppearance", 0); });
  Settings([](IDialog& d) {
    UserClicks(d, "chkAppearance", 2);
    UserClicks(d, "Cancel");
  });
  EXPECT_EQ(app.model.settings.options, before);
  EXPECT_TRUE(fake.system.enabled);
}

TEST(HotKeyKeys, ListOrder) {
  const auto keys = HotKeyKeys();
  ASSERT_EQ(keys.size(), 8u + 16u + 26u);
  EXPECT_EQ(keys[0], (std::pair<std::string, int32_t>{"↑", 38}));
  EXPECT_EQ(keys[4], (std::pair<std::string, int32_t>{"Page Down", 34}));
  EXPECT_EQ(keys[7], (std::pair<std::string, int32_t>{"Home", 36}));
  EXPECT_EQ(keys[8], (std::pair<std::string, int32_t>{"F1", 112}));
  EXPECT_EQ(keys[23], (std::pair<std::string, int32_t>{"F16", 127}));
  EXPECT_EQ(keys[24], (std::pair<std::string, int32_t>{"A", 65}));
  EXPECT_EQ(keys.back(), (std::pair<std::string, int32_t>{"Z", 90}));
}

TEST_F(DialogsTest, AboutBoxTitleVersionAndPlace) {
  app.model.WindowLeft = 512 * 15;  // the main window's corner at the screen centre
  app.model.WindowTop = 384 * 15;
  ShowAboutBox(app);
  ASSERT_EQ(fake.dialogs.modeless.size(), 1u);
  DialogForm& form = fake.dialogs.modeless[0]->Form();
  EXPECT_EQ(form.caption, "About velmarin");
  EXPECT_EQ(FindControl(form, "lblVersion")->caption, "Version 1.01");
  EXPECT_EQ(FindControl(form, "lblTitle")->caption, "velmarin");
  EXPECT_EQ(form.rect.left, 512);
  EXPECT_EQ(form.rect.top, 384);
  EXPECT_TRUE(fake.system.enabled) << "the main window stays usable";
  ShowAboutBox(app);
  EXPECT_EQ(fake.dialogs.modeless.size(), 1u) << "chosen again: the open box, no second one";
  UserClicks(*fake.dialogs.modeless[0], "cmdOK");
  EXPECT_TRUE(form.closed);
  ShowAboutBox(app);
  EXPECT_EQ(fake.dialogs.modeless.size(), 1u) << "a new box once the first has closed";
  EXPECT_FALSE(fake.dialogs.modeless[0]->Form().closed);
}

}  // namespace
}  // namespace velmarin
