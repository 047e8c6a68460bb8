#include "panel/gesture_support.h"

#include "launch/execute.h"
#include "launch/names.h"
#include "launch/path_argument.h"
#include "panel/button_edit.h"
#include "panel/button_paint.h"
#include "panel/draw_icon.h"

namespace velmarin {

Modifier ModifierOf(int shift) {
  if (shift == kShiftMask) return Modifier::Shift;
  if (shift == kCtrlMask) return Modifier::Ctrl;
  return Modifier::None;
}

Button* ButtonAt(App& app, int index) {
  if (index < 0 || index >= VisibleCellCount(app)) return nullptr;
  Page* page = PageAt(app.model, app.model.CurrentPage);
  return page ? &page->Buttons[static_cast<size_t>(index)] : nullptr;
}

void LaunchButton(App& app, const Button& button, const std::string& params) {
  std::string verb = "open";
  int16_t showCmd = button.ShowCmd;
  ExecuteItem(app, button.Path, button.FileName, button.Extension, verb, showCmd, params);
}

void LaunchString(App& app, const std::string& item, const std::string& params, int16_t showCmd) {
  if (item.empty()) return;
  Button parts;
  parts.Path = item;
  SetPathParts(app, parts);
  std::string verb = "open";
  ExecuteItem(app, item, parts.FileName, parts.Extension, verb, showCmd, params);
}

void LaunchButtonWithPath(App& app, const Button& button, const std::string& path) {
  LaunchButton(app, button, ParamsWithPath(app, button.Path, button.Params, path));
}

void LaunchStringWithPath(App& app, const std::string& item, const std::string& path,
                          int16_t showCmd) {
  LaunchString(app, item, ParamsWithPath(app, item, "", path), showCmd);
}

std::string SelectedShelfKey(App& app) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return {};
  const int focused = shelf->Focused();
  if (focused >= 0 && focused < shelf->Count() && shelf->Selected(focused)) {
    return shelf->Key(focused);
  }
  for (int i = 0; i < shelf->Count(); ++i) {
    if (shelf->Selected(i)) return shelf->Key(i);
  }
  return {};
}

std::vector<std::string> SelectedShelfKeysFromBottom(App& app, int limit) {
  std::vector<std::string> keys;
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return keys;
  for (int i = shelf->Count() - 1; i >= 0 && static_cast<int>(keys.size()) < limit; --i) {
    if (shelf->Selected(i)) keys.push_back(shelf->Key(i));
  }
  return keys;
}

std::string QuotedWhenSpaced(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : AddDQs(path);
}

void ShowDrawerMarks(App& app, const Button& button, int index) {
  const ControlId cell{ControlKind::Picture1, index};
  DrawDrawerMarks(app, button, cell);
  if (app.platform.controls) app.platform.controls->Refresh(cell);
}

void PutSelectedShelfEntriesIntoDrawer(App& app, Button& button, int index) {
  for (const std::string& key : SelectedShelfKeysFromBottom(app, DrawerSlots(app))) {
    PushDrawerItem(app, button, key);
  }
  ShowDrawerMarks(app, button, index);
}

bool ConfirmMultiLaunch(App& app, int n) {
  if (n <= app.model.settings.MaxMultiExecute) return true;
  if (!app.platform.messageBox) return false;  // no one to ask: launch none
  const std::string text = "これら " + std::to_string(n) + " 個のファイルを開きますか？";
  return app.platform.messageBox->Show(text, "起動の確認", MbButtons::OkCancel, MbIcon::Question) ==
         MbResult::Ok;
}

}  // namespace velmarin
