#pragma once
// Popup menus at the mouse cursor on a real system: the menu is made from its data, shown modally
// for the main window and destroyed again; the answer is the chosen item's number.
#include <windows.h>

#include "platform/popup_menu.h"

namespace velmarin::win32 {

class Win32PopupMenu : public IPopupMenu {
 public:
  // The window that owns the menus; it is brought to the front while a menu is open.
  void SetOwner(HWND owner) { owner_ = owner; }
  int Show(const Menu& menu) override;
  int ShowRightAligned(const Menu& menu) override;

 private:
  int ShowWith(const Menu& menu, UINT alignment);
  HWND owner_ = nullptr;
};

}  // namespace velmarin::win32
