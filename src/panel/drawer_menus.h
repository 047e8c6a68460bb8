#pragma once
// Filling the button row's popup menus for the button at hand just before they open: the drawer
// items with their file names (and access-key numbers when MenuNumbers is on), the items that
// apply shown, the others hidden or greyed.
#include "core/app.h"
#include "panel/menu_entries.h"

namespace velmarin {

// The drawer menu for the source button. A drawer item ending in "\" loses it for good.
void BuildDrawerMenu(App& app, Button& source);
// The drawer menu's items hidden again after it closed.
void HideDrawerMenu(App& app);
// The right drag's menu: the source's item and its drawer items, internal names left out.
void BuildDragMenu(App& app, const Button& source);
// The context menu of a cell: every page, the button's drawer items; the parent folder only for
// a filled button. The page items beyond the first exist until RemovePageItems.
void BuildButtonMenu(App& app, const Button& button);
void RemovePageItems(App& app);
// The Shift+click menu: the drawer submenu only when the drawer holds something.
void BuildDeleteMenu(App& app, const Button& source);
// The right drag onto the shelf: the drawer submenus only when the drawer holds something; the
// button's item opened with the selected entry only when there is one.
void BuildShelfDragMenu(App& app, const Button& source, bool shelfEntrySelected);

}  // namespace velmarin
