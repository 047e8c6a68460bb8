#pragma once
// The notification-area icon: its menu of every page with its buttons and their drawers, and
// what a click on it does.
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// The menu and the item strings its ids launch: an item's resultIndex is the 1-based place of
// its command in the list. The last two commands are ",config" and ",exit".
struct TrayMenu {
  Menu menu;
  std::vector<std::string> commands;
};

TrayMenu BuildTrayMenu(const App& app);

// The mouse on the tray icon, as the system reports it.
enum class TrayMouse { LeftDown, LeftDoubleClick, RightDown, Other };

// A left press closes the open tray menu, a double click brings the window back to the centre
// of the screen, a right press shows the menu and acts on the choice. While a dialog is open, a
// press brings the dialog forward and nothing else happens. Nothing while the program keeps no
// tray icon.
void OnTrayMouse(App& app, TrayMouse what);

}  // namespace velmarin
