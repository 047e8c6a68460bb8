#include "storage/shelf.h"

#include <gtest/gtest.h>

#include <functional>

#include "launch/shelf_paths.h"
#include "launch/shelf_register.h"
#include "launch_test_support.h"
#include "shell/drag_events.h"
#include "shell/layout.h"
#include "shell/window_events.h"
#include "storage/bin_clipboard.h"
#include "storage/shelf_commands.h"
#include "storage/shelf_drop.h"
#include "storage/shelf_menu.h"

namespace velmarin {
namespace {

using namespace std::string_literals;

struct ShelfFixture : LaunchFixture {
  FakeShelfList& shelf = fake.shelf;

  ShelfFixture() {
    fake.controls.Place({ControlKind::Storage, 0}, {0, 56, 445, 102});
    app.form.BorderWidth = 1;
    app.model.StorageIsOpen = true;
  }
  void Put(const std::string& item, bool selected = false) {
    AddToShelf(app, item);
    shelf.entries.back().selected = selected;
  }
  void Click(const std::string& key, int shift = 0, MouseButton button = MouseButton::Left) {
    // The press is heard before the list moves its focus to the entry clicked.
    OnControlMouse(app, {MouseAction::Press, {ControlKind::Storage, 0}, button, shift, 5, 5});
    for (int i = 0; i < shelf.Count(); ++i) {
      if (shelf.Key(i) == key) shelf.focused = i;
    }
    OnControlMouse(app, {MouseAction::Release, {ControlKind::Storage, 0}, button, shift, 5, 5});
  }
  void Toggle() {
    OnControlMouse(app, {MouseAction::Press, {ControlKind::StorageOpen, 0}});
    OnControlMouse(app, {MouseAction::Release, {ControlKind::StorageOpen, 0}});
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const auto& e : shelf.entries) keys.push_back(e.key);
    return keys;
  }
  std::vector<std::string> Launched() const {
    std::vector<std::string> what;
    for (const auto& e : fake.shell.executions) what.push_back(e.file + " | " + e.params);
    return what;
  }
};

TEST(ShelfOpening, ToggleDragAndDoubleClickOpenAndClose) {
  ShelfFixture f;
  f.app.model.StorageIsOpen = false;
  PushButton& toggle = f.app.form.pushButtons[kStorageOpenIndex];
  f.Toggle();
  EXPECT_TRUE(f.app.model.StorageIsOpen);
  EXPECT_TRUE(f.app.model.settings.options.SavedStorageOpen);
  EXPECT_TRUE(f.shelf.enabled);
  EXPECT_EQ(toggle.Value(), 1);
  EXPECT_EQ(f.fake.system.outer.height, 56 + 102 + 2);

  // Pressed, then released off the toggle: nothing changes, the toggle is drawn as before.
  f.fake.system.cursorOver = false;
  f.Toggle();
  EXPECT_TRUE(f.app.model.StorageIsOpen);
  EXPECT_TRUE(toggle.Pushed());
  f.fake.system.cursorOver = true;

  f.Toggle();
  EXPECT_FALSE(f.app.model.StorageIsOpen);
  EXPECT_FALSE(f.app.model.settings.options.SavedStorageOpen);
  EXPECT_FALSE(f.shelf.enabled);
  EXPECT_EQ(f.fake.system.outer.height, 56 + 2 - 1);

  // A drag passing over the closed toggle opens the shelf before anything is dropped.
  DragEvent over;
  over.action = DragAction::Over;
  over.control = {ControlKind::StorageOpen, 0};
  over.files = {"C:\\a.txt"};
  EXPECT_EQ(OnControlDrag(f.app, over), DropEffect::None);
  EXPECT_TRUE(f.app.model.StorageIsOpen);
  const int moves = f.fake.system.moves;
  OnControlDrag(f.app, over);
  EXPECT_EQ(f.fake.system.moves, moves) << "an open shelf stays as it is";

  // A double click on the empty background closes only with the option.
  OnControlMouse(f.app, {MouseAction::DoubleClick, {ControlKind::Storage, 0}});
  EXPECT_TRUE(f.app.model.StorageIsOpen);
  f.app.model.settings.options.StorageDblClickClose = true;
  OnControlMouse(f.app, {MouseAction::DoubleClick, {ControlKind::Storage, 0}});
  EXPECT_FALSE(f.app.model.StorageIsOpen);
  EXPECT_TRUE(f.fake.shell.executions.empty());
}

TEST(ShelfSelection, ToolTipFollowsPlainClicksOnly) {
  ShelfFixture f;
  f.fake.files.AddFile("C:\\a.txt");
  f.fake.files.AddFile("C:\\b.txt");
  f.fake.files.AddFile("C:\\c.txt");
  f.Put("C:\\a.txt");
  f.Put("C:\\b.txt");
  f.Put("C:\\c.txt");
  f.Click("C:\\a.txt");
  EXPECT_EQ(f.shelf.toolTip, "C:\\a.txt");
  f.Click("C:\\b.txt", kShiftMask);
  EXPECT_EQ(f.shelf.toolTip, "C:\\a.txt");
  f.Click("C:\\c.txt", kShiftMask | kCtrlMask);  // neither Shift alone nor Ctrl alone
  EXPECT_EQ(f.shelf.toolTip, "C:\\c.txt");
}

TEST(ShelfSelection, CountDeleteAndDoubleClickLaunch) {
  ShelfFixture f;
  EXPECT_EQ(CountSelected(f.app), 0);
  f.Put("C:\\x\\one.txt", true);
  f.Put(",BEEP", true);
  f.Put("C:\\x\\three.txt", true);
  EXPECT_EQ(CountSelected(f.app), 0) << "no focused entry";
  f.shelf.focused = 2;
  EXPECT_EQ(CountSelected(f.app), 3);

  f.app.model.settings.options.StorageDblClickExecute = true;
  Storage_DblClick(f.app);
  EXPECT_EQ(f.Launched(), std::vector<std::string>{"C:\\x\\three.txt | "});

  sDeleteSelected(f.app);
  EXPECT_TRUE(f.shelf.entries.empty());
  EXPECT_EQ(f.shelf.toolTip, "");
}

TEST(ShelfMenu, FileCommandsGreyForInternalNamesAndMissingFiles) {
  ShelfFixture f;
  f.fake.files.AddFile("C:\\a.txt");
  f.Put(",BEEP", true);
  f.Put("C:\\gone.txt", true);
  f.Put("C:\\a.txt", true);
  for (const std::string key : {",BEEP", "C:\\gone.txt"}) {
    const Menu menu = PrepareShelfMenu(f.app, key);
    for (const MenuItem& item : menu) {
      EXPECT_TRUE(item.submenu.empty()) << "no send-to for " << key;
      const bool file = item.result == "Cut" || item.result == "Copy" ||
                        item.result == "Shortcut" || item.result == "Delete" ||
                        item.result == "Rename" || item.result == "Property";
      if (!item.separator) {
        EXPECT_EQ(item.enabled, !file) << key << " " << item.result;
      }
    }
  }
  const Menu menu = PrepareShelfMenu(f.app, "C:\\a.txt");
  ASSERT_EQ(menu.size(), 15u);
  EXPECT_EQ(menu[5].caption, "送る(&S)");
  ASSERT_EQ(menu[5].submenu.size(), 1u);
  EXPECT_EQ(menu[5].submenu[0].caption, "(Empty)");
  EXPECT_FALSE(menu[5].submenu[0].enabled);

  // Nothing selected: no menu at all.
  for (auto& e : f.shelf.entries) e.selected = false;
  f.Click("C:\\a.txt", 0, MouseButton::Right);
  f.shelf.entries[2].selected = false;
  EXPECT_TRUE(f.fake.popupMenu.shown.empty());
}

TEST(ShelfMenu, SendToListsShortcutsByNameNumberedAndSendsEachEntryQuoted) {
  ShelfFixture f;
  f.app.model.settings.options.MenuNumbers = true;
  const std::string names[] = {"k", "B", "c", "D", "e", "f", "g", "h", "i", "j", "A"};
  for (const std::string& n : names) f.fake.files.AddFile("C:\\Users\\me\\SendTo\\" + n + ".lnk");
  f.fake.files.AddFile("C:\\Users\\me\\SendTo\\hidden.lnk", "", Attr::kHidden);
  f.fake.files.AddFile("C:\\Users\\me\\SendTo\\notes.txt");
  const Menu sendTo = BuildSendToMenu(f.app);
  ASSERT_EQ(sendTo.size(), 11u);
  EXPECT_EQ(sendTo[0].caption, "&1 A");
  EXPECT_EQ(sendTo[1].caption, "&2 B");
  EXPECT_EQ(sendTo[8].caption, "&9 i");
  EXPECT_EQ(sendTo[9].caption, "&0 j");
  EXPECT_EQ(sendTo[10].caption, "&1 k");

  f.fake.files.AddFile("C:\\My Files\\a b.txt");
  f.fake.files.AddFile("C:\\c.txt");
  f.Put("C:\\My Files\\a b.txt", true);
  f.Put("C:\\c.txt", true);
  f.fake.popupMenu.Script("SendTo");  // the first send-to item
  f.Click("C:\\c.txt", 0, MouseButton::Right);
  EXPECT_EQ(f.Launched(),
            (std::vector<std::string>{"C:\\Users\\me\\SendTo\\A.lnk | \"C:\\My Files\\a b.txt\"",
                                      "C:\\Users\\me\\SendTo\\A.lnk | C:\\c.txt"}));
  EXPECT_EQ(f.app.form.MenuResult, "");

  // Above the limit it asks first, whether or not the shelf opens many entries at once.
  f.fake.shell.executions.clear();
  f.app.model.settings.MaxMultiExecute = 1;
  f.app.model.settings.options.StorageMultiExecute = false;
  f.fake.messageBox.shown.clear();
  f.fake.messageBox.Script(MbResult::Cancel);
  f.fake.popupMenu.Script("SendTo");
  f.Click("C:\\c.txt", 0, MouseButton::Right);
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.messageBox.shown[0].text, "これら 2 個のファイルを開きますか？");
  EXPECT_TRUE(f.fake.shell.executions.empty());
}

