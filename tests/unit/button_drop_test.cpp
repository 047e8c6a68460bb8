// Files dropped on the row's cells through the fake: registering, opening with the button's item,
// filling the drawer, the right-button drop menu, the mode cell and the drag out of a cell.
#include "panel/button_drop.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "launch/names.h"
#include "shell/drag_events.h"
#include "shell/layout.h"
#include "shell/window_events.h"

namespace velmarin {
namespace {

using Files = std::vector<std::string>;

constexpr const char* kEditor = "C:\\Tools\\ed.exe";
constexpr const char* kSpaced = "C:\\My Documents\\plan a.txt";

ControlId Cell(int i) { return {ControlKind::Picture1, i}; }

struct Row {
  App app;
  FakePlatform fake;
  Row() {
    fake.Wire(app);
    app.model.PageCount = 1;
    app.model.settings.MaxButton = 10;
    app.model.settings.MaxDrawer = 4;
    app.model.settings.MaxMultiExecute = 4;
    app.model.settings.options.ShowToolTips = true;
    ClampLimits(app.model);
    Shape(app, true);
    for (const char* f : {kEditor, "C:\\a.txt", "C:\\b.txt", "C:\\c.txt", kSpaced}) {
      fake.files.AddFile(f);
    }
  }
  Button& Slot(int i) { return app.model.Pages[0].Buttons[static_cast<size_t>(i)]; }
  Button& Fill(int i, const std::string& path, const std::string& params = {}) {
    Button& b = Slot(i);
    b.Path = path;
    b.Params = params;
    b.ToolTip = "old";
    SetPathParts(app, b);
    return b;
  }
  // A drag over cell i with the buttons held, then the drop with the shift keys.
  DropEffect Drop(int i, const Files& files, int shift = 0, int buttons = kDragLeftButton) {
    OnControlDrag(app, {DragAction::Enter, Cell(i), buttons, shift, 5, 5, files});
    OnControlDrag(app, {DragAction::Over, Cell(i), buttons, shift, 6, 6, files});
    return OnControlDrag(app, {DragAction::Drop, Cell(i), buttons, shift, 6, 6, files});
  }
  const std::vector<FakeShell::Execution>& Launched() { return fake.shell.executions; }
};

TEST(ButtonDrop, RegisterAndExecuteModesWithShiftAndAlt) {
  Row row;
  row.Fill(0, kEditor);
  // Register mode, no keys, three files on a filled button: the first registers, the rest are
  // ignored; the cell shows the pointer it may drop on.
  EXPECT_EQ(row.Drop(0, {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}), DropEffect::Copy);
  EXPECT_EQ(row.Slot(0).Path, "C:\\a.txt");
  EXPECT_EQ(row.Slot(0).ToolTip, "a");
  EXPECT_EQ(row.fake.controls.controls[Cell(0)].toolTip, "a");
  EXPECT_TRUE(row.Launched().empty());

  // Execute mode on an empty button: registered, not launched.
  row.app.model.DropMode = true;
  row.Drop(1, {"C:\\b.txt"});
  EXPECT_EQ(row.Slot(1).Path, "C:\\b.txt");
  // Execute mode with Shift on a filled button: registered too.
  row.Fill(2, kEditor);
  row.Drop(2, {"C:\\c.txt"}, kShiftMask);
  EXPECT_EQ(row.Slot(2).Path, "C:\\c.txt");
  EXPECT_TRUE(row.Launched().empty());
  // Alt on an empty button registers even in execute mode; a combination of keys does nothing.
  row.Drop(3, {"C:\\a.txt"}, kAltMask);
  EXPECT_EQ(row.Slot(3).Path, "C:\\a.txt");
  row.Drop(4, {"C:\\a.txt"}, kShiftMask | kCtrlMask);
  EXPECT_EQ(row.Slot(4).Path, "");

  // Register mode with Alt on a filled button: the button's program opens the file.
  row.app.model.DropMode = false;
  row.Fill(5, kEditor, "-n");
  row.Drop(5, {"C:\\a.txt"}, kAltMask);
  ASSERT_EQ(row.Launched().size(), 1u);
  EXPECT_EQ(row.Launched()[0].file, kEditor);
  EXPECT_EQ(row.Launched()[0].params, "-n C:\\a.txt");
  EXPECT_EQ(row.Slot(5).Path, kEditor) << "opening leaves the button as it was";
}

TEST(ButtonDrop, ExecuteModeQuotesSpacedPathsAndAsksBeforeMany) {
  Row row;
  row.app.model.DropMode = true;
  Button& editor = row.Fill(0, kEditor, "-n");
  editor.ShowCmd = 3;
  // A path with a space reaches the program as one argument; one without stays bare.
  row.Drop(0, {kSpaced, "C:\\a.txt"});
  ASSERT_EQ(row.Launched().size(), 2u);
  EXPECT_EQ(row.Launched()[0].params, "-n \"C:\\My Documents\\plan a.txt\"");
  EXPECT_EQ(row.Launched()[1].params, "-n C:\\a.txt");
  EXPECT_EQ(row.Launched()[0].show, 3) << "in the button's own window state";
  EXPECT_TRUE(row.fake.messageBox.shown.empty()) << "two files are not many";

  // Five files with MaxMultiExecute 4: the question names five, Cancel opens nothing.
  row.fake.shell.executions.clear();
  const Files five = {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt", "C:\\e.txt"};
  row.fake.messageBox.Script(MbResult::Cancel);
  row.Drop(0, five);
  ASSERT_EQ(row.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(row.fake.messageBox.shown[0].text, "これら 5 個のファイルを開きますか？");
  EXPECT_EQ(row.fake.messageBox.shown[0].title, "起動の確認");
  EXPECT_EQ(row.fake.messageBox.shown[0].buttons, MbButtons::OkCancel);
  EXPECT_TRUE(row.Launched().empty());
  row.fake.messageBox.Script(MbResult::Ok);
  const int eventRunsBefore = row.fake.system.pendingEventRuns;
  row.Drop(0, five);
  EXPECT_EQ(row.Launched().size(), 5u);
  EXPECT_EQ(row.fake.system.pendingEventRuns - eventRunsBefore, 4)
      << "the window's events run between the launches";

  // An internal command gets the whole list at once: a delete button deletes all three.
  row.Fill(1, ",DELETE");
  row.Drop(1, {"C:\\a.txt", kSpaced, "C:\\c.txt"});
  ASSERT_EQ(row.fake.shell.deletions.size(), 1u);
  EXPECT_EQ(row.fake.shell.deletions[0], (Files{"C:\\a.txt", kSpaced, "C:\\c.txt"}));
}

TEST(ButtonDrop, FilesOnAStoreButtonBecomeOneShelfEntryEach) {
  Row row;
  row.Fill(3, ",STORE");
  row.Drop(3, {"C:\\a.txt", kSpaced}, kAltMask);  // Alt opens the files with the button
  ASSERT_EQ(row.fake.shelf.entries.size(), 2u);
  EXPECT_EQ(row.fake.shelf.entries[0].key, "C:\\a.txt");
  EXPECT_EQ(row.fake.shelf.entries[1].key, kSpaced);
}

TEST(ButtonDrop, CtrlFillsTheDrawerLastFileFirst) {
  Row row;
  Button& b = row.Fill(0, kEditor);
  b.Drawer[0] = "C:\\old.txt";
  row.app.model.settings.options.ShowDrawerCount = true;
  const int refreshesBefore = row.fake.controls.controls[Cell(0)].refreshes;
  row.Drop(0, {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt"}, kCtrlMask);
  EXPECT_EQ(b.Drawer,
            (std::array<std::string, 4>{"C:\\c.txt", "C:\\b.txt", "C:\\a.txt", "C:\\old.txt"}));
  EXPECT_EQ(b.Path, kEditor);
  EXPECT_GT(row.fake.controls.controls[Cell(0)].refreshes, refreshesBefore)
      << "the ticks show at once";
  // Two more: the drawer holds four, the oldest go.
  row.Drop(0, {"C:\\d.txt", "C:\\e.txt"}, kCtrlMask);
  EXPECT_EQ(b.Drawer,
            (std::array<std::string, 4>{"C:\\e.txt", "C:\\d.txt", "C:\\c.txt", "C:\\b.txt"}));
  EXPECT_TRUE(row.Launched().empty());
}

TEST(ButtonDrop, ShortcutsRegisterTheirTargetWhenAsked) {
  Row row;
  row.fake.files.AddFile("C:\\Desk\\Editor.LnK");
  row.fake.files.SetLinkTarget("C:\\Desk\\Editor.LnK", kEditor);
  row.Drop(0, {"C:\\Desk\\Editor.LnK"});
  EXPECT_EQ(row.Slot(0).Path, "C:\\Desk\\Editor.LnK") << "the option is off";
  row.app.model.settings.options.RegisterLinkTarget = true;
  row.Drop(1, {"C:\\Desk\\Editor.LnK"});
  EXPECT_EQ(row.Slot(1).Path, kEditor);
  EXPECT_EQ(row.Slot(1).ToolTip, "ed");
}

TEST(ButtonDrop, RightDropAsksWhatToDo) {
  const Menu menu = DDRightButtonMenu();
  std::vector<std::string> captions;
  for (const MenuItem& item : menu) captions.push_back(item.separator ? "-" : item.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"登録(&R)", "ボタンに関連付けて開く(&E)",
                                                "ボタンを関連付けで開く(&A)",
                                                "ドローワに入れる(&V)", "-", "キャンセル(&C)"}));

  Row row;
  row.app.model.DropMode = true;  // the menu's answer decides, whatever the mode
  Button& b = row.Fill(0, kEditor, "-n");
  const Files files = {kSpaced, "C:\\a.txt"};
  row.fake.popupMenu.Script("DDRCancel");
  row.Drop(0, files, 0, kDragRightButton);
  row.fake.popupMenu.Script("");
  row.Drop(0, files, 0, kDragRightButton);
  EXPECT_EQ(row.fake.popupMenu.shown.size(), 2u);
  EXPECT_TRUE(row.Launched().empty());
  EXPECT_EQ(b.Path, kEditor);

  // The button's program opens the first file, quoted.
  row.fake.popupMenu.Script("DDRAssocDDItemExecute");
  row.Drop(0, files, 0, kDragRightButton);
  ASSERT_EQ(row.Launched().size(), 1u);
  EXPECT_EQ(row.Launched()[0].file, kEditor);
  EXPECT_EQ(row.Launched()[0].params, "-n \"C:\\My Documents\\plan a.txt\"");
  // The dropped file opens with the button's item as its argument, in a normal window.
  b.ShowCmd = 2;
  row.fake.popupMenu.Script("DDRAssocButtonExecute");
  row.Drop(0, {"C:\\a.txt"}, 0, kDragRightButton);
  ASSERT_EQ(row.Launched().size(), 2u);
  EXPECT_EQ(row.Launched()[1].file, "C:\\a.txt");
  EXPECT_EQ(row.Launched()[1].params, kEditor);
  EXPECT_EQ(row.Launched()[1].show, 1);
  // A button path with a space stays one argument.
  Button& spaced = row.Fill(2, kSpaced);
  row.fake.popupMenu.Script("DDRAssocButtonExecute");
  row.Drop(2, {"C:\\a.txt"}, 0, kDragRightButton);
  ASSERT_EQ(row.Launched().size(), 3u);
  EXPECT_EQ(row.Launched()[2].params, "\"C:\\My Documents\\plan a.txt\"");
  EXPECT_EQ(spaced.Path, kSpaced);

  row.fake.popupMenu.Script("DDRPutMiniDrawer");
  row.Drop(0, files, 0, kDragRightButton);
  EXPECT_EQ(b.Drawer[0], "C:\\a.txt");
  EXPECT_EQ(b.Drawer[1], kSpaced);

  row.fake.popupMenu.Script("DDRRegister");
  row.Drop(0, files, 0, kDragRightButton);
  EXPECT_EQ(b.Path, kSpaced);
  EXPECT_EQ(row.fake.controls.controls[Cell(0)].toolTip, "plan a");
  EXPECT_EQ(row.app.form.MenuResult, "") << "the answer does not outlive the drop";

  // Both buttons held: neither a left nor a right drop.
  row.Drop(0, {"C:\\b.txt"}, 0, kDragLeftButton | kDragRightButton);
  EXPECT_EQ(b.Path, kSpaced);
  EXPECT_EQ(row.fake.popupMenu.shown.size(), 7u) << "no menu for it";
}

TEST(ButtonDrop, ModeCellClickAndDragAcross) {
  Row row;
  const ControlId mode{ControlKind::DDExecute, 0};
  auto click = [&](bool releasedOver) {
    OnControlMouse(row.app, {MouseAction::Press, mode, MouseButton::Left, 0, 3, 3});
    row.fake.system.cursorOver = releasedOver;
    OnControlMouse(row.app, {MouseAction::Release, mode, MouseButton::Left, 0, 3, 3});
  };
  ASSERT_FALSE(row.app.model.DropMode);
  click(false);
  EXPECT_FALSE(row.app.model.DropMode) << "a press dragged off the cell is abandoned";
  click(true);
  EXPECT_TRUE(row.app.model.DropMode);
  EXPECT_EQ(row.app.form.pushButtons[kDDExecuteIndex].Value(), 1);
  EXPECT_TRUE(row.fake.controls.controls[mode].acceptsDrops);

  // Files dragged across the mode cell fall back to register mode; nothing is dropped there.
  EXPECT_EQ(OnControlDrag(row.app, {DragAction::Enter, mode, 1, 0, 2, 2, {"C:\\a.txt"}}),
            DropEffect::None);
  EXPECT_FALSE(row.app.model.DropMode);
  EXPECT_EQ(row.app.form.pushButtons[kDDExecuteIndex].Value(), 0);
  EXPECT_FALSE(row.fake.controls.controls[mode].acceptsDrops);
  row.Fill(0, kEditor);
  row.Drop(0, {"C:\\a.txt"});
  EXPECT_EQ(row.Slot(0).Path, "C:\\a.txt") << "the drop that follows registers";
}

TEST(ButtonDrop, NothingIsDroppedWhileADialogIsOpen) {
  Row row;
  row.Fill(0, kEditor);
  row.app.model.DropMode = true;
  row.fake.system.EnableMainWindow(false);  // as an open dialog keeps it
  const ControlId places[] = {Cell(0),
                              Cell(1),
                              {ControlKind::Run, 0},
                              {ControlKind::Storage, 0},
                              {ControlKind::DDExecute, 0},
                              {ControlKind::StorageOpen, 0}};
  for (const ControlId& place : places) {
    for (DragAction action : {DragAction::Enter, DragAction::Over, DragAction::Drop}) {
      EXPECT_EQ(OnControlDrag(row.app, {action, place, kDragLeftButton, 0, 5, 5, {"C:\\a.txt"}}),
                DropEffect::None)
          << "the pointer shows that nothing may be dropped";
    }
  }
  EXPECT_EQ(row.Slot(0).Path, kEditor);
  EXPECT_EQ(row.Slot(1).Path, "");
  EXPECT_TRUE(row.Launched().empty()) << "execute mode launched nothing";
  EXPECT_EQ(row.fake.runList.text, "");
  EXPECT_TRUE(row.app.model.DropMode) << "the mode cell did not switch back";
  EXPECT_FALSE(row.app.model.StorageIsOpen) << "the shelf did not open";

  // Once the dialog has closed, the same drop launches.
  row.fake.system.EnableMainWindow(true);
  EXPECT_EQ(row.Drop(0, {"C:\\a.txt"}), DropEffect::Copy);
  EXPECT_EQ(row.Launched().size(), 1u);
}

TEST(ButtonDrop, AltPressDragsTheFileOutOnceTheMouseMoves) {
  Row row;
  row.Fill(0, kEditor, "-p");
  row.Fill(1, "C:\\gone.exe");
  row.Fill(2, ",BEEP");
  row.Fill(3, "C:\\Tools\\viewer.exe");
  row.app.model.DropMode = true;
  const auto mouse = [&](MouseAction action, int i, int x, int y = 5) {
    OnControlMouse(row.app, {action, Cell(i), MouseButton::Left, kAltMask, x, y});
  };
  // An Alt-click without moving is a click: the button starts once, on its own parameters.
  row.fake.system.cursorX = 10;  // over cell 0
  row.fake.system.cursorY = 30;
  mouse(MouseAction::Press, 0, 5);
  EXPECT_EQ(row.Slot(0).State, 1) << "the cell is up again at once";
  mouse(MouseAction::Move, 0, 9, 1);  // within the drag distance either way
  mouse(MouseAction::Release, 0, 9, 1);
  EXPECT_TRUE(row.fake.system.draggedOut.empty());
  ASSERT_EQ(row.Launched().size(), 1u);
  EXPECT_EQ(row.Launched()[0].params, "-p");

  // Moved further, the file goes out; dropped back on its own cell it is no drop, on another
  // cell it is one. The drag took the release: none follows.
  std::vector<DropEffect> effects;
  row.fake.system.whileDragging = [&] {
    effects.push_back(row.Drop(0, {kEditor}));
    effects.push_back(row.Drop(3, {kEditor}));
  };
  mouse(MouseAction::Press, 0, 5);
  mouse(MouseAction::Move, 0, 10);
  EXPECT_EQ(row.fake.system.draggedOut, (std::vector<Files>{{kEditor}}));
  EXPECT_EQ(effects, (std::vector<DropEffect>{DropEffect::None, DropEffect::Copy}));
  ASSERT_EQ(row.Launched().size(), 2u) << "only the other cell's program started";
  EXPECT_EQ(row.Launched()[1].file, "C:\\Tools\\viewer.exe");
  EXPECT_EQ(row.Slot(0).ToolTip, "old");
  mouse(MouseAction::Move, 0, 20);
  EXPECT_EQ(row.fake.system.draggedOut.size(), 1u) << "one drag per press";

  // A missing file and an internal command are not dragged; their press stays a press.
  row.fake.system.whileDragging = nullptr;
  for (int i : {1, 2}) {
    mouse(MouseAction::Press, i, 5);
    mouse(MouseAction::Move, i, 30);
  }
  EXPECT_EQ(row.fake.system.draggedOut.size(), 1u);
}

}  // namespace
}  // namespace velmarin
