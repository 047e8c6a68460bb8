#pragma once
// Every real service in one object, wired into an App by the program at start-up. The shelf
// list and the Run box's list belong to the main window and are wired in by it.
#include "core/app.h"
#include "win32/popup_menu.h"
#include "win32/win32_clipboard.h"
#include "win32/win32_dialogs.h"
#include "win32/win32_files.h"
#include "win32/win32_shell.h"
#include "win32/win32_text.h"
#include "win32/win32_ui.h"

namespace velmarin::win32 {

struct Win32Platform {
  Win32Files files;
  Win32Text text;
  Win32MessageBox messageBox;
  Win32Screen screen;
  Win32Shell shell;
  Win32PopupMenu popupMenu;
  Win32Clipboard clipboard;
  Win32DialogHost dialogs;

  void Wire(App& app) {
    app.platform.files = &files;
    app.platform.text = &text;
    app.platform.messageBox = &messageBox;
    app.platform.screen = &screen;
    app.platform.shell = &shell;
    app.platform.popupMenu = &popupMenu;
    app.platform.clipboard = &clipboard;
    app.platform.dialogs = &dialogs;
  }

  // The main window owns the boxes, the menus, the dialogs and what goes on the clipboard; while
  // a dialog is open, the boxes and menus belong to the one in front.
  void SetOwner(HWND main) {
    messageBox.SetOwner(main);
    clipboard.SetOwner(main);
    shell.SetOwner(main);
    popupMenu.SetOwner(main);
    dialogs.SetOwner(main);
    messageBox.FollowDialogs([this] { return dialogs.InnermostDialog(); });
    popupMenu.FollowDialogs([this] { return dialogs.InnermostDialog(); });
  }
};

}  // namespace velmarin::win32
