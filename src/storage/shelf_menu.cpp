#include "storage/shelf_menu.h"

#include "core/menu.h"
#include "core/strings.h"
#include "launch/names.h"
#include "launch/shelf_paths.h"
#include "storage/shelf.h"
#include "storage/shelf_commands.h"

namespace velmarin {

namespace {

bool IsShortcutName(const std::string& name) {
  return name.size() > 4 && UpperAscii(name.substr(name.size() - 4)) == ".LNK";
}

}  // namespace

std::vector<std::string> SendToList(App& app) {
  std::vector<std::string> list;
  IFiles* files = app.platform.files;
  if (!files || !app.platform.shell) return list;
  const auto folder = app.platform.shell->FolderPath(ShellFolder::SendTo);
  if (!folder || folder->empty()) return list;
  const std::string base = folder->back() == '\\' ? *folder : *folder + "\\";
  for (const std::string& name : files->List(base + "*.lnk")) {
    if (!IsShortcutName(name)) continue;
    const std::string path = base + name;
    // Ordinary files only: no folders, nothing hidden or belonging to the system.
    const auto attributes = files->Attributes(path);
    if (!attributes) continue;
    if (*attributes & (Attr::kDirectory | Attr::kHidden | Attr::kSystem)) continue;
    list.push_back(path);
  }
  SortByFileName(app, list);
  return list;
}

Menu BuildSendToMenu(App& app) {
  Menu menu;
  const std::vector<std::string> list = SendToList(app);
  const bool numbers = app.model.settings.options.MenuNumbers;
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string name = GetFileName(list[i]);
    std::string caption;
    if (numbers) {
      caption.push_back('&');
      caption.push_back(static_cast<char>('0' + (i + 1) % 10));
      caption.push_back(' ');
    }
    caption.append(name, 0, name.size() - 4);
    MenuItem item = ResultItem(caption, "SendTo");
    item.resultIndex = static_cast<int>(i);
    menu.push_back(item);
  }
  if (menu.empty()) menu.push_back(ResultItem("(Empty)", "SendTo", false));
  return menu;
}

Menu PrepareShelfMenu(App& app, const std::string& key) {
  const bool file = !isVelmName(app, key) && FileExist(app, key);
  Menu menu;
  menu.push_back(ResultItem("開く(&E)", "Execute"));
  menu.push_back(ResultItem("親フォルダを開く(&F)", "ParentFolder"));
  menu.push_back(ResultItem("物置きから削除(&D)", "DeleteEntry"));
  menu.push_back(ResultItem("全て選択(&G)", "SelectAll"));
  if (file) {
    menu.push_back(MenuSeparator());
    MenuItem sendTo = ResultItem("送る(&S)", "");
    sendTo.submenu = BuildSendToMenu(app);
    menu.push_back(sendTo);
  }
  menu.push_back(MenuSeparator());
  menu.push_back(ResultItem("切り取り(&T)", "Cut", file));
  menu.push_back(ResultItem("コピー(&C)", "Copy", file));
  menu.push_back(MenuSeparator());
  menu.push_back(ResultItem("ショートカットの作成(&A)", "Shortcut", file));
  menu.push_back(ResultItem("削除(&W)", "Delete", file));
  menu.push_back(ResultItem("名前の変更(&M)", "Rename", file));
  menu.push_back(MenuSeparator());
  menu.push_back(ResultItem("プロパティ(&R)", "Property", file));
  return menu;
}

void ShowShelfMenu(App& app) {
  if (CountSelected(app) == 0) return;
  const Menu menu = PrepareShelfMenu(app, FocusedKey(app));
  if (ShowPopupMenu(app, menu)) {
    const std::string word = app.form.MenuResult;
    const int index = app.form.MenuResultIndex;
    try {
      RunShelfCommand(app, word, index);
    } catch (...) {
      // A command that fails ends quietly.
    }
  }
  ClearMenuResult(app);
}

}  // namespace velmarin
