#include <gtest/gtest.h>

#include "dialogs/settings_dialog.h"
#include "launch_test_support.h"
#include "shell/come_forward.h"
#include "shell/hot_key.h"
#include "shell/main_form.h"
#include "shell/tray_menu.h"
#include "shell/tray_presence.h"
#include "shell/window_events.h"

namespace velmarin {
namespace {

struct TrayFixture : LaunchFixture {
  TrayFixture() { app.model.settings.options.TrayIcon = true; }
};

TEST(TrayMenu, WithoutButtonsEachPageHasAnEmptySubmenuAndTheFixedItemsComeLast) {
  TrayFixture f;
  f.app.model.Pages[0].Caption = "Main";
  const TrayMenu tray = BuildTrayMenu(f.app);
  ASSERT_EQ(tray.menu.size(), 7u);
  EXPECT_EQ(tray.menu[0].caption, "Main");
  EXPECT_EQ(tray.menu[2].caption, "Tools");
  for (int p = 0; p < 3; ++p) {
    EXPECT_TRUE(tray.menu[static_cast<size_t>(p)].opensSubmenu);
    EXPECT_TRUE(tray.menu[static_cast<size_t>(p)].submenu.empty());
  }
  EXPECT_TRUE(tray.menu[3].separator);
  EXPECT_EQ(tray.menu[4].caption, "設定...(&C)");
  EXPECT_EQ(tray.menu[4].resultIndex, 1);
  EXPECT_TRUE(tray.menu[5].separator);
  EXPECT_EQ(tray.menu[6].caption, "終了(&X)");
  EXPECT_EQ(tray.menu[6].resultIndex, 2);
  EXPECT_EQ(tray.commands, (std::vector<std::string>{",config", ",exit"}));
}

TEST(TrayMenu, ButtonsAndDrawersGetIdsInOrderAndLaunch) {
  TrayFixture f;
  f.SetSlot(0, "C:\\Windows\\notepad.exe");
  f.SetSlot(2, ",Tools");
  Button& b = f.SetSlot(4, "C:\\Tools\\ed.exe", "-x", 3);
  b.Drawer[1] = "C:\\docs\\a.txt";
  b.Drawer[3] = ",EXIT";
  f.app.model.settings.MaxDrawer = 4;
  const TrayMenu tray = BuildTrayMenu(f.app);
  EXPECT_EQ(tray.commands,
            (std::vector<std::string>{"C:\\Windows\\notepad.exe", ",Tools", "C:\\Tools\\ed.exe",
                                      "C:\\docs\\a.txt", ",EXIT", ",config", ",exit"}));
  const Menu& page = tray.menu[0].submenu;
  ASSERT_EQ(page.size(), 3u);
  EXPECT_EQ(page[0].caption, "notepad.exe");
  EXPECT_EQ(page[1].caption, ",Tools");
  EXPECT_EQ(page[2].caption, "ed.exe");
  ASSERT_EQ(page[2].submenu.size(), 4u);
  EXPECT_EQ(page[2].submenu[0].caption, "ed.exe");
  EXPECT_EQ(page[2].submenu[0].resultIndex, 3) << "the first item launches the button itself";
  EXPECT_TRUE(page[2].submenu[1].separator);
  EXPECT_EQ(page[2].submenu[2].caption, "a.txt");
  EXPECT_EQ(page[2].submenu[3].caption, ",EXIT");

  // A right click on the icon shows it; the chosen item launches without the button's
  // parameters and in a normal window.
  f.fake.popupMenu.Script("Tray");
  OnTrayMouse(f.app, TrayMouse::RightDown);
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(f.fake.shell.executions[0].params, "");
  EXPECT_EQ(f.fake.shell.executions[0].show, 1);
  EXPECT_FALSE(f.app.form.trayMenuShown);
  EXPECT_EQ(f.fake.popupMenu.rightAligned, 1) << "the tray menu opens to the left of the cursor";
}

TEST(TrayMenu, TheFixedItemsOpenTheSettingsAndEndTheProgram) {
  TrayFixture f;
  // No scripted result word reaches the fixed items by name: choose them by number.
  struct Chooser : IPopupMenu {
    int answer = 0;
    int Show(const Menu&) override { return answer; }
  } chooser;
  f.app.platform.popupMenu = &chooser;
  f.fake.files.AddFile("C:\\velmarin\\velmarin.ini", "MaxButton=10\r\n\r\n");
  // Three empty page items, a separator, settings (5), a separator, exit (7).
  chooser.answer = 5;
  OnTrayMouse(f.app, TrayMouse::RightDown);
  EXPECT_EQ(f.settingsDialogs, 1);
  EXPECT_FALSE(f.fake.system.ended);
  chooser.answer = 1;  // a page item opens its submenu: nothing
  OnTrayMouse(f.app, TrayMouse::RightDown);
  chooser.answer = 7;
  OnTrayMouse(f.app, TrayMouse::RightDown);
  EXPECT_TRUE(f.fake.system.ended);
  EXPECT_EQ(f.fake.files.writeCount(), 1) << "the settings are saved on the way out";
  EXPECT_EQ(f.settingsDialogs, 1);
}

TEST(TrayMenu, TheOtherMouseMessages) {
  TrayFixture f;
  // A left click while the menu is open closes it; otherwise it does nothing.
  OnTrayMouse(f.app, TrayMouse::LeftDown);
  EXPECT_EQ(f.fake.desktop.trayMenuCloses, 0);
  f.app.form.trayMenuShown = true;
  OnTrayMouse(f.app, TrayMouse::LeftDown);
  EXPECT_EQ(f.fake.desktop.trayMenuCloses, 1);
  // A double click centres the window on the screen and restores it.
  f.fake.screen.width = 1024;
  f.fake.screen.height = 768;
  f.fake.desktop.height = 57;
  f.app.model.WindowLeft = 3000;
  f.app.model.WindowTop = 4500;
  OnTrayMouse(f.app, TrayMouse::LeftDoubleClick);
  EXPECT_EQ(f.fake.desktop.restoreCount, 1);
  EXPECT_EQ(f.fake.system.outer.left, (1024 - f.fake.system.OuterWidth()) / 2);
  EXPECT_EQ(f.fake.system.outer.top, (768 - 57) / 2);
  // The model follows, so the next drag starts from there and the settings file keeps it.
  EXPECT_EQ(f.app.model.WindowLeft, static_cast<float>(f.fake.system.outer.left * 15));
  EXPECT_EQ(f.app.model.WindowTop, static_cast<float>((768 - 57) / 2 * 15));
  // Without the option nothing answers the icon.
  f.app.model.settings.options.TrayIcon = false;
  OnTrayMouse(f.app, TrayMouse::RightDown);
  EXPECT_TRUE(f.fake.popupMenu.shown.empty());
}

TEST(TrayMenu, AnOpenDialogIsBroughtForwardInsteadOfTheMenu) {
  TrayFixture f;
  f.SetSlot(0, "C:\\Windows\\notepad.exe");
  f.fake.popupMenu.Script("Tray");
  f.fake.dialogs.scripts.push_back([&](IDialog&) {
    OnTrayMouse(f.app, TrayMouse::RightDown);
    OnTrayMouse(f.app, TrayMouse::LeftDown);
    OnTrayMouse(f.app, TrayMouse::LeftDoubleClick);
    OnHotKey(f.app);
    ShowSettingsDialog(f.app);  // chosen again, from anywhere
  });
  ShowSettingsDialog(f.app);
  EXPECT_EQ(f.fake.dialogs.opened.size(), 1u) << "the settings dialog is only ever open once";
  EXPECT_EQ(f.fake.desktop.dialogForwardCount, 3) << "both presses and the second opening";
  EXPECT_TRUE(f.fake.popupMenu.shown.empty());
  EXPECT_TRUE(f.fake.shell.executions.empty());
  EXPECT_EQ(f.fake.desktop.restoreCount, 0) << "the double click neither centres nor restores";
  EXPECT_EQ(f.fake.system.moves, 0);
  EXPECT_EQ(f.fake.desktop.forwardCount, 0) << "the hot key does nothing";

  // Closed, the dialog leaves the icon its menu again.
  OnTrayMouse(f.app, TrayMouse::RightDown);
  EXPECT_EQ(f.fake.popupMenu.shown.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions.size(), 1u);
}

TEST(TrayMenu, AMouseMoveOverTheWindowIsNoTrayMessage) {
  TrayFixture f;
  // 513 pixels from the left edge: the number of a left press, in the old way of reporting the
  // tray icon's mouse. A move over the window opens nothing and closes nothing.
  for (int x : {513, 515, 516}) {
    OnControlMouse(f.app, {MouseAction::Move, {ControlKind::Form, 0}, MouseButton::Left, 0, x, 3});
  }
  EXPECT_TRUE(f.fake.popupMenu.shown.empty());
  EXPECT_EQ(f.fake.desktop.restoreCount, 0);
  EXPECT_EQ(f.fake.desktop.trayMenuCloses, 0);
}

// The icon is there whenever the program wishes it: an add the system refused (a task bar still
// busy at sign-in) is tried once more a little later, and a new task bar gets it back.
TEST(TrayIcon, TheWishDecidesWhetherTheIconComesBack) {
  using Event = void (*)(App&);
  const Event wish = [](App& app) { NotifyIcon(app, true); };
  const Event unwish = [](App& app) { NotifyIcon(app, false); };
  const Event taskbar = OnTaskbarCreated;  // a new task bar was made
  const Event due = OnTrayIconDue;         // the later try's time came
  struct Case {
    const char* name;
    int refused;  // adds the system refuses, from the first
    std::vector<Event> events;
    bool shown;
    int laterTries;
  };
  const Case cases[] = {
      {"added at once", 0, {wish}, true, 0},
      {"a refused add is tried later", 1, {wish}, false, 1},
      {"the later try adds it", 1, {wish, due}, true, 1},
      {"a new task bar adds it", 1, {wish, taskbar}, true, 1},
      {"a later try that fails waits for the task bar", 2, {wish, due}, false, 1},
      {"...which then adds it", 2, {wish, due, taskbar}, true, 1},
      {"a new task bar gets it back", 0, {wish, taskbar}, true, 0},
      {"a refused add on a new task bar is tried later", 1, {taskbar, wish}, false, 1},
      {"not wished: a new task bar adds nothing", 0, {taskbar, due}, false, 0},
      {"given up: a later try adds nothing", 1, {wish, unwish, due, taskbar}, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TrayFixture f;
    f.fake.desktop.trayAddsRefused = c.refused;
    for (const Event event : c.events) event(f.app);
    EXPECT_EQ(f.fake.desktop.trayIcon, c.shown);
    EXPECT_EQ(f.fake.desktop.trayLaterTries, c.laterTries);
  }
}

TEST(TrayIcon, AnIconWhoseAddWasRefusedIsStillRemovedAtTheEnd) {
  // The system may give up waiting for the task bar and put the icon there all the same.
  TrayFixture f;
  f.fake.desktop.trayAddsRefused = 1;
  NotifyIcon(f.app, true);
  NotifyIcon(f.app, false);
  EXPECT_EQ(f.fake.desktop.trayRemovals, 1);
}

TEST(HotKey, RegisteringBringsTheWindowForwardUnlessDisabled) {
  TrayFixture f;
  EXPECT_TRUE(RegisterAppHotKey(f.app, kHotKeyAtomName, 2, 0x56));
  EXPECT_EQ(f.fake.desktop.hotKeyAtom, "velmarinHK");
  OnHotKey(f.app);
  EXPECT_EQ(f.fake.desktop.forwardCount, 1);
  f.fake.desktop.enabled = false;  // a dialog is open
  OnHotKey(f.app);
  EXPECT_EQ(f.fake.desktop.forwardCount, 1);
}

// A key refused by the system, or one without Alt, Ctrl, Shift or Win (which would take that key
// from every program's typing), is not registered; the settings keep it all the same, the key
// held before is released, and nothing is said (start-up is silent; the dialog tells).
TEST(HotKey, ARefusedOrBareKeyIsNotRegisteredButKept) {
  struct Case {
    int32_t modifiers, key;
    bool systemAccepts, registered;
  };
  for (const Case c : {Case{8, 0x41, true, true}, Case{6, 0x41, false, false},
                       Case{0, 0x41, true, false}, Case{0, 38, true, false}}) {
    TrayFixture f;
    ASSERT_TRUE(RegisterAppHotKey(f.app, kHotKeyAtomName, 3, 0x56));
    f.fake.desktop.hotKeyAccepted = c.systemAccepts;
    EXPECT_EQ(RegisterAppHotKey(f.app, kHotKeyAtomName, c.modifiers, c.key), c.registered);
    EXPECT_EQ(f.fake.desktop.hotKeyAtom, c.registered ? "velmarinHK" : "");
    EXPECT_EQ(f.app.model.settings.HotKeyFlg, c.modifiers);
    EXPECT_EQ(f.app.model.settings.HotKeyKey, c.key);
    EXPECT_TRUE(f.fake.messageBox.shown.empty());
  }
}

// The hot key or the tray icon brings the window forward without a flicker wherever asking is
// enough; it is shown anew only when the request did not put it in front.
TEST(ComeForward, ShownAnewOnlyWhenAskingDidNotBringItForward) {
  const struct {
    const char* what;
    ForegroundAnswer answer;
    bool showAnew;
  } rows[] = {
      {"granted from behind (Windows, the hot key or the tray)", {true, true, false}, false},
      {"already in front", {false, true, false}, false},
      {"refused (another program holds the foreground)", {true, false, false}, true},
      {"refused while in front", {false, false, false}, true},
      {"a window manager says yes and leaves it behind", {true, true, true}, true},
      {"a window manager, already in front", {false, true, true}, false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ShowAnewToComeForward(row.answer), row.showAnew) << row.what;
  }
}

}  // namespace
}  // namespace velmarin
