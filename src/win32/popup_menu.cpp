#include "win32/popup_menu.h"

#include "win32/bring_forward.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

// Appends the items, numbered in reading order from `next`; false when the system refused one.
bool Fill(HMENU target, const Menu& items, int& next) {
  for (const MenuItem& item : items) {
    const int number = next++;
    if (item.separator) {
      if (!AppendMenuW(target, MF_SEPARATOR, 0, nullptr)) return false;
      continue;
    }
    UINT flags = MF_STRING;
    if (!item.enabled) flags |= MF_GRAYED;
    if (item.checked) flags |= MF_CHECKED;
    const std::wstring caption = Widen(item.caption);
    UINT_PTR id = static_cast<UINT_PTR>(number);
    HMENU inner = nullptr;
    if (!item.submenu.empty() || item.opensSubmenu) {
      inner = CreatePopupMenu();
      if (!inner) return false;
      if (!Fill(inner, item.submenu, next)) {
        DestroyMenu(inner);
        return false;
      }
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(inner);
    }
    if (!AppendMenuW(target, flags, id, caption.c_str())) {
      if (inner) DestroyMenu(inner);
      return false;
    }
  }
  return true;
}

}  // namespace

int Win32PopupMenu::Show(const Menu& menu) { return ShowWith(menu, TPM_LEFTALIGN); }

int Win32PopupMenu::ShowRightAligned(const Menu& menu) { return ShowWith(menu, TPM_RIGHTALIGN); }

int Win32PopupMenu::ShowWith(const Menu& menu, UINT alignment) {
  if (menu.empty()) return 0;
  HMENU popup = CreatePopupMenu();
  if (!popup) return 0;
  int next = 1;
  int chosen = 0;
  POINT cursor{};
  if (Fill(popup, menu, next) && GetCursorPos(&cursor)) {
    HWND dialog = innermostDialog_ ? innermostDialog_() : nullptr;
    HWND owner = dialog ? dialog : owner_;
    // A menu of a window in the background would not close when the user clicks elsewhere, nor
    // get the keys.
    if (owner) BringForward(owner);
    const bool holdDialog = dialog && IsWindowEnabled(dialog);
    if (holdDialog) EnableWindow(dialog, FALSE);
    chosen = static_cast<int>(
        TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | alignment | TPM_TOPALIGN,
                         cursor.x, cursor.y, owner, nullptr));
    if (holdDialog) EnableWindow(dialog, TRUE);
    if (owner) PostMessageW(owner, WM_NULL, 0, 0);
  }
  DestroyMenu(popup);  // with its submenus
  return chosen;
}

}  // namespace velmarin::win32
