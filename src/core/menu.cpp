#include "core/menu.h"

namespace velmarin {

namespace {

const MenuItem* FindNumber(const Menu& menu, int& remaining) {
  for (const MenuItem& item : menu) {
    if (--remaining == 0) return &item;
    if (const MenuItem* inner = FindNumber(item.submenu, remaining)) return inner;
  }
  return nullptr;
}

}  // namespace

const MenuItem* MenuItemByNumber(const Menu& menu, int number) {
  if (number < 1) return nullptr;
  int remaining = number;
  return FindNumber(menu, remaining);
}

bool ShowPopupMenu(App& app, const Menu& menu, bool rightAligned) {
  ClearMenuResult(app);
  IPopupMenu* popup = app.platform.popupMenu;
  if (!popup) return false;
  const int number = rightAligned ? popup->ShowRightAligned(menu) : popup->Show(menu);
  const MenuItem* chosen = MenuItemByNumber(menu, number);
  // A separator, a submenu's opener or a greyed item cannot be chosen.
  if (!chosen || chosen->separator || !chosen->submenu.empty() || !chosen->enabled) return false;
  app.form.MenuResult = chosen->result;
  app.form.MenuResultIndex = chosen->resultIndex;
  return !chosen->result.empty();
}

void ClearMenuResult(App& app) {
  app.form.MenuResult.clear();
  app.form.MenuResultIndex = 0;
}

MenuItem ResultItem(std::string caption, std::string result, bool enabled) {
  MenuItem item;
  item.caption = std::move(caption);
  item.result = std::move(result);
  item.enabled = enabled;
  return item;
}

MenuItem MenuSeparator() {
  MenuItem item;
  item.separator = true;
  return item;
}

}  // namespace velmarin
