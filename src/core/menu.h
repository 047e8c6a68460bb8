#pragma once
// Showing a popup menu: the chosen item's result word and index are kept in MenuResult and
// MenuResultIndex for the code that showed the menu, which acts on them and then empties them.
#include "core/app.h"

namespace velmarin {

// The item with the number the menu's answer gives (items counted from 1 in reading order, each
// submenu right after the item that opens it), or nullptr.
const MenuItem* MenuItemByNumber(const Menu& menu, int number);

// Shows the menu at the cursor and waits until it closes. A chosen item that is enabled sets
// MenuResult and MenuResultIndex; a dismissed menu leaves them empty. False without a menu
// service or when nothing was chosen. Right-aligned, the menu opens to the left of the cursor.
bool ShowPopupMenu(App& app, const Menu& menu, bool rightAligned = false);

// An item with its caption and result word; a separator.
MenuItem ResultItem(std::string caption, std::string result, bool enabled = true);
MenuItem MenuSeparator();

// Empties MenuResult and MenuResultIndex.
void ClearMenuResult(App& app);

}  // namespace velmarin
