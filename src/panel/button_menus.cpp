#include "panel/button_menus.h"

#include "core/guarded.h"
#include "core/menu.h"
#include "launch/execute.h"
#include "launch/names.h"
#include "launch/shelf_paths.h"
#include "launch/shelf_register.h"
#include "panel/button_drop.h"
#include "panel/button_edit.h"
#include "panel/button_paint.h"
#include "panel/draw_icon.h"
#include "panel/drawer_menus.h"
#include "panel/gesture_support.h"
#include "panel/pages.h"

namespace velmarin {

namespace {

// Shows one of the row's menus as it is now; the choice is left in MenuResult and
// MenuResultIndex.
void ShowMenu(App& app, const MenuEntries& menu) { ShowPopupMenu(app, VisibleMenu(menu)); }

const std::string& Result(const App& app) { return app.form.MenuResult; }

// The drawer slot the chosen item stands for, or nullptr.
const std::string* ChosenSlot(App& app, const Button& button) {
  const int slot = app.form.MenuResultIndex;
  if (slot < 0 || slot >= DrawerSlots(app)) return nullptr;
  return &button.Drawer[static_cast<size_t>(slot)];
}

void RedrawCell(App& app, int index) {
  Button* button = ButtonAt(app, index);
  if (!button) return;
  const ControlId cell{ControlKind::Picture1, index};
  int16_t up = 1;
  Guarded([&] { PaintButtonBase(app, cell, up); });
  Guarded([&] {
    MyDrawIcon(app, button->Path, static_cast<int16_t>(index), 2, 2, cell, button->IconIndex,
               button->IconFile, true);
  });
}

// A right drag onto the open shelf: the button's item or drawer items go onto the shelf, or are
// opened with the selected shelf entry.
void ShelfDrag(App& app, Button& source) {
  const std::string selected = SelectedShelfKey(app);
  BuildShelfDragMenu(app, source, !selected.empty());
  ShowMenu(app, Menus(app).StorageDR);
  EnableEntry(Menus(app).StorageDR, "StorageDRExecute", true);
  const std::string& result = Result(app);
  const int slots = DrawerSlots(app);
  if (result == "DrawerAll") {
    for (int k = 0; k < slots; ++k) AddToShelf(app, source.Drawer[static_cast<size_t>(k)]);
  } else if (result == "DrawerItem") {
    if (const std::string* item = ChosenSlot(app, source)) AddToShelf(app, *item);
  } else if (result == "Register") {
    AddToShelf(app, source.Path);
  } else if (selected.empty()) {
    // The rest opens items with the selected entry.
  } else if (result == "DrawerExecute") {
    if (const std::string* item = ChosenSlot(app, source)) {
      LaunchStringWithPath(app, selected, *item);
    }
  } else if (result == "DDItemExecute") {
    LaunchStringWithPath(app, selected, source.Path);
  } else if (result == "DrawerExecuteAll") {
    std::vector<std::string> items;
    for (int k = 0; k < slots; ++k) {
      if (!source.Drawer[static_cast<size_t>(k)].empty()) {
        items.push_back(source.Drawer[static_cast<size_t>(k)]);
      }
    }
    if (!ConfirmMultiLaunch(app, static_cast<int>(items.size()))) return;
    for (const std::string& item : items) {
      LaunchStringWithPath(app, selected, item);
      if (app.platform.system) app.platform.system->LetPendingEventsRun();
    }
  }
}

// A right drag onto the Run box: the tool tip, the short or the long path goes into the box.
void RunDrag(App& app, const Button& source) {
  MenuEntries& menu = Menus(app).RunDR;
  const bool internal = isVelmName(app, source.Path);
  EnableEntry(menu, "RunDRShortPath", !internal);
  EnableEntry(menu, "RunDRLongPath", !internal);
  ShowMenu(app, menu);
  EnableEntry(menu, "RunDRShortPath", true);
  EnableEntry(menu, "RunDRLongPath", true);
  const std::string result = Result(app);
  ClearMenuResult(app);
  std::string text;
  if (result == "ToolTip") {
    text = source.ToolTip;
  } else if (result == "ShortPath") {
    text = QuotedWhenSpaced(ToShortPath(app, source.Path));
  } else if (result == "LongPath") {
    text = QuotedWhenSpaced(ToLongPath(app, source.Path));
  }
  if (!text.empty()) app.Commands().PutInRunBox(text);
}

// The folder that holds the button's item; an internal name lives in the program's folder, so
// for one the folder that holds the program's folder opens.
void OpenParentFolder(App& app, const Button& button) {
  std::string item = button.Path;
  if (isVelmName(app, item) && app.platform.files) item = app.platform.files->ProgramFolder();
  const std::string folder = ParentFolderOf(app, item);
  if (folder.empty()) return;
  Button parts;
  parts.Path = folder;
  SetPathParts(app, parts);
  std::string verb = "open";
  int16_t showCmd = 0;
  ExecuteItem(app, folder, parts.FileName, parts.Extension, verb, showCmd, "");
}

// A right click on a cell: its context menu with the pages, the drawer items opened with the
// button's program, the parent folder and the property dialogs.
void ContextMenu(App& app, int index) {
  Button* button = ButtonAt(app, index);
  if (!button) return;
  Guarded([&] { RepaintButton(app, index); });
  BuildButtonMenu(app, *button);
  app.form.MenuButtonIndex = static_cast<int16_t>(index);
  Guarded([&] { ShowMenu(app, Menus(app).PGroupsProperty); });
  RemovePageItems(app);
  const std::string result = Result(app);
  const int chosen = app.form.MenuResultIndex;
  if (result == "DrawerWithButton") {
    if (const std::string* item = ChosenSlot(app, *button); item && !item->empty()) {
      LaunchButtonWithPath(app, *button, *item);
    }
  } else if (result == "GroupItem") {
    PageChange(app, chosen, false, false);
  } else if (result == "ParentFolder") {
    OpenParentFolder(app, *button);
  } else if (result == "Property") {
    app.Commands().ShowButtonProperty(app.form.MenuButtonIndex);
  } else if (result == "PageProperty") {
    app.Commands().ShowPageProperty();
  }
}

// A right drag from one cell onto another: open, swap, insert, move or copy.
void CellDrag(App& app, Button& source, int targetIndex) {
  Button* target = ButtonAt(app, targetIndex);
  Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!target || !page) return;
  BuildDragMenu(app, source);
  Guarded([&] { ShowMenu(app, Menus(app).PReplaceMoveCopyCancel); });
  const std::string& result = Result(app);
  if (result == "Button") {
    LaunchButtonWithPath(app, *target, source.Path);
  } else if (result == "DrawerItem") {
    if (const std::string* item = ChosenSlot(app, source); item && !item->empty()) {
      LaunchButtonWithPath(app, *target, *item);
    }
  } else if (result == "Replace") {
    SwapButtons(app, *target, source);
  } else if (result == "Move") {
    MoveButton(app, source, *target);
  } else if (result == "Insert") {
    InsertButton(app, *page, app.panel.PressedIndex, targetIndex);
  } else if (result == "Copy") {
    CopyButton(app, source, *target);
  }
  RedrawCell(app, targetIndex);
}

// A shelf entry right-dragged onto cell `index`: the drop menu asks whether the entry goes onto
// the button, opens with it, opens it, or goes into its drawer.
void ShelfEntryDrop(App& app, int16_t index) {
  const std::string entry = SelectedShelfKey(app);
  if (entry.empty() || !ButtonAt(app, index)) return;
  Guarded([&] { ShowPopupMenu(app, DDRightButtonMenu()); });
  const std::string result = Result(app);
  // The menu let other events run: the button is looked up again.
  Button* button = ButtonAt(app, index);
  if (!button) return;
  if (result == "DDRRegister") {
    AssignItem(app, index, entry);
  } else if (result == "DDRAssocDDItemExecute") {
    LaunchButtonWithPath(app, *button, entry);
  } else if (result == "DDRAssocButtonExecute") {
    LaunchStringWithPath(app, entry, button->Path, Show::kNormal);
  } else if (result == "DDRPutMiniDrawer") {
    PutSelectedShelfEntriesIntoDrawer(app, *button, index);
  }
}

}  // namespace

