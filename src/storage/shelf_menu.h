#pragma once
// The shelf's context menu: its items for the focused entry, the send-to submenu, and showing it
// on a right click with the chosen command carried out.
#include <string>
#include <vector>

#include "core/app.h"
#include "platform/popup_menu.h"

namespace velmarin {

// The shortcut files of the send-to folder, full paths ordered by name.
std::vector<std::string> SendToList(App& app);
// The send-to submenu's items: one per shortcut (numbered when MenuNumbers is on), or a greyed
// "(Empty)".
Menu BuildSendToMenu(App& app);
// The whole menu for the focused entry's key: an internal name or a missing file has no send-to
// submenu, and its file commands are greyed.
Menu PrepareShelfMenu(App& app, const std::string& key);
// A right click on the shelf with something selected: the menu, then its command.
void ShowShelfMenu(App& app);

}  // namespace velmarin