TEST(ShelfCommands, ExecuteAsksAboveTheLimitOnlyWithMultiExecute) {
  ShelfFixture f;
  f.app.model.settings.MaxMultiExecute = 4;
  for (int i = 0; i < 5; ++i) f.Put("C:\\f" + std::to_string(i) + ".txt", true);
  f.shelf.focused = 1;
  f.app.model.settings.options.StorageMultiExecute = true;
  f.fake.messageBox.Script(MbResult::Cancel);
  RunShelfCommand(f.app, "Execute", 0);
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.messageBox.shown[0].text, "これら 5 個のファイルを開きますか？");
  EXPECT_EQ(f.fake.messageBox.shown[0].title, "起動の確認");
  EXPECT_TRUE(f.fake.shell.executions.empty());

  f.shelf.entries[4].selected = false;
  RunShelfCommand(f.app, "Execute", 0);
  EXPECT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions.size(), 4u);
  EXPECT_EQ(f.fake.system.pendingEventRuns, 4);

  f.fake.shell.executions.clear();
  f.shelf.entries[4].selected = true;
  f.app.model.settings.options.StorageMultiExecute = false;
  RunShelfCommand(f.app, "Execute", 0);
  EXPECT_EQ(f.Launched(), std::vector<std::string>{"C:\\f1.txt | "});
  EXPECT_EQ(f.fake.messageBox.shown.size(), 1u);
}

