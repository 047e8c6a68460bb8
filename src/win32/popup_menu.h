#pragma once
// Popup menus at the mouse cursor on a real system: the menu is made from its data, shown modally
// for the main window, or for the open dialog in front, and destroyed again; the answer is the
// chosen item's number.
#include <windows.h>

#include <functional>

#include "platform/popup_menu.h"

namespace velmarin::win32 {

class Win32PopupMenu : public IPopupMenu {
 public:
  // The window that owns the menus; it is brought to the front while a menu is open.
  void SetOwner(HWND owner) { owner_ = owner; }
  // The open dialog in front (nullptr when none is): a menu shown while it is open is its own,
  // and the dialog takes no input until the menu has closed.
  void FollowDialogs(std::function<HWND()> innermostDialog) {
    innermostDialog_ = std::move(innermostDialog);
  }
  int Show(const Menu& menu) override;
  int ShowRightAligned(const Menu& menu) override;

 private:
  int ShowWith(const Menu& menu, UINT alignment);
  HWND owner_ = nullptr;
  std::function<HWND()> innermostDialog_;
};

}  // namespace velmarin::win32
