#pragma once
// Every fake service in one object, wired into an App for tests.
#include "core/app.h"
#include "fake/fake_clipboard.h"
#include "fake/fake_commands.h"
#include "fake/fake_desktop.h"
#include "fake/fake_dialogs.h"
#include "fake/fake_files.h"
#include "fake/fake_popup_menu.h"
#include "fake/fake_shell.h"
#include "fake/fake_system.h"
#include "fake/fake_text.h"
#include "fake/fake_ui.h"

namespace velmarin {

struct FakePlatform {
  FakeFiles files;
  FakeText text{932};
  FakeMessageBox messageBox;
  FakeRunList runList;
  FakeShelfList shelf;
  FakeScreen screen;
  FakeShell shell;
  FakeSystem system;
  FakeControls controls;
  FakeCommands commands;
  FakePopupMenu popupMenu;
  FakeDesktop desktop;
  FakeClipboard clipboard;
  FakeDialogHost dialogs;

  void Wire(App& app) {
    app.platform.files = &files;
    app.platform.text = &text;
    app.platform.messageBox = &messageBox;
    app.platform.runList = &runList;
    app.platform.shelf = &shelf;
    app.platform.screen = &screen;
    app.platform.shell = &shell;
    app.platform.system = &system;
    app.platform.controls = &controls;
    app.commands = &commands;
    app.platform.popupMenu = &popupMenu;
    app.platform.desktop = &desktop;
    desktop.system = &system;
    app.platform.clipboard = &clipboard;
    app.platform.dialogs = &dialogs;
  }
};

}  // namespace velmarin