TEST(ShelfCommands, CopyAndCutWriteTheFileListLastEntryFirst) {
  ShelfFixture f;
  f.fake.files.SetDriveType('E', DriveType::Fixed);
  f.fake.files.AddFile("E:\\a");
  f.fake.files.AddFile("E:\\b");
  f.Put("E:\\a", true);
  f.Put("E:\\b", true);
  f.shelf.focused = 0;
  RunShelfCommand(f.app, "Copy", 0);
  const std::string expected =
      "\x14\0\0\0"s + std::string(12, '\0') + "\0\0\0\0"s + "E:\\b\0E:\\a\0\0\0"s;
  ASSERT_TRUE(f.fake.clipboard.fileList);
  EXPECT_EQ(f.fake.clipboard.fileList->size(), 32u);
  EXPECT_EQ(*f.fake.clipboard.fileList, expected);
  EXPECT_EQ(f.fake.clipboard.named.at("Preferred DropEffect"), "\x01\0\0\0"s);
  EXPECT_EQ(f.shelf.entries.size(), 2u);

  f.fake.files.AddFile("E:\\c");
  f.Put("E:\\gone", true);
  f.Put("E:\\c", true);
  // Another program holds the clipboard: a beep, and the shelf and the old list stay.
  f.fake.clipboard.heldByAnother = true;
  RunShelfCommand(f.app, "Copy", 0);
  EXPECT_EQ(f.fake.shell.beeps, 1);
  RunShelfCommand(f.app, "Cut", 0);
  EXPECT_EQ(f.fake.shell.beeps, 2);
  EXPECT_EQ(f.Keys(), (std::vector<std::string>{"E:\\a", "E:\\b", "E:\\gone", "E:\\c"}));
  EXPECT_EQ(*f.fake.clipboard.fileList, expected);
  f.fake.clipboard.heldByAnother = false;
  RunShelfCommand(f.app, "Cut", 0);
  EXPECT_EQ(*f.fake.clipboard.fileList,
            "\x14\0\0\0"s + std::string(16, '\0') + "E:\\c\0E:\\b\0E:\\a\0\0\0"s);
  EXPECT_EQ(f.fake.clipboard.named.at("Preferred DropEffect"), "\x02\0\0\0"s);
  EXPECT_EQ(f.Keys(), std::vector<std::string>{"E:\\gone"});
  EXPECT_TRUE(f.shelf.entries[0].selected);
}

