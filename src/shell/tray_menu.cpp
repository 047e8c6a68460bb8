#include "shell/tray_menu.h"

#include <algorithm>

#include "core/dpi_scale.h"
#include "core/guarded.h"
#include "core/menu.h"
#include "launch/execute.h"
#include "launch/names.h"
#include "shell/dialog_open.h"
#include "shell/layout.h"
#include "shell/main_form.h"

namespace velmarin {

namespace {

constexpr const char* kTrayResult = "Tray";

MenuItem Command(std::string caption, int id) {
  MenuItem item;
  item.caption = std::move(caption);
  item.result = kTrayResult;
  item.resultIndex = id;
  return item;
}

// What a menu item shows for an item string: an internal name itself, otherwise its file name.
std::string LabelOf(const App& app, const std::string& path) {
  if (isVelmName(app, path)) return path;
  Button parts;
  parts.Path = path;
  SetPathParts(app, parts);
  return parts.FileName;
}

int AddCommand(TrayMenu& tray, const std::string& command) {
  tray.commands.push_back(command);
  return static_cast<int>(tray.commands.size());
}

MenuItem ButtonItem(const App& app, TrayMenu& tray, const Button& button) {
  const int id = AddCommand(tray, button.Path);
  const std::string label = isVelmName(app, button.Path) ? button.Path : button.FileName;
  MenuItem item = Command(label, id);
  const int drawers = std::clamp<int>(app.model.settings.MaxDrawer, 0, kDrawerSlots);
  for (int d = 0; d < drawers; ++d) {
    const std::string& entry = button.Drawer[static_cast<size_t>(d)];
    if (entry.empty()) continue;
    if (item.submenu.empty()) {
      // The first item of the drawer's submenu launches the button itself.
      item.submenu.push_back(Command(label, id));
      item.submenu.push_back(MenuSeparator());
    }
    item.submenu.push_back(Command(LabelOf(app, entry), AddCommand(tray, entry)));
  }
  if (!item.submenu.empty()) {
    item.result.clear();
    item.resultIndex = 0;
  }
  return item;
}

void Launch(App& app, const std::string& command) {
  Button parts;
  parts.Path = command;
  if (!isVelmName(app, command)) SetPathParts(app, parts);
  std::string verb;
  int16_t showCmd = 0;
  ExecuteItem(app, command, parts.FileName, parts.Extension, verb, showCmd, "");
}

void CentreWindow(App& app) {
  IScreen* screen = app.platform.screen;
  ISystem* system = app.platform.system;
  IDesktop* desktop = app.platform.desktop;
  if (screen && system && desktop) {
    // The window's size as it will be on the primary screen, whose DPI is the system's; the
    // frame is the system's own and does not scale.
    const DpiScale primary(screen->SystemDpi());
    const int frame = 2 * app.form.BorderWidth;
    const int width = primary.ToScreen(system->OuterWidth() - frame) + frame;
    const int height = primary.ToScreen(desktop->MainWindowHeight() - frame) + frame;
    const int left = (screen->WidthPixels() - width) / 2;
    const int top = (screen->HeightPixels() - height) / 2;
    system->MoveMainWindowTo(left, top);
    // The model keeps where the window is, for the next drag and for the settings file.
    MainWindowMoved(app, left, top);
  }
  if (desktop) desktop->RestoreMainWindow();
}

void ShowTrayMenu(App& app) {
  const TrayMenu tray = BuildTrayMenu(app);
  ClearMenuResult(app);
  app.form.trayMenuShown = true;
  ShowPopupMenu(app, tray.menu, true);
  app.form.trayMenuShown = false;
  const bool chosen = app.form.MenuResult == kTrayResult;
  const int id = app.form.MenuResultIndex;
  ClearMenuResult(app);
  const int count = static_cast<int>(tray.commands.size());
  if (!chosen || id < 1 || id > count) return;
  if (id == count) {
    UnloadAndEnd(app);
  } else if (id == count - 1) {
    // The dialog keeps the main window disabled while it is open.
    app.Commands().ShowSettingsDialog();
  } else {
    Launch(app, tray.commands[static_cast<size_t>(id - 1)]);
  }
}

}  // namespace

TrayMenu BuildTrayMenu(const App& app) {
  TrayMenu tray;
  const int buttons = std::clamp<int>(app.model.settings.MaxButton, 0, kButtonSlots);
  const auto pages = std::min<size_t>(static_cast<size_t>(std::max(app.model.PageCount, 0)),
                                      app.model.Pages.size());
  for (size_t p = 0; p < pages; ++p) {
    const Page& page = app.model.Pages[p];
    MenuItem pageItem;
    pageItem.caption = page.Caption;
    pageItem.opensSubmenu = true;
    for (int b = 0; b < buttons; ++b) {
      const Button& button = page.Buttons[static_cast<size_t>(b)];
      if (!button.Path.empty()) pageItem.submenu.push_back(ButtonItem(app, tray, button));
    }
    tray.menu.push_back(std::move(pageItem));
  }
  tray.menu.push_back(MenuSeparator());
  tray.menu.push_back(Command("設定...(&C)", AddCommand(tray, ",config")));
  tray.menu.push_back(MenuSeparator());
  tray.menu.push_back(Command("終了(&X)", AddCommand(tray, ",exit")));
  return tray;
}

void OnTrayMouse(App& app, TrayMouse what) {
  if (!app.model.settings.options.TrayIcon) return;
  Guarded([&] {
    if (DialogOpen(app)) {
      // No menu and no centring under an open dialog; a click brings the dialog forward.
      if (what == TrayMouse::LeftDown || what == TrayMouse::RightDown) BringDialogForward(app);
      return;
    }
    switch (what) {
      case TrayMouse::LeftDown:
        if (app.form.trayMenuShown && app.platform.desktop) app.platform.desktop->CloseTrayMenu();
        break;
      case TrayMouse::LeftDoubleClick:
        CentreWindow(app);
        break;
      case TrayMouse::RightDown:
        ShowTrayMenu(app);
        break;
      case TrayMouse::Other:
        break;
    }
  });
}

}  // namespace velmarin
