#include "fake/fake_popup_menu.h"

namespace velmarin {

namespace {

// The number of the item with the result word, counting as the menu numbers its items; 0 when
// it cannot be picked.
int NumberOf(const Menu& menu, const std::string& result, int& counter) {
  for (const MenuItem& item : menu) {
    ++counter;
    if (!item.separator && item.submenu.empty() && !item.opensSubmenu && item.result == result) {
      return item.enabled ? counter : 0;
    }
    if (const int inner = NumberOf(item.submenu, result, counter)) return inner;
  }
  return 0;
}

}  // namespace

int FakePopupMenu::Show(const Menu& menu) {
  shown.push_back(menu);
  if (choices_.empty()) return 0;
  const std::string choice = choices_.front();
  choices_.pop_front();
  if (choice.empty()) return 0;
  int counter = 0;
  return NumberOf(menu, choice, counter);
}

}  // namespace velmarin