TEST(ShelfCommands, AFileListThatTheCodePageCannotHoldIsWrittenWide) {
  ShelfFixture f;
  // "é" and "ü" have no form in code page 932; "日" has.
  EXPECT_EQ(FileDropBlock(f.app, {"C:\\日"}),
            "\x14\0\0\0"s + std::string(16, '\0') + "C:\\\x93\xfa\0\0\0"s);
  const std::string wide = FileDropBlock(f.app, {"C:\\é"});
  EXPECT_EQ(wide, "\x14\0\0\0"s + std::string(12, '\0') + "\x01\0\0\0"s +
                      "C\0:\0\\\0\xe9\0\0\0\0\0\0\0"s);
}

TEST(ShelfCommands, DeleteTakesOffOnlyWhatIsGone) {
  ShelfFixture f;
  f.fake.files.AddFile("C:\\a.txt");
  f.fake.files.AddFile("C:\\b.txt");
  f.Put(",BEEP", true);
  f.Put("C:\\a.txt", true);
  f.Put("C:\\b.txt", true);
  f.Put("C:\\gone.txt", true);  // its file went before the delete
  f.shelf.focused = 2;
  // The user declines the shell's question: what still exists stays; what is gone leaves.
  RunShelfCommand(f.app, "Delete", 0);
  ASSERT_EQ(f.fake.shell.deletions.size(), 1u);
  EXPECT_EQ(f.fake.shell.deletions[0], (std::vector<std::string>{"C:\\b.txt", "C:\\a.txt"}));
  EXPECT_EQ(f.Keys(), (std::vector<std::string>{",BEEP", "C:\\a.txt", "C:\\b.txt"}));
  EXPECT_FALSE(f.shelf.entries[0].selected) << "an internal name is deselected";
  EXPECT_TRUE(f.shelf.enabled);

  f.fake.shell.whenDeleting = [&](const std::vector<std::string>& paths) {
    for (const auto& p : paths) f.fake.files.Remove(p);
  };
  f.shelf.entries[0].selected = true;
  RunShelfCommand(f.app, "Delete", 0);
  EXPECT_EQ(f.Keys(), std::vector<std::string>{",BEEP"});
  EXPECT_FALSE(f.fake.files.Exists("C:\\a.txt"));
  EXPECT_EQ(f.shelf.toolTip, "");
}

