#pragma once
// The button row's popup menus as the program keeps them between uses: every item with its name,
// shown or hidden, and the drawer rows with one item per drawer slot. A builder sets them up for
// the button at hand just before the menu opens; only the shown items reach the screen.
#include <string>
#include <vector>

#include "platform/popup_menu.h"

namespace velmarin {

struct MenuEntry {
  std::string name;  // items of one row share a name; item.resultIndex tells them apart
  MenuItem item;     // caption, result word and index, enabled, separator (no submenu here)
  bool visible = true;
  std::vector<MenuEntry> submenu;
};

using MenuEntries = std::vector<MenuEntry>;

struct PanelMenus {
  MenuEntries PDeleteCancel;           // the drawer menu
  MenuEntries PReplaceMoveCopyCancel;  // a right drag from one cell onto another
  MenuEntries PGroupsProperty;         // a right click on a cell
  MenuEntries DeleteList;              // Shift+click on a cell
  MenuEntries RunDR;                   // a right drag onto the Run box
  MenuEntries StorageDR;               // a right drag onto the open shelf
  bool created = false;                // the drawer rows have their items for every slot
};

}  // namespace velmarin
