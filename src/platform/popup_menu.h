#pragma once
// Popup menus shown at the mouse cursor, modally: the menu is data (captions, enabled and checked
// marks, separators, submenus) and showing it answers which item was chosen.
#include <string>
#include <vector>

namespace velmarin {

struct MenuItem {
  std::string caption;  // "&" marks the access key
  // What choosing the item means to the code that showed the menu: a result word and, for a row
  // of like items, an index.
  std::string result;
  int resultIndex = 0;
  bool enabled = true;
  bool checked = false;
  bool separator = false;
  std::vector<MenuItem> submenu;  // not empty: the item opens these
  // Opens a submenu even when it holds nothing.
  bool opensSubmenu = false;
};

using Menu = std::vector<MenuItem>;

class IPopupMenu {
 public:
  virtual ~IPopupMenu() = default;
  // Shows the menu at the cursor and waits until it closes. The answer numbers the items from 1
  // in reading order, each submenu's items right after the item that opens it; 0 when the menu
  // was dismissed.
  virtual int Show(const Menu& menu) = 0;
  // The same with the menu's right edge at the cursor (the notification area's menu opens so).
  virtual int ShowRightAligned(const Menu& menu) { return Show(menu); }
};

}  // namespace velmarin