TEST(ShelfCommands, RenameRenamesOnDiskOrRestoresTheLabel) {
  ShelfFixture f;
  f.fake.files.AddFile("C:\\work\\old.txt");
  f.fake.files.AddFile("C:\\work\\taken.txt");
  f.Put("C:\\work\\old.txt", true);
  f.shelf.focused = 0;
  RunShelfCommand(f.app, "Rename", 0);
  EXPECT_EQ(f.shelf.editing, 0);

  for (const std::string bad : {"", "sub\\new.txt", "..//x"}) {
    EXPECT_FALSE(Storage_AfterLabelEdit(f.app, bad)) << bad;
  }
  EXPECT_EQ(f.fake.shell.beeps, 3);
  EXPECT_TRUE(f.fake.messageBox.shown.empty());

  EXPECT_FALSE(Storage_AfterLabelEdit(f.app, "taken.txt"));
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.messageBox.shown[0].text, "C:\\work\\taken.txt は既に存在しています。");
  EXPECT_EQ(f.fake.messageBox.shown[0].title, "名前の変更のエラー");

  EXPECT_TRUE(Storage_AfterLabelEdit(f.app, "new.txt"));
  EXPECT_TRUE(f.fake.files.Exists("C:\\work\\new.txt"));
  EXPECT_FALSE(f.fake.files.Exists("C:\\work\\old.txt"));
  EXPECT_EQ(f.Keys(), std::vector<std::string>{"C:\\work\\new.txt"});

  f.fake.files.Remove("C:\\work\\new.txt");
  EXPECT_FALSE(Storage_AfterLabelEdit(f.app, "again.txt")) << "the file is gone";
}

TEST(ShelfCommands, ShortcutOnTheDesktopJoinsTheShelfAndFailsLoudly) {
  ShelfFixture f;
  f.fake.files.AddFile("C:\\Tools\\ed.exe");
  f.Put("C:\\Tools\\ed.exe", true);
  f.shelf.focused = 0;
  RunShelfCommand(f.app, "Shortcut", 0);
  ASSERT_EQ(f.fake.shell.links.size(), 1u);
  const ShellLink& link = f.fake.shell.links[0];
  EXPECT_EQ(link.linkFile, "C:\\Users\\me\\Desktop\\ed.lnk");
  EXPECT_EQ(link.target, "C:\\Tools\\ed.exe");
  EXPECT_EQ(link.iconFile, "C:\\Tools\\ed.exe");
  EXPECT_EQ(f.Keys(),
            (std::vector<std::string>{"C:\\Tools\\ed.exe", "C:\\Users\\me\\Desktop\\ed.lnk"}));

  f.fake.shell.linksFail = true;
  RunShelfCommand(f.app, "Shortcut", 0);
  EXPECT_EQ(f.fake.shell.links.size(), 3u) << "the second way was tried";
  EXPECT_EQ(f.fake.shell.links[2].workDir, "C:\\Tools");
  EXPECT_EQ(f.fake.shell.links[2].showCmd, 4) << "the second way's own window style";
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.messageBox.shown[0].title, "ショートカット作成エラー");
  EXPECT_EQ(f.fake.shell.beeps, 1);

  f.fake.shell.propertiesFailure = "no sheet";
  RunShelfCommand(f.app, "Property", 0);
  EXPECT_EQ(f.fake.shell.properties, std::vector<std::string>{"C:\\Tools\\ed.exe"});
  EXPECT_EQ(f.fake.messageBox.shown.back().text, "no sheet");

  // No desktop folder: nothing is written at the drive's root, and the user is told.
  f.fake.shell.linksFail = false;
  f.fake.shell.desktop.reset();
  f.fake.shell.links.clear();
  RunShelfCommand(f.app, "Shortcut", 0);
  EXPECT_TRUE(f.fake.shell.links.empty());
  EXPECT_EQ(f.fake.messageBox.shown.back().title, "ショートカット作成エラー");
  EXPECT_EQ(f.Keys().size(), 2u);
}

