#include "shell/main_menu.h"

#include "core/guarded.h"
#include "core/menu.h"
#include "launch/execute.h"
#include "launch/names.h"
#include "panel/drop_mode.h"
#include "shell/main_form.h"

namespace velmarin {

namespace {

std::string HelpFilePath(App& app) {
  if (!app.platform.files) return kHelpFileName;
  return app.platform.files->ProgramFolder() + "\\" + kHelpFileName;
}

void OpenHelp(App& app) {
  const std::string path = HelpFilePath(app);
  if (!FileExist(app, path)) return;
  std::string verb;
  int16_t showCmd = 0;
  ExecuteItem(app, path, kHelpFileName, "hlp", verb, showCmd, "");
}

void ActOn(App& app, const std::string& result) {
  if (result == "DropMode") {
    SetDropModeShown(app, !app.model.DropMode);
  } else if (result == "Config") {
    // The dialog keeps the main window disabled while it is open.
    app.Commands().ShowSettingsDialog();
  } else if (result == "Help") {
    OpenHelp(app);
  } else if (result == "About") {
    app.Commands().ShowAboutBox();
  } else if (result == "Exit") {
    UnloadAndEnd(app);
  }
}

}  // namespace

Menu MainMenu(App& app) {
  Menu menu;
  menu.push_back(
      ResultItem(app.model.DropMode ? "起動 > 編集(&E)" : "編集 > 起動(&E)", "DropMode"));
  menu.push_back(MenuSeparator());
  menu.push_back(ResultItem("設定...(&C)", "Config"));
  MenuItem help = ResultItem("ヘルプ(&H)", "");
  help.submenu.push_back(ResultItem("ヘルプの起動(&H)", "Help", FileExist(app, HelpFilePath(app))));
  help.submenu.push_back(ResultItem("バージョン情報...(&A)", "About"));
  menu.push_back(std::move(help));
  menu.push_back(MenuSeparator());
  menu.push_back(ResultItem("終了(&X)", "Exit"));
  return menu;
}

void ShowMainMenu(App& app) {
  Menu menu;
  Guarded([&] { menu = MainMenu(app); });
  Guarded([&] { ShowPopupMenu(app, menu); });
  const std::string result = app.form.MenuResult;
  ClearMenuResult(app);
  // Exit may end the program here; nothing after it touches the window.
  Guarded([&] { ActOn(app, result); });
}

}  // namespace velmarin
