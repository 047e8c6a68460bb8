#pragma once
// The button row's popup menus as designed, their drawer rows grown to one item per drawer slot,
// finding an item by name, and the menu as it is shown (its visible items only).
#include <string_view>

#include "core/app.h"

namespace velmarin {

// The six menus with one item in each drawer row (slot 0) and everything shown.
PanelMenus DesignedMenus();

// The item named `name` (of a row: the one for `index`) anywhere in the menu, submenus included.
MenuEntry* FindEntry(MenuEntries& menu, std::string_view name, int index = 0);

// Shows or hides, enables or disables an item; a missing item is left alone.
void ShowEntry(MenuEntries& menu, std::string_view name, bool visible, int index = 0);
void EnableEntry(MenuEntries& menu, std::string_view name, bool enabled, int index = 0);

// The menu as the user sees it: hidden items left out.
Menu VisibleMenu(const MenuEntries& menu);

// The drawer rows of every menu, one element per slot 1..MaxDrawer-1 besides the designed one
// (hidden, except the button menu's), and the separators that only drawer items bring hidden.
// Runs once at start-up.
void CreateMenuItems(App& app);
// The menus, created first when start-up has not done it.
PanelMenus& Menus(App& app);

}  // namespace velmarin