// A shortcut never replaces a file on the desktop; a root is named by its drive letter or share.
TEST(ShelfCommands, ShortcutTakesTheNextFreeName) {
  struct Case {
    std::string entry;
    std::vector<std::string> onDesktop;
    std::string link;
  };
  const std::string desk = "C:\\Users\\me\\Desktop\\";
  const Case cases[] = {
      {"C:\\Tools\\ed.exe", {"ed (2).lnk"}, "ed.lnk"},
      {"C:\\Tools\\ed.exe", {"ed.lnk", "ed (2).lnk", "ed (4).lnk"}, "ed (3).lnk"},
      {desk + "ed.lnk", {"ed.lnk"}, "ed (2).lnk"},  // the entry is itself on the desktop
      {"C:\\Tools\\.profile", {}, ".profile.lnk"},
      {"D:\\", {"D.lnk"}, "D (2).lnk"},
      {"\\\\server\\share", {}, "share.lnk"},
  };
  for (const Case& c : cases) {
    ShelfFixture f;
    f.fake.files.AddFolder("D:\\");
    f.fake.files.AddFolder("\\\\server\\share");
    f.fake.files.AddFile("C:\\Tools\\ed.exe");
    f.fake.files.AddFile("C:\\Tools\\.profile");
    for (const std::string& name : c.onDesktop) f.fake.files.AddFile(desk + name);
    f.Put(c.entry, true);
    f.shelf.focused = 0;
    RunShelfCommand(f.app, "Shortcut", 0);
    ASSERT_EQ(f.fake.shell.links.size(), 1u) << c.entry;
    EXPECT_EQ(f.fake.shell.links[0].linkFile, desk + c.link) << c.entry;
    EXPECT_EQ(f.Keys().back(), desk + c.link) << c.entry;
  }
}

TEST(ShelfPaths, LongShortAndParentForms) {
  ShelfFixture f;
  f.fake.files.SetDriveType('E', DriveType::Fixed);
  f.fake.files.AddFolder("C:\\Program Files\\Long Folder");
  f.fake.files.SetShortName("C:\\Program Files\\Long Folder", "C:\\PROGRA~1\\LONGFO~1");
  EXPECT_EQ(ToLongPath(f.app, "C:\\PROGRA~1\\LONGFO~1\\"), "C:\\Program Files\\Long Folder");
  EXPECT_EQ(ToShortPath(f.app, "C:\\Program Files\\Long Folder"), "C:\\PROGRA~1\\LONGFO~1");
  for (const std::string same : {"", "C:\\", "E:", ",BEEP", "C:\\no\\such"}) {
    EXPECT_EQ(ToLongPath(f.app, same), same);
    EXPECT_EQ(ToShortPath(f.app, same), same);
  }
  EXPECT_EQ(ParentFolderOf(f.app, ",BEEP"), "C:\\velmarin");
  EXPECT_EQ(ParentFolderOf(f.app, "C:\\a\\b.txt"), "C:\\a");
  EXPECT_EQ(ParentFolderOf(f.app, "C:\\a\\b\\"), "C:\\a");
  EXPECT_EQ(ParentFolderOf(f.app, "C:\\a"), "C:\\");
  EXPECT_EQ(ParentFolderOf(f.app, "C:\\"), "C:\\");
  EXPECT_EQ(ParentFolderOf(f.app, "\\\\srv\\share\\x"), "\\\\srv\\share");
  EXPECT_EQ(ParentFolderOf(f.app, "\\\\srv\\share"), "C:\\velmarin");

  std::vector<std::string> list{"C:\\z\\b.lnk", "D:\\A.lnk", "C:\\y\\B.lnk", "C:\\a.lnk"};
  SortByFileName(f.app, list);
  EXPECT_EQ(list,
            (std::vector<std::string>{"D:\\A.lnk", "C:\\a.lnk", "C:\\z\\b.lnk", "C:\\y\\B.lnk"}));
}

DragEvent DropOnShelf(std::vector<std::string> files, int buttons) {
  DragEvent drop;
  drop.action = DragAction::Drop;
  drop.control = {ControlKind::Storage, 0};
  drop.buttons = buttons;
  drop.files = std::move(files);
  return drop;
}