void DrawerMenuGesture(App& app, Button& source, bool withDelete) {
  MenuEntries& menu = Menus(app).PDeleteCancel;
  BuildDrawerMenu(app, source);
  ShowEntry(menu, "Separator1", withDelete);
  ShowEntry(menu, "IDelete", withDelete);
  Guarded([&] { ShowMenu(app, menu); });
  ShowEntry(menu, "Separator1", true);
  ShowEntry(menu, "IDelete", true);
  HideDrawerMenu(app);
  const std::string& result = Result(app);
  if (result == "MiniDrawer") {
    if (const std::string* item = ChosenSlot(app, source)) LaunchString(app, *item, "");
  } else if (result == "Delete" && withDelete) {
    ClearButton(app, source, true);
    Guarded([&] { RepaintButton(app, app.panel.PressedIndex); });
    Guarded([&] { ApplyToolTips(app); });
  }
}

void DeleteMenuGesture(App& app, Button& button, int index) {
  BuildDeleteMenu(app, button);
  Guarded([&] { ShowMenu(app, Menus(app).DeleteList); });
  const std::string& result = Result(app);
  if (result == "DeleteAll") {
    ClearButton(app, button, true);
  } else if (result == "DeleteButton") {
    ClearButton(app, button, false);
  } else if (result == "MiniDrawerAll") {
    for (int k = DrawerSlots(app) - 1; k >= 0; --k) DeleteDrawerItem(app, button, k);
  } else if (result == "MiniDrawerItem") {
    DeleteDrawerItem(app, button, app.form.MenuResultIndex);
  }
  Guarded([&] { ShowDrawerMarks(app, button, index); });
}

bool RightRelease(App& app, int16_t index) {
  const PanelState& panel = app.panel;
  if (panel.PressedControl.kind == ControlKind::Storage) {
    ShelfEntryDrop(app, index);
    return false;
  }
  if (panel.PressedControl.kind != ControlKind::Picture1) return false;
  Button* source = ButtonAt(app, panel.PressedIndex);
  if (!source) return false;
  const int16_t target = panel.ReleaseTarget;
  if (target == TargetShelf) {
    ShelfDrag(app, *source);
  } else if (target == TargetRun) {
    RunDrag(app, *source);
  } else if (target == panel.PressedIndex) {
    ContextMenu(app, target);
    return true;
  } else if (target >= 0) {
    CellDrag(app, *source, target);
  }
  return false;
}

}  // namespace velmarin
