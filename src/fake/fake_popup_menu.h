#pragma once
// Popup menus for tests: each menu shown is kept, and the user's choice is scripted by the item's
// result word. A choice that names no item of the menu, or an item that is greyed, a separator or
// a submenu's opener, is a dismissed menu, as a user could not pick it either.
#include <deque>
#include <string>
#include <vector>

#include "platform/popup_menu.h"

namespace velmarin {

class FakePopupMenu : public IPopupMenu {
 public:
  // Choices are taken in order; with none left the menu is dismissed. "" dismisses it.
  void Script(const std::string& result) { choices_.push_back(result); }
  int Show(const Menu& menu) override;
  int ShowRightAligned(const Menu& menu) override {
    ++rightAligned;
    return Show(menu);
  }

  std::vector<Menu> shown;
  int rightAligned = 0;  // how many of them opened to the left of the cursor

 private:
  std::deque<std::string> choices_;
};

}  // namespace velmarin