TEST(ShelfDrop, LeftDropAddsRightDropAsks) {
  ShelfFixture f;
  EXPECT_EQ(OnControlDrag(f.app, DropOnShelf({"C:\\1", "C:\\2", "C:\\3"}, kDragLeftButton)),
            DropEffect::Copy);
  EXPECT_EQ(f.Keys(), (std::vector<std::string>{"C:\\1", "C:\\2", "C:\\3"}));
  OnControlDrag(f.app, DropOnShelf({"C:\\2"}, kDragLeftButton));
  EXPECT_EQ(f.shelf.Count(), 3);

  // Nothing selected: only "register" can be chosen; a dismissed menu still refreshes the tip.
  OnControlDrag(f.app, DropOnShelf({"C:\\4"}, kDragRightButton));
  ASSERT_EQ(f.fake.popupMenu.shown.size(), 1u);
  const Menu& menu = f.fake.popupMenu.shown[0];
  EXPECT_TRUE(menu[0].enabled);
  EXPECT_FALSE(menu[1].enabled);
  EXPECT_FALSE(menu[2].enabled);
  EXPECT_EQ(f.shelf.Count(), 3);

  // Both buttons held: neither a left nor a right drop; nothing is added and nothing asked.
  f.fake.popupMenu.shown.clear();
  OnControlDrag(f.app, DropOnShelf({"C:\\4"}, kDragLeftButton | kDragRightButton));
  EXPECT_TRUE(f.fake.popupMenu.shown.empty());
  EXPECT_EQ(f.shelf.Count(), 3);

  f.shelf.entries[1].selected = true;
  f.shelf.focused = 1;
  f.shelf.toolTip = "";
  f.fake.popupMenu.Script("SExecute");
  OnControlDrag(f.app, DropOnShelf({"C:\\p.exe", "C:\\q.exe"}, kDragRightButton));
  ASSERT_EQ(f.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(f.fake.messageBox.shown[0].title, "ドロップされたファイルが多すぎます");
  EXPECT_TRUE(f.fake.shell.executions.empty());
  EXPECT_EQ(f.shelf.toolTip, "C:\\2");

  f.fake.popupMenu.Script("Register");
  OnControlDrag(f.app, DropOnShelf({"C:\\4"}, kDragRightButton));
  EXPECT_EQ(f.shelf.Count(), 4);
  EXPECT_EQ(f.app.form.MenuResult, "");

  // A closed shelf takes nothing.
  f.app.model.StorageIsOpen = false;
  EXPECT_EQ(OnControlDrag(f.app, DropOnShelf({"C:\\5"}, kDragLeftButton)), DropEffect::None);
  EXPECT_EQ(f.shelf.Count(), 4);
}

TEST(ShelfDrop, OpenWithQuotesPathsWithSpacesAndAsksAboveTheLimit) {
  ShelfFixture f;
  f.app.model.settings.MaxMultiExecute = 4;
  f.fake.files.AddFile("C:\\Tools\\ed.exe");
  f.Put("C:\\Tools\\ed.exe", true);
  f.Put(",BEEP", true);
  f.Put("C:\\My Docs\\a.txt", true);
  f.shelf.focused = 0;

  f.fake.popupMenu.Script("DExecute");
  f.fake.messageBox.Script(MbResult::Cancel);
  OnControlDrag(f.app, DropOnShelf({"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5"}, 2));
  EXPECT_EQ(f.fake.messageBox.shown.back().text, "これら 5 個のファイルを開きますか？");
  EXPECT_TRUE(f.fake.shell.executions.empty());

  f.fake.popupMenu.Script("DExecute");
  OnControlDrag(f.app, DropOnShelf({"C:\\1", "C:\\a b\\2"}, 2));
  EXPECT_EQ(f.Launched(), (std::vector<std::string>{"C:\\Tools\\ed.exe | C:\\1",
                                                    "C:\\Tools\\ed.exe | \"C:\\a b\\2\""}));
  EXPECT_EQ(f.fake.messageBox.shown.size(), 1u);

  f.fake.shell.executions.clear();
  f.app.model.settings.options.StorageMultiExecute = true;
  f.fake.popupMenu.Script("SExecute");
  OnControlDrag(f.app, DropOnShelf({"C:\\View er\\v.exe"}, 2));
  EXPECT_EQ(f.Launched(),
            (std::vector<std::string>{"C:\\View er\\v.exe | C:\\Tools\\ed.exe",
                                      "C:\\View er\\v.exe | \"C:\\My Docs\\a.txt\""}));

  // One at a time, with an internal name focused: nothing starts.
  f.fake.shell.executions.clear();
  f.app.model.settings.options.StorageMultiExecute = false;
  f.shelf.focused = 1;
  f.fake.popupMenu.Script("SExecute");
  OnControlDrag(f.app, DropOnShelf({"C:\\View er\\v.exe"}, 2));
  EXPECT_TRUE(f.fake.shell.executions.empty());
}

TEST(ShelfDrop, AltPressDragsOutOnlyExistingFilesOnceTheMouseMoves) {
  ShelfFixture f;
  f.app.model.settings.options.StorageNotifyDuplicate = true;
  f.fake.files.AddFile("C:\\here.txt");
  f.Put("C:\\here.txt", true);
  f.Put("C:\\gone.txt", true);
  f.Put(",BEEP", true);
  f.Put("C:\\unselected.txt");
  f.fake.files.AddFile("C:\\unselected.txt");
  f.shelf.focused = 0;
  const ControlId list{ControlKind::Storage, 0};
  // An Alt-click, however slightly the mouse moved, drags nothing.
  OnControlMouse(f.app, {MouseAction::Press, list, MouseButton::Left, kAltMask, 20, 10});
  OnControlMouse(f.app, {MouseAction::Move, list, MouseButton::Left, kAltMask, 24, 6});
  OnControlMouse(f.app, {MouseAction::Release, list, MouseButton::Left, kAltMask, 24, 6});
  EXPECT_TRUE(f.fake.system.draggedOut.empty());

  // Moved further, the selection goes out; let go over the shelf again, nothing is added and
  // nothing is said about entries already there.
  DropEffect back = DropEffect::Copy;
  f.fake.system.whileDragging = [&] {
    back = OnControlDrag(f.app, DropOnShelf({"C:\\here.txt"}, 1));
  };
  OnControlMouse(f.app, {MouseAction::Press, list, MouseButton::Left, kAltMask, 20, 10});
  OnControlMouse(f.app, {MouseAction::Move, list, MouseButton::Left, kAltMask, 20, 15});
  ASSERT_EQ(f.fake.system.draggedOut.size(), 1u);
  EXPECT_EQ(f.fake.system.draggedOut[0], std::vector<std::string>{"C:\\here.txt"});
  EXPECT_EQ(back, DropEffect::None);
  EXPECT_EQ(f.shelf.Count(), 4);
  EXPECT_TRUE(f.fake.messageBox.shown.empty());
}

TEST(ShelfOpening, ClosingHandsTheKeyboardToTheRunBoxAndDragsToTheToggle) {
  ShelfFixture f;
  f.app.model.settings.options.StorageDblClickClose = true;
  bool& toggleTakesDrags = f.fake.controls.controls[{ControlKind::StorageOpen, 0}].acceptsDrops;
  // The keyboard in the list: every way of closing hands it to the Run box, and lets a drag over
  // the toggle open the shelf again. The settings dialog's new layout closes the shelf when its
  // state is not kept.
  const std::function<void()> closings[] = {
      [&] { f.Toggle(); },
      [&] {
        OnControlMouse(f.app, {MouseAction::DoubleClick, {ControlKind::Storage, 0}});
      },
      [&] { Shape(f.app, false); },
  };
  for (const auto& close : closings) {
    OpenShelf(f.app);
    EXPECT_FALSE(toggleTakesDrags);
    f.shelf.hasKeyboard = true;
    const int before = f.fake.runList.focusCount;
    close();
    EXPECT_FALSE(f.app.model.StorageIsOpen);
    EXPECT_EQ(f.fake.runList.focusCount, before + 1);
    EXPECT_TRUE(toggleTakesDrags);
  }
  // With the keyboard elsewhere, closing leaves it there.
  OpenShelf(f.app);
  f.Toggle();
  EXPECT_FALSE(f.app.model.StorageIsOpen);
  EXPECT_EQ(f.fake.runList.focusCount, 3);
}

}  // namespace
}  // namespace velmarin
