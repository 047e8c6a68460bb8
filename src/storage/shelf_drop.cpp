#include "storage/shelf_drop.h"

#include "core/menu.h"
#include "launch/execute.h"
#include "launch/names.h"
#include "launch/path_argument.h"
#include "launch/shelf_register.h"
#include "panel/drag_out.h"
#include "storage/shelf.h"

namespace velmarin {

namespace {

// The program opens the path, handed to it as one argument.
void Launch(App& app, const Button& program, const std::string& path) {
  std::string verb;
  int16_t show = 0;
  ExecuteItem(app, program.Path, program.FileName, program.Extension, verb, show,
              ParamsWithPath(app, program.Path, "", path));
}

Button ProgramRecord(App& app, const std::string& path) {
  Button program;
  program.Path = path;
  SetPathParts(app, program);
  return program;
}

// The dropped files opened by the shelf's focused entry.
void OpenDroppedWithEntry(App& app, const std::vector<std::string>& files) {
  if (!ConfirmLaunchOf(app, static_cast<int>(files.size()))) return;
  const Button program = ProgramRecord(app, FocusedKey(app));
  for (const std::string& file : files) {
    Launch(app, program, file);
    RunPendingEvents(app);
  }
}

// The shelf's entries opened by the one dropped program.
void OpenEntriesWithDropped(App& app, const std::vector<std::string>& files) {
  if (files.size() != 1) {
    if (app.platform.messageBox) {
      app.platform.messageBox->Show("関連付けするファイルは１つしか指定できません",
                                    "ドロップされたファイルが多すぎます", MbButtons::Ok,
                                    MbIcon::None);
    }
    return;
  }
  const Button program = ProgramRecord(app, files[0]);
  IShelfList* shelf = app.platform.shelf;
  if (!app.model.settings.options.StorageMultiExecute) {
    const std::string key = FocusedKey(app);
    if (!key.empty() && !isVelmName(app, key)) Launch(app, program, key);
    return;
  }
  if (!ConfirmLaunchOf(app, CountSelected(app))) return;
  const int count = shelf->Count();
  for (int i = 0; i < count; ++i) {
    if (!shelf->Selected(i)) continue;
    const std::string key = shelf->Key(i);
    if (isVelmName(app, key)) continue;
    Launch(app, program, key);
    RunPendingEvents(app);
  }
}

}  // namespace

// The buttons as they are: a drag with both buttons, or with the middle one, is neither a left nor
// a right drop, and the drop then adds and asks nothing.
void Storage_OLEDragOver(App& app, int buttons) {
  app.form.ShelfDragButton = static_cast<int16_t>(buttons);
}

Menu StorageRDDMenu(App& app) {
  const bool selection = CountSelected(app) > 0;
  return {ResultItem("登録する(&R)", "Register", true),
          ResultItem("物置きのアイテムに関連付けて開く(&E)", "DExecute", selection),
          ResultItem("物置きのアイテムを関連付けで開く(&A)", "SExecute", selection)};
}

void Storage_OLEDragDrop(App& app, const std::vector<std::string>& files) {
  try {
    if (!files.empty() && app.form.ShelfDragButton == 1) {
      for (const std::string& file : files) AddToShelf(app, file);
    } else if (!files.empty() && app.form.ShelfDragButton == 2) {
      ShowPopupMenu(app, StorageRDDMenu(app));
      const std::string word = app.form.MenuResult;
      ClearMenuResult(app);
      if (word == "Register") {
        for (const std::string& file : files) AddToShelf(app, file);
      } else if (word == "DExecute") {
        OpenDroppedWithEntry(app, files);
      } else if (word == "SExecute") {
        OpenEntriesWithDropped(app, files);
      }
    }
  } catch (...) {
    // A failing drop leaves the rest of it; the tool tip is still refreshed.
  }
  ClearMenuResult(app);
  if (CountSelected(app) > 0 && app.platform.shelf) app.platform.shelf->SetToolTip(FocusedKey(app));
}

std::vector<std::string> DragOutFiles(App& app) {
  std::vector<std::string> files;
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return files;
  for (int i = 0; i < shelf->Count(); ++i) {
    if (!shelf->Selected(i)) continue;
    const std::string key = shelf->Key(i);
    if (!isVelmName(app, key) && FileExist(app, key)) files.push_back(key);
  }
  return files;
}

void DragSelectionOut(App& app) {
  DragFilesOutOf(app, {ControlKind::Storage, 0}, DragOutFiles(app));
}

}  // namespace velmarin
