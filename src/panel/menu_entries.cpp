#include "panel/menu_entries.h"

#include <algorithm>

#include "panel/button_edit.h"

namespace velmarin {

namespace {

MenuEntry Item(std::string name, std::string caption, std::string result = {}) {
  MenuEntry entry;
  entry.name = std::move(name);
  entry.item.caption = std::move(caption);
  entry.item.result = std::move(result);
  return entry;
}

MenuEntry Separator(std::string name) {
  MenuEntry entry;
  entry.name = std::move(name);
  entry.item.separator = true;
  return entry;
}

MenuEntry Opener(std::string name, std::string caption, MenuEntries submenu) {
  MenuEntry entry = Item(std::move(name), std::move(caption));
  entry.submenu = std::move(submenu);
  return entry;
}

// The rows with one element per drawer slot.
constexpr std::string_view kDrawerRows[] = {"MiniDrawerItem",       "PGPDrawerItem",
                                            "StorageDRDrawerItem",  "StorageDRDrawerExecuteItem",
                                            "DeleteListDrawerItem", "PRMCCDrawerItem"};

// Grows every drawer row of one menu level (and its submenus) to `slots` elements.
void GrowRows(MenuEntries& menu, int slots) {
  for (MenuEntry& entry : menu) GrowRows(entry.submenu, slots);
  for (std::string_view row : kDrawerRows) {
    auto first = std::find_if(menu.begin(), menu.end(), [&](const MenuEntry& e) {
      return e.name == row && e.item.resultIndex == 0;
    });
    if (first == menu.end()) continue;
    MenuEntries copies;
    for (int slot = 1; slot < slots; ++slot) {
      MenuEntry copy = *first;
      copy.item.resultIndex = slot;
      copy.visible = row == "PGPDrawerItem";
      copies.push_back(std::move(copy));
    }
    menu.insert(first + 1, copies.begin(), copies.end());
  }
}

}  // namespace

PanelMenus DesignedMenus() {
  PanelMenus m;
  m.PDeleteCancel = {Item("MiniDrawerItem", "(Item)", "MiniDrawer"), Separator("Separator0"),
                     Item("IDelete", "すべて削除(&D)", "Delete"), Separator("Separator1"),
                     Item("I1Cancel", "キャンセル(&C)", "Cancel")};
  m.PReplaceMoveCopyCancel = {
      Item("PRMCCButton", "(Item)", "Button"),         Separator("PRMCCSep1"),
      Item("PRMCCDrawerItem", "(Item)", "DrawerItem"), Separator("PRMCCSep0"),
      Item("IReplace", "入れ替え(&R)", "Replace"),     Item("IInsert", "ここに挿入(&S)", "Insert"),
      Item("IMove", "ここに移動(&E)", "Move"),         Item("ICopy", "ここにコピー(&C)", "Copy")};
  m.PGroupsProperty = {Item("GroupItem", "(Page)", "GroupItem"),
                       Separator("Separator3"),
                       Item("PGPDrawerItem", "(Item)", "DrawerWithButton"),
                       Separator("Separator6"),
                       Item("IParentFolder", "親フォルダを開く(&F)", "ParentFolder"),
                       Item("IProperty", "プロパティ...(&R)", "Property"),
                       Separator("Separator5"),
                       Item("IPageProperty", "ページ設定...(&G)", "PageProperty")};
  m.DeleteList = {
      Opener("DeleteListDrawer", "ドローワ(&D)",
             {Item("DeleteListDrawerAll", "すべて(&A)", "MiniDrawerAll"), Separator("DLDSep0"),
              Item("DeleteListDrawerItem", "(Item)", "MiniDrawerItem")}),
      Item("DeleteListButton", "ボタンのアイテム(&B)", "DeleteButton"), Separator("DLSep0"),
      Item("DeleteListAll", "すべて削除(&A)", "DeleteAll")};
  m.RunDR = {Item("RunDRToolTip", "ツールチップ(&T)", "ToolTip"),
             Item("RunDRShortPath", "ショートパス(&S)", "ShortPath"),
             Item("RunDRLongPath", "ロングパス(&G)", "LongPath")};
  m.StorageDR = {
      Opener("StorageDRDrawer", "ドローワのアイテムを登録(&D)",
             {Item("StorageDRDrawerAll", "すべて(&A)", "DrawerAll"), Separator("SDRSep0"),
              Item("StorageDRDrawerItem", "(Item)", "DrawerItem")}),
      Item("StorageDRRegister", "ボタンのアイテムを登録(&R)", "Register"),
      Opener("StorageDRDrawerExecute", "ドローワのアイテムを関連付けで開く(&V)",
             {Item("StorageDRDrawerExecuteAll", "すべて(&A)", "DrawerExecuteAll"),
              Separator("SDRSep1"), Item("StorageDRDrawerExecuteItem", "(Item)", "DrawerExecute")}),
      Item("StorageDRExecute", "ボタンのアイテムを関連付けで開く(&E)", "DDItemExecute")};
  return m;
}

MenuEntry* FindEntry(MenuEntries& menu, std::string_view name, int index) {
  for (MenuEntry& entry : menu) {
    if (entry.name == name && entry.item.resultIndex == index) return &entry;
    if (MenuEntry* inner = FindEntry(entry.submenu, name, index)) return inner;
  }
  return nullptr;
}

void ShowEntry(MenuEntries& menu, std::string_view name, bool visible, int index) {
  if (MenuEntry* entry = FindEntry(menu, name, index)) entry->visible = visible;
}

void EnableEntry(MenuEntries& menu, std::string_view name, bool enabled, int index) {
  if (MenuEntry* entry = FindEntry(menu, name, index)) entry->item.enabled = enabled;
}

Menu VisibleMenu(const MenuEntries& menu) {
  Menu shown;
  for (const MenuEntry& entry : menu) {
    if (!entry.visible) continue;
    MenuItem item = entry.item;
    item.submenu = VisibleMenu(entry.submenu);
    shown.push_back(std::move(item));
  }
  return shown;
}

void CreateMenuItems(App& app) {
  PanelMenus m = DesignedMenus();
  const int slots = DrawerSlots(app);
  for (MenuEntries* menu : {&m.PDeleteCancel, &m.PReplaceMoveCopyCancel, &m.PGroupsProperty,
                            &m.DeleteList, &m.RunDR, &m.StorageDR}) {
    GrowRows(*menu, slots);
  }
  ShowEntry(m.PDeleteCancel, "Separator0", false);
  ShowEntry(m.StorageDR, "SDRSep0", false);
  ShowEntry(m.StorageDR, "SDRSep1", false);
  m.created = true;
  app.form.menus = std::move(m);
}

PanelMenus& Menus(App& app) {
  if (!app.form.menus.created) CreateMenuItems(app);
  return app.form.menus;
}

}  // namespace velmarin
