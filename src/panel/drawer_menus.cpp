#include "panel/drawer_menus.h"

#include <algorithm>
#include <iterator>

#include "core/guarded.h"
#include "launch/names.h"
#include "panel/button_edit.h"
#include "panel/menu_numbers.h"

namespace velmarin {

namespace {

bool NumbersOn(const App& app) { return app.model.settings.options.MenuNumbers; }

// The name a menu shows for an item string: its file name, or the string itself for an internal
// name or a name-less root.
std::string ItemName(const App& app, const std::string& item) {
  if (isVelmName(app, item)) return item;
  Button parts;
  parts.Path = item;
  SetPathParts(app, parts);
  return parts.FileName.empty() ? item : parts.FileName;
}

// One element of a drawer row, shown with a caption or hidden.
void ShowSlot(MenuEntries& menu, std::string_view row, int slot, const std::string& caption) {
  if (MenuEntry* entry = FindEntry(menu, row, slot)) {
    entry->item.caption = caption;
    entry->item.enabled = true;
    entry->visible = true;
  }
}

void HideSlot(MenuEntries& menu, std::string_view row, int slot, bool disable) {
  if (MenuEntry* entry = FindEntry(menu, row, slot)) {
    entry->visible = false;
    if (disable) entry->item.enabled = false;
  }
}

bool DrawerEmpty(const App& app, const Button& button) {
  for (int i = 0; i < DrawerSlots(app); ++i) {
    if (!button.Drawer[static_cast<size_t>(i)].empty()) return false;
  }
  return true;
}

}  // namespace

void BuildDrawerMenu(App& app, Button& source) {
  MenuEntries& menu = Menus(app).PDeleteCancel;
  ShowEntry(menu, "Separator0", false);
  MenuCounter counter(NumbersOn(app));
  for (int i = 0; i < DrawerSlots(app); ++i) {
    Guarded([&] {
      std::string& item = source.Drawer[static_cast<size_t>(i)];
      if (item.empty()) {
        HideSlot(menu, "MiniDrawerItem", i, false);
        return;
      }
      // A folder keeps no separator at its end; a drive root keeps it, as it would not be one
      // without.
      if (item.back() == '\\' && !IsDriveRoot(item)) item.pop_back();
      std::string name = GetFileName(item);
      if (name.empty()) name = item;
      ShowSlot(menu, "MiniDrawerItem", i, counter.Next() + name);
      ShowEntry(menu, "Separator0", true);
    });
  }
}

void HideDrawerMenu(App& app) {
  MenuEntries& menu = Menus(app).PDeleteCancel;
  for (int i = 0; i < DrawerSlots(app); ++i) HideSlot(menu, "MiniDrawerItem", i, false);
  ShowEntry(menu, "Separator0", false);
}

void BuildDragMenu(App& app, const Button& source) {
  MenuEntries& menu = Menus(app).PReplaceMoveCopyCancel;
  ShowEntry(menu, "PRMCCButton", false);
  if (!source.Path.empty() && !isVelmName(app, source.Path)) {
    ShowEntry(menu, "PRMCCSep1", true);
    const std::string prefix = NumbersOn(app) ? KeyPrefix('0') : std::string();
    ShowSlot(menu, "PRMCCButton", 0, prefix + ItemName(app, source.Path));
  } else {
    ShowEntry(menu, "PRMCCSep1", false);
  }
  ShowEntry(menu, "PRMCCSep0", false);
  MenuCounter counter(NumbersOn(app));
  for (int i = 0; i < DrawerSlots(app); ++i) {
    Guarded([&] {
      const std::string& item = source.Drawer[static_cast<size_t>(i)];
      if (item.empty() || isVelmName(app, item)) {
        HideSlot(menu, "PRMCCDrawerItem", i, true);
        return;
      }
      ShowEntry(menu, "PRMCCSep0", true);
      ShowSlot(menu, "PRMCCDrawerItem", i, counter.Next() + ItemName(app, item));
    });
  }
}

void BuildButtonMenu(App& app, const Button& button) {
  MenuEntries& menu = Menus(app).PGroupsProperty;
  const bool numbers = NumbersOn(app);
  RemovePageItems(app);
  auto first = std::find_if(menu.begin(), menu.end(),
                            [](const MenuEntry& e) { return e.name == "GroupItem"; });
  if (first != menu.end()) {
    const int pages = std::min<int>(app.model.PageCount, static_cast<int>(app.model.Pages.size()));
    MenuEntries pageItems;
    for (int p = 0; p < std::max(pages, 1); ++p) {
      MenuEntry entry = *first;
      entry.item.resultIndex = p;
      const Page* page = PageAt(app.model, p);
      entry.item.caption = PageItemPrefix(numbers, p) + (page ? page->Caption : std::string());
      entry.visible = true;
      pageItems.push_back(std::move(entry));
    }
    const auto at = menu.erase(first);
    menu.insert(at, pageItems.begin(), pageItems.end());
  }
  int shown = 0;
  for (int i = 0; i < DrawerSlots(app); ++i) {
    Guarded([&] {
      const std::string& item = button.Drawer[static_cast<size_t>(i)];
      if (item.empty()) {
        HideSlot(menu, "PGPDrawerItem", i, false);
        return;
      }
      ShowSlot(menu, "PGPDrawerItem", i, DrawerLetterPrefix(numbers, shown) + ItemName(app, item));
      ++shown;
    });
  }
  ShowEntry(menu, "Separator6", shown > 0);
  EnableEntry(menu, "IParentFolder", !button.Path.empty());
}

void RemovePageItems(App& app) {
  MenuEntries& menu = Menus(app).PGroupsProperty;
  std::erase_if(menu,
                [](const MenuEntry& e) { return e.name == "GroupItem" && e.item.resultIndex > 0; });
}

void BuildDeleteMenu(App& app, const Button& source) {
  MenuEntries& menu = Menus(app).DeleteList;
  ShowEntry(menu, "DLDSep0", false);
  if (DrawerEmpty(app, source)) {
    ShowEntry(menu, "DeleteListDrawer", false);
    return;
  }
  ShowEntry(menu, "DeleteListDrawer", true);
  MenuCounter counter(NumbersOn(app));
  for (int i = 0; i < DrawerSlots(app); ++i) {
    Guarded([&] {
      const std::string& item = source.Drawer[static_cast<size_t>(i)];
      if (item.empty()) {
        HideSlot(menu, "DeleteListDrawerItem", i, true);
        return;
      }
      ShowEntry(menu, "DLDSep0", true);
      ShowSlot(menu, "DeleteListDrawerItem", i, counter.Next() + ItemName(app, item));
    });
  }
}

void BuildShelfDragMenu(App& app, const Button& source, bool shelfEntrySelected) {
  MenuEntries& menu = Menus(app).StorageDR;
  ShowEntry(menu, "SDRSep0", false);
  ShowEntry(menu, "SDRSep1", false);
  EnableEntry(menu, "StorageDRExecute", shelfEntrySelected && !isVelmName(app, source.Path));
  const bool empty = DrawerEmpty(app, source);
  ShowEntry(menu, "StorageDRDrawer", !empty);
  ShowEntry(menu, "StorageDRDrawerExecute", !empty);
  if (empty) return;
  MenuCounter counter(NumbersOn(app));
  for (int i = 0; i < DrawerSlots(app); ++i) {
    Guarded([&] {
      const std::string& item = source.Drawer[static_cast<size_t>(i)];
      if (item.empty()) {
        HideSlot(menu, "StorageDRDrawerItem", i, true);
        HideSlot(menu, "StorageDRDrawerExecuteItem", i, true);
        return;
      }
      ShowEntry(menu, "SDRSep0", true);
      ShowEntry(menu, "SDRSep1", true);
      const std::string caption = counter.Next() + ItemName(app, item);
      ShowSlot(menu, "StorageDRDrawerItem", i, caption);
      ShowSlot(menu, "StorageDRDrawerExecuteItem", i, caption);
    });
  }
}

}  // namespace velmarin
