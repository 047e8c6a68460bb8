// Gestures on the button row through the fake: what a drag between cells, onto the Run box, onto
// the shelf and off the window does to the buttons, what it launches, and the menus it asks with.
#include <gtest/gtest.h>

#include "gestures_test_support.h"
#include "panel/button_edit.h"

namespace velmarin {
namespace {

using gestures_test::kOffWindow;
using gestures_test::kOverRun;
using gestures_test::kOverShelf;
using gestures_test::OverCell;
using gestures_test::Panel;

constexpr int kShift = kShiftMask;
constexpr int kCtrl = kCtrlMask;
constexpr int kShiftCtrl = kShiftMask | kCtrlMask;

TEST(LeftDragBetweenCells, ShiftMovesCtrlFillsTheDrawerPlainInserts) {
  Panel p;
  p.Slot(1, "C:\\tools\\edit.exe", "-n");
  p.Drawer(1, {"C:\\a.txt", "", "", ""});
  p.At(1).IconFile = "C:\\icons\\edit.ico";
  p.Slot(5, "C:\\old.exe");

  // Shift: the button with everything it holds lands on the target; the source is emptied.
  p.Gesture(1, OverCell(5), kShift);
  EXPECT_EQ(p.At(5).Path, "C:\\tools\\edit.exe");
  EXPECT_EQ(p.At(5).Params, "-n");
  EXPECT_EQ(p.At(5).Drawer[0], "C:\\a.txt");
  EXPECT_EQ(p.At(5).IconFile, "C:\\icons\\edit.ico");
  EXPECT_TRUE(p.At(1).Path.empty());
  EXPECT_TRUE(p.At(1).Params.empty());
  EXPECT_TRUE(p.At(1).Drawer[0].empty());
  EXPECT_TRUE(p.Launched().empty());

  // Ctrl: the source's item goes into the target's drawer; a full drawer loses its last item.
  p.Slot(2, "C:\\docs\\memo.txt");
  p.Drawer(5, {"d0", "d1", "d2", "d3"});
  p.Gesture(2, OverCell(5), kCtrl);
  EXPECT_EQ(p.At(5).Drawer, (std::array<std::string, 4>{"C:\\docs\\memo.txt", "d0", "d1", "d2"}));
  EXPECT_EQ(p.At(2).Path, "C:\\docs\\memo.txt") << "the source stays as it was";
  // An empty cell puts nothing into a drawer and pushes nothing out.
  p.Gesture(7, OverCell(5), kCtrl);
  EXPECT_EQ(p.At(5).Drawer[3], "d2");

  // No modifier (and Shift+Ctrl, which counts as none), register mode: the button is inserted.
  p.Gesture(2, OverCell(5), kShiftCtrl);
  EXPECT_EQ(p.At(5).Path, "C:\\docs\\memo.txt");
  EXPECT_EQ(p.At(4).Path, "C:\\tools\\edit.exe") << "the buttons between moved up one";
  EXPECT_TRUE(p.At(2).Path.empty()) << "slot 2 took slot 3, which was empty";
  EXPECT_TRUE(p.Launched().empty());
  EXPECT_EQ(p.MenusShown(), 0u);
}

TEST(LeftDragBetweenCells, ExecuteModeOpensTheItemWithTheTargetsProgram) {
  Panel p;
  p.app.model.DropMode = true;
  p.Slot(0, "C:\\My Docs\\plan.txt");
  p.Slot(3, "C:\\tools\\edit.exe", "-r");
  p.Gesture(0, OverCell(3));
  ASSERT_EQ(p.Launched().size(), 1u);
  EXPECT_EQ(p.Launched()[0].file, "C:\\tools\\edit.exe");
  EXPECT_EQ(p.Launched()[0].params, "-r \"C:\\My Docs\\plan.txt\"");
  EXPECT_EQ(p.At(0).Path, "C:\\My Docs\\plan.txt") << "nothing moved";
  // An empty target takes the button even in execute mode.
  p.Gesture(0, OverCell(6));
  EXPECT_EQ(p.At(6).Path, "C:\\My Docs\\plan.txt");
  EXPECT_EQ(p.Launched().size(), 1u);
}

TEST(InsertButton, BothDirectionsAndEveryCellRepainted) {
  Panel p;
  for (int i = 0; i < 6; ++i) p.Slot(i, "C:\\b" + std::to_string(i) + ".exe");
  Page& page = p.app.model.Pages[0];
  InsertButton(p.app, page, 1, 4);
  std::vector<std::string> order;
  for (int i = 0; i < 6; ++i) order.push_back(page.Buttons[i].FileName);
  EXPECT_EQ(order,
            (std::vector<std::string>{"b0.exe", "b2.exe", "b3.exe", "b4.exe", "b1.exe", "b5.exe"}));
  InsertButton(p.app, page, 4, 1);
  order.clear();
  for (int i = 0; i < 6; ++i) order.push_back(page.Buttons[i].FileName);
  EXPECT_EQ(order,
            (std::vector<std::string>{"b0.exe", "b1.exe", "b2.exe", "b3.exe", "b4.exe", "b5.exe"}));
  for (int i = 1; i <= 4; ++i) {
    const ControlId cell{ControlKind::Picture1, i};
    EXPECT_EQ(p.fake.controls.controls[cell].face, 1) << i;
  }
}

TEST(EditOperations, ClearKeepsTheIconAndDrawerItemsStayPacked) {
  Panel p;
  Button& b = p.Slot(2, "C:\\x.exe", "-p");
  b.IconFile = "C:\\icons\\x.ico";
  b.IconIndex = 3;
  b.ShowCmd = 3;
  p.Drawer(2, {"a", "b", "c", "d"});
  DeleteDrawerItem(p.app, b, 1);
  EXPECT_EQ(b.Drawer, (std::array<std::string, 4>{"a", "c", "d", ""}));
  ClearButton(p.app, b, false);
  EXPECT_TRUE(b.Path.empty());
  EXPECT_EQ(b.ShowCmd, 0);
  EXPECT_EQ(b.Drawer[0], "a") << "without the drawer flag the drawer stays";
  ClearButton(p.app, b, true);
  EXPECT_EQ(b.Drawer, (std::array<std::string, 4>{}));
  EXPECT_EQ(b.IconFile, "C:\\icons\\x.ico");
  EXPECT_EQ(b.IconIndex, 3);
  // The cleared slot takes an internal name later: the kept icon file is what it shows.
  p.fake.files.AddFile("C:\\icons\\x.ico");
  p.fake.controls.iconFiles["C:\\ICONS\\X.ICO"] = 4;
  AssignItem(p.app, 2, ",EXIT");
  EXPECT_EQ(b.Path, ",EXIT");
  const auto& drawn = p.fake.controls.controls[{ControlKind::Picture1, 2}].drawn;
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn[0].detail, "C:\\icons\\x.ico#3@2,2");
}

TEST(LeftRelease, OffTheWindowOpensTheDrawerMenu) {
  Panel p;
  p.Slot(4, "C:\\x.exe");
  p.At(4).IconFile = "C:\\icons\\x.ico";
  p.Gesture(4, kOffWindow, kShift);
  EXPECT_EQ(p.MenusShown(), 0u) << "Shift off the window does nothing";

  p.Gesture(4, kOffWindow);
  EXPECT_EQ(p.Captions(), (std::vector<std::string>{"すべて削除(&D)", "-", "キャンセル(&C)"}))
      << "a button without drawer items";

  p.Drawer(4, {"C:\\docs\\a.txt", "C:\\Tools\\", "", ""});
  p.Gesture(4, kOffWindow, 0, MouseButton::Left, "MiniDrawer");
  EXPECT_EQ(p.Captions(), (std::vector<std::string>{"a.txt", "Tools", "-", "すべて削除(&D)", "-",
                                                    "キャンセル(&C)"}));
  EXPECT_EQ(p.At(4).Drawer[1], "C:\\Tools") << "a folder loses its trailing separator";
  ASSERT_EQ(p.Launched().size(), 1u);
  EXPECT_EQ(p.Launched()[0].file, "C:\\docs\\a.txt");
  EXPECT_TRUE(p.app.form.MenuResult.empty()) << "no choice survives the release";

  p.Gesture(4, kOffWindow, 0, MouseButton::Left, "Delete");
  EXPECT_TRUE(p.At(4).Path.empty());
  EXPECT_TRUE(p.At(4).Drawer[0].empty());
  EXPECT_EQ(p.At(4).IconFile, "C:\\icons\\x.ico");
}

TEST(LeftRelease, OnTheOwnCellShiftDeletesCtrlOpensTheDrawer) {
  Panel p;
  p.Slot(3, "C:\\x.exe");
  p.Drawer(3, {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", ""});

  // Ctrl: the drawer menu without the delete items; a drawer item launches.
  p.Gesture(3, OverCell(3), kCtrl, MouseButton::Left, "MiniDrawer");
  EXPECT_EQ(p.Captions(),
            (std::vector<std::string>{"a.txt", "b.txt", "c.txt", "-", "キャンセル(&C)"}));
  ASSERT_EQ(p.Launched().size(), 1u);

  // Shift: the delete menu; one drawer item out, then the whole drawer, then the item.
  p.Gesture(3, OverCell(3), kShift, MouseButton::Left, "MiniDrawerItem");
  EXPECT_EQ(p.Captions(),
            (std::vector<std::string>{"ドローワ(&D)", "すべて(&A)", "-", "a.txt", "b.txt", "c.txt",
                                      "ボタンのアイテム(&B)", "-", "すべて削除(&A)"}));
  EXPECT_EQ(p.At(3).Drawer, (std::array<std::string, 4>{"C:\\b.txt", "C:\\c.txt", "", ""}))
      << "the first drawer item (the scripted choice) went";
  p.Gesture(3, OverCell(3), kShift, MouseButton::Left, "DeleteButton");
  EXPECT_TRUE(p.At(3).Path.empty());
  EXPECT_EQ(p.At(3).Drawer[0], "C:\\b.txt");
  p.Gesture(3, OverCell(3), kShift, MouseButton::Left, "MiniDrawerAll");
  EXPECT_EQ(p.At(3).Drawer, (std::array<std::string, 4>{}));
  p.Gesture(3, OverCell(3), kShift);
  EXPECT_EQ(p.Captions(),
            (std::vector<std::string>{"ボタンのアイテム(&B)", "-", "すべて削除(&A)"}));
  EXPECT_EQ(p.Launched().size(), 1u) << "the delete menu launches nothing";
}

TEST(LeftRelease, OntoTheRunBox) {
  Panel p;
  p.fake.files.AddFile("C:\\Program Files\\Long Name.exe");
  p.fake.files.SetShortName("C:\\Program Files\\Long Name.exe", "C:\\PROGRA~1\\LONGNA~1.EXE");
  p.Slot(0, "C:\\Program Files\\Long Name.exe");
  p.fake.commands.calls.clear();
  p.Gesture(0, kOverRun, kShift);
  p.Gesture(0, kOverRun, kCtrl);
  p.Gesture(0, kOverRun);
  p.app.model.DropMode = true;
  p.Gesture(0, kOverRun, kShiftCtrl);
  std::vector<std::string> run;
  for (const std::string& call : p.fake.commands.calls) {
    if (call.find("Run") != std::string::npos) run.push_back(call);
  }
  EXPECT_EQ(run, (std::vector<std::string>{"PutInRunBox(\"C:\\Program Files\\Long Name.exe\")",
                                           "PutInRunBox(C:\\PROGRA~1\\LONGNA~1.EXE)",
                                           "SetRunBoxText(Long Name)",
                                           "SetRunBoxText(Long Name, focus)"}));
}

TEST(LeftRelease, OntoTheOpenShelf) {
  Panel p;
  p.app.model.StorageIsOpen = true;
  p.Slot(0, "C:\\x.exe");
  p.Drawer(0, {"C:\\a.txt", "", "C:\\c.txt", ""});
  p.Gesture(0, kOverShelf, kCtrl);
  ASSERT_EQ(p.fake.shelf.entries.size(), 2u) << "the drawer only, empty slots skipped";
  p.fake.shelf.entries.clear();
  p.Gesture(0, kOverShelf, kShift);
  ASSERT_EQ(p.fake.shelf.entries.size(), 3u);
  EXPECT_EQ(p.fake.shelf.entries[0].key, "C:\\x.exe");
  EXPECT_EQ(p.fake.shelf.entries[2].key, "C:\\c.txt");
  p.fake.shelf.entries.clear();
  p.Gesture(0, kOverShelf);
  ASSERT_EQ(p.fake.shelf.entries.size(), 1u);
  EXPECT_TRUE(p.Launched().empty());

  // Execute mode with the option on: the selected entry opens the button's item.
  p.app.model.DropMode = true;
  p.app.model.settings.options.StorageExecuteDropped = true;
  p.fake.shelf.entries[0].selected = true;
  p.Gesture(0, kOverShelf);
  ASSERT_EQ(p.Launched().size(), 1u);
  EXPECT_EQ(p.Launched()[0].params, "C:\\x.exe");
  // The shelf closed: the same place is no target.
  p.app.model.StorageIsOpen = false;
  p.Gesture(0, kOverShelf, kShift);
  EXPECT_EQ(p.fake.shelf.entries.size(), 1u);
}

TEST(LeftRelease, AltHeldCountsAsNoModifier) {
  Panel p;
  p.Slot(2, ",BEEP");
  p.Gesture(2, OverCell(2), kAltMask);
  EXPECT_EQ(p.fake.shell.beeps, 1) << "Alt+click on an internal name runs it";
  p.Slot(4, "C:\\missing.exe");  // no file: the Alt press starts no drag
  p.Gesture(4, OverCell(7), kAltMask | kShiftMask);
  EXPECT_EQ(p.At(7).Path, "C:\\missing.exe") << "Alt+Shift inserts like a plain drag";
  EXPECT_TRUE(p.At(4).Path.empty());
}

TEST(ShelfEntryDraggedOntoACell, RightButtonAsksWithTheDropMenu) {
  Panel p;
  for (const char* key : {"C:\\one.txt", "C:\\My Files\\two.txt"}) p.fake.shelf.Add(key, key);
  p.fake.shelf.entries[1].selected = true;
  p.fake.shelf.focused = 1;
  Button& b = p.Slot(3, "C:\\Program Files\\ed.exe", "-p");
  auto rightRelease = [&](const std::string& choice) {
    p.fake.popupMenu.Script(choice);
    p.app.panel.PressedControl = {ControlKind::Storage, 0};
    p.app.panel.PressedMouseButton = MouseButton::Right;
    p.fake.system.cursorX = OverCell(3).x;
    p.fake.system.cursorY = OverCell(3).y;
    OnControlMouse(p.app,
                   {MouseAction::Release, {ControlKind::Picture1, 3}, MouseButton::Right, 0, 5, 5});
  };
  rightRelease("DDRAssocDDItemExecute");
  EXPECT_EQ(p.Captions(),
            (std::vector<std::string>{"登録(&R)", "ボタンに関連付けて開く(&E)",
                                      "ボタンを関連付けで開く(&A)", "ドローワに入れる(&V)", "-",
                                      "キャンセル(&C)"}));
  ASSERT_EQ(p.Launched().size(), 1u);
  EXPECT_EQ(p.Launched()[0].file, b.Path);
  EXPECT_EQ(p.Launched()[0].params, "-p \"C:\\My Files\\two.txt\"");
  rightRelease("DDRAssocButtonExecute");
  ASSERT_EQ(p.Launched().size(), 2u);
  EXPECT_EQ(p.Launched()[1].file, "C:\\My Files\\two.txt");
  EXPECT_EQ(p.Launched()[1].params, "\"C:\\Program Files\\ed.exe\"");
  EXPECT_EQ(p.Launched()[1].show, 1);
  rightRelease("DDRPutMiniDrawer");
  EXPECT_EQ(b.Drawer[0], "C:\\My Files\\two.txt");
  rightRelease("DDRCancel");
  EXPECT_EQ(b.Path, "C:\\Program Files\\ed.exe");
  rightRelease("DDRRegister");
  EXPECT_EQ(b.Path, "C:\\My Files\\two.txt");
  EXPECT_EQ(b.Params, "-p");
  EXPECT_TRUE(p.app.form.MenuResult.empty());
  // Nothing selected on the shelf: no menu.
  p.fake.shelf.entries[1].selected = false;
  const size_t menus = p.MenusShown();
  rightRelease("DDRRegister");
  EXPECT_EQ(p.MenusShown(), menus);
}

TEST(ShelfEntryDraggedOntoACell, ShiftAssignsCtrlFillsTheDrawer) {
  Panel p;
  for (const char* key : {"C:\\one.txt", "C:\\two.txt", "C:\\three.txt"}) {
    p.fake.shelf.Add(key, key);
  }
  for (auto& e : p.fake.shelf.entries) e.selected = true;
  p.Slot(2, "C:\\x.exe", "-p");
  p.app.model.settings.MaxDrawer = 2;
  auto release = [&](int shift) {
    p.app.panel.PressedControl = {ControlKind::Storage, 0};
    p.app.panel.PressedMouseButton = MouseButton::Left;
    p.fake.system.cursorX = OverCell(2).x;
    p.fake.system.cursorY = OverCell(2).y;
    OnControlMouse(
        p.app, {MouseAction::Release, {ControlKind::Picture1, 2}, MouseButton::Left, shift, 5, 5});
  };
  release(kCtrl);
  EXPECT_EQ(p.At(2).Drawer[0], "C:\\two.txt") << "the topmost of the last two selected";
  EXPECT_EQ(p.At(2).Drawer[1], "C:\\three.txt");
  p.fake.shelf.focused = 0;
  p.app.model.DropMode = true;
  release(0);
  ASSERT_EQ(p.Launched().size(), 1u);
  EXPECT_EQ(p.Launched()[0].params, "-p C:\\one.txt");
  release(kShift);
  EXPECT_EQ(p.At(2).Path, "C:\\one.txt");
  EXPECT_EQ(p.At(2).Params, "-p") << "the parameters stay";
}

TEST(RightDragBetweenCells, TheMenuSwapsInsertsMovesCopiesOrOpens) {
  Panel p;
  p.Slot(1, "C:\\docs\\memo.txt");
  p.Drawer(1, {",EXIT", "C:\\docs\\b.txt", "", ""});
  p.Slot(4, "C:\\tools\\edit.exe", "-e");
  p.Gesture(1, OverCell(4), 0, MouseButton::Right, "Replace");
  EXPECT_EQ(p.Captions(),
            (std::vector<std::string>{"memo.txt", "-", "b.txt", "-", "入れ替え(&R)",
                                      "ここに挿入(&S)", "ここに移動(&E)", "ここにコピー(&C)"}))
      << "the internal name in the drawer is left out";
  EXPECT_EQ(p.At(4).Path, "C:\\docs\\memo.txt");
  EXPECT_EQ(p.At(1).Path, "C:\\tools\\edit.exe");
  EXPECT_EQ(p.At(4).Drawer[0], ",EXIT") << "the drawer went with its button";

  p.Gesture(4, OverCell(1), 0, MouseButton::Right, "DrawerItem");
  ASSERT_EQ(p.Launched().size(), 1u);
  EXPECT_EQ(p.Launched()[0].file, "C:\\tools\\edit.exe");
  EXPECT_EQ(p.Launched()[0].params, "-e C:\\docs\\b.txt");

  p.Gesture(4, OverCell(6), 0, MouseButton::Right, "Copy");
  EXPECT_EQ(p.At(6).Path, "C:\\docs\\memo.txt");
  EXPECT_EQ(p.At(4).Path, "C:\\docs\\memo.txt");
  p.Gesture(6, OverCell(8), 0, MouseButton::Right, "Move");
  EXPECT_TRUE(p.At(6).Path.empty());
  EXPECT_EQ(p.At(8).Path, "C:\\docs\\memo.txt");
  p.Gesture(8, OverCell(1), 0, MouseButton::Right, "");
  EXPECT_EQ(p.At(1).Path, "C:\\tools\\edit.exe") << "a dismissed menu changes nothing";

  // The source's own item: its file name, or the item itself where it has none; an internal
  // name has no item of its own in the menu.
  const std::pair<const char*, const char*> sources[] = {
      {"C:\\", "C:\\"}, {"\\\\srv\\share\\", "\\\\srv\\share\\"}, {",EXIT", "入れ替え(&R)"}};
  for (const auto& [item, first] : sources) {
    p.Slot(7, item);
    p.Gesture(7, OverCell(1), 0, MouseButton::Right);
    EXPECT_EQ(p.Captions().front(), first) << item;
  }
}

TEST(RightClickOnACell, PagesDrawerItemsFolderAndProperties) {
  Panel p;
  p.app.model.Pages[0].Caption = "Main";
  p.app.model.Pages[1].Caption = "Tools";
  p.app.model.Pages[2].Caption = "Games";
  p.Slot(5, "C:\\tools\\edit.exe", "-e");
  p.Drawer(5, {"", "C:\\docs\\b.txt", "", ""});
  p.fake.commands.calls.clear();
  p.Gesture(5, OverCell(5), 0, MouseButton::Right, "Property");
  EXPECT_EQ(p.Captions(), (std::vector<std::string>{"Main", "Tools", "Games", "-", "b.txt", "-",
                                                    "親フォルダを開く(&F)", "プロパティ...(&R)",
                                                    "-", "ページ設定...(&G)"}));
  EXPECT_NE(std::find(p.fake.commands.calls.begin(), p.fake.commands.calls.end(),
                      "ShowButtonProperty(5)"),
            p.fake.commands.calls.end());
  EXPECT_EQ(p.app.form.MenuButtonIndex, 5);

  p.Gesture(5, OverCell(5), 0, MouseButton::Right, "DrawerWithButton");
  ASSERT_EQ(p.Launched().size(), 1u);
  EXPECT_EQ(p.Launched()[0].params, "-e C:\\docs\\b.txt");
  p.Gesture(5, OverCell(5), 0, MouseButton::Right, "ParentFolder");
  ASSERT_EQ(p.Launched().size(), 2u);
  EXPECT_EQ(p.Launched()[1].file, "C:\\tools");
  // An internal name lives in the program's folder: the folder holding that one opens.
  p.Slot(6, ",EXIT");
  p.Gesture(6, OverCell(6), 0, MouseButton::Right, "ParentFolder");
  ASSERT_EQ(p.Launched().size(), 3u);
  EXPECT_EQ(p.Launched()[2].file, "C:\\");
  p.fake.shell.executions.pop_back();
  // The page items exist only while the menu is up; the next one is built afresh.
  p.Gesture(5, OverCell(5), 0, MouseButton::Right);
  EXPECT_EQ(p.Captions()[2], "Games");
  EXPECT_EQ(p.Captions()[3], "-");

  // An empty slot: no separator for drawer items, the folder item greyed.
  p.Gesture(8, OverCell(8), 0, MouseButton::Right);
  EXPECT_EQ(p.Captions(),
            (std::vector<std::string>{"Main", "Tools", "Games", "-", "親フォルダを開く(&F)(off)",
                                      "プロパティ...(&R)", "-", "ページ設定...(&G)"}));
}

TEST(RightDragOntoTheShelf, DrawerItemsOpenedWithTheSelectedEntryAskFirst) {
  Panel p;
  p.app.model.StorageIsOpen = true;
  p.Slot(0, "C:\\x.exe");
  p.Drawer(0, {"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", ""});
  p.app.model.settings.MaxMultiExecute = 2;

  // Nothing selected: opening with the selected entry is offered greyed, and does nothing.
  p.Gesture(0, kOverShelf, 0, MouseButton::Right, "DrawerExecuteAll");
  EXPECT_EQ(p.Captions(), (std::vector<std::string>{
                              "ドローワのアイテムを登録(&D)", "すべて(&A)", "-", "a.txt", "b.txt",
                              "c.txt", "ボタンのアイテムを登録(&R)",
                              "ドローワのアイテムを関連付けで開く(&V)", "すべて(&A)", "-", "a.txt",
                              "b.txt", "c.txt", "ボタンのアイテムを関連付けで開く(&E)(off)"}));
  EXPECT_TRUE(p.Launched().empty());
  EXPECT_TRUE(p.fake.messageBox.shown.empty());

  p.fake.shelf.Add("C:\\viewer.exe", "viewer.exe");
  p.fake.shelf.entries[0].selected = true;
  p.fake.messageBox.Script(MbResult::Cancel);
  p.Gesture(0, kOverShelf, 0, MouseButton::Right, "DrawerExecuteAll");
  ASSERT_EQ(p.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(p.fake.messageBox.shown[0].text, "これら 3 個のファイルを開きますか？");
  EXPECT_EQ(p.fake.messageBox.shown[0].title, "起動の確認");
  EXPECT_EQ(p.fake.messageBox.shown[0].icon, MbIcon::Question);
  EXPECT_TRUE(p.Launched().empty()) << "Cancel launches none";

  p.app.model.settings.MaxMultiExecute = 3;
  p.Gesture(0, kOverShelf, 0, MouseButton::Right, "DrawerExecuteAll");
  EXPECT_EQ(p.fake.messageBox.shown.size(), 1u) << "three may go without asking";
  ASSERT_EQ(p.Launched().size(), 3u);
  EXPECT_EQ(p.Launched()[2].file, "C:\\viewer.exe");
  EXPECT_EQ(p.Launched()[2].params, "C:\\c.txt");
  EXPECT_GE(p.fake.system.pendingEventRuns, 2);

  p.Gesture(0, kOverShelf, 0, MouseButton::Right, "Register");
  EXPECT_EQ(p.fake.shelf.entries.back().key, "C:\\x.exe");
}

TEST(RightDragOntoTheRunBox, PathsOnlyForFiles) {
  Panel p;
  p.Slot(0, ",EXIT");
  p.At(0).ToolTip = "終わる";
  p.fake.commands.calls.clear();
  p.Gesture(0, kOverRun, 0, MouseButton::Right, "ToolTip");
  EXPECT_EQ(p.Captions(), (std::vector<std::string>{"ツールチップ(&T)", "ショートパス(&S)(off)",
                                                    "ロングパス(&G)(off)"}));
  EXPECT_NE(
      std::find(p.fake.commands.calls.begin(), p.fake.commands.calls.end(), "PutInRunBox(終わる)"),
      p.fake.commands.calls.end());
  p.Slot(1, "C:\\x.exe");
  p.Gesture(1, kOverRun, 0, MouseButton::Right);
  EXPECT_EQ(p.Captions()[1], "ショートパス(&S)");
}

}  // namespace
}  // namespace velmarin
