#include "panel/button_drop.h"

#include "core/guarded.h"
#include "core/menu.h"
#include "launch/confirm_launch.h"
#include "launch/execute.h"
#include "launch/names.h"
#include "panel/button_edit.h"
#include "panel/button_paint.h"
#include "panel/drag_out.h"
#include "panel/draw_icon.h"
#include "panel/gesture_support.h"

namespace velmarin {

namespace {

void PutIntoDrawer(App& app, int16_t index, Button& button, const std::vector<std::string>& files) {
  for (const std::string& file : files) PushDrawerItem(app, button, file);
  // The ticks are drawn into the cell and shown at once.
  ShowDrawerMarks(app, button, index);
}

// The button's item opens each dropped file; an internal command gets the whole list at once,
// each path ended by a NUL and the list by one more.
void OpenWithButton(App& app, const Button& button, const std::vector<std::string>& files) {
  if (isVelmName(app, button.Path)) {
    std::string list;
    for (const std::string& file : files) list += file + '\0';
    list += '\0';
    LaunchButton(app, button, list);
    return;
  }
  if (!ConfirmMultiExecute(app, static_cast<int>(files.size()))) return;
  // The window keeps painting and answering between the launches, so the loop works on a copy
  // of the button.
  const Button copy = button;
  for (size_t i = 0; i < files.size(); ++i) {
    if (i > 0 && app.platform.system) app.platform.system->LetPendingEventsRun();
    LaunchButtonWithPath(app, copy, files[i]);
  }
}

void LeftDrop(App& app, int16_t index, Button& button, const std::vector<std::string>& files,
              int shift) {
  if (shift == 0 || shift == kShiftMask || shift == kAltMask) {
    const bool reg = shift != 0 || !app.model.DropMode;
    const bool empty = button.Path.empty();
    if ((reg || empty) && (empty || shift != kAltMask)) {
      AssignItem(app, index, files.front());
    } else {
      OpenWithButton(app, button, files);
    }
  } else if (shift == kCtrlMask) {
    PutIntoDrawer(app, index, button, files);
  }
  // Any combination of keys does nothing.
}

void RightDrop(App& app, int16_t index, const std::vector<std::string>& files) {
  Guarded([&] { ShowPopupMenu(app, DDRightButtonMenu()); });
  const std::string result = app.form.MenuResult;
  ClearMenuResult(app);
  // The menu let other events run: the button is looked up again.
  Button* button = ButtonAt(app, index);
  if (!button) return;
  const std::string& first = files.front();
  if (result == "DDRRegister") {
    AssignItem(app, index, first);
    if (app.platform.controls) {
      app.platform.controls->SetToolTip({ControlKind::Picture1, index}, button->ToolTip);
    }
  } else if (result == "DDRAssocDDItemExecute") {
    LaunchButtonWithPath(app, *button, first);
  } else if (result == "DDRAssocButtonExecute") {
    // The button's item is one argument, whatever its path holds.
    LaunchStringWithPath(app, first, button->Path, Show::kNormal);
  } else if (result == "DDRPutMiniDrawer") {
    PutIntoDrawer(app, index, *button, files);
  }
}

}  // namespace

Menu DDRightButtonMenu() {
  Menu menu;
  menu.push_back(ResultItem("登録(&R)", "DDRRegister"));
  menu.push_back(ResultItem("ボタンに関連付けて開く(&E)", "DDRAssocDDItemExecute"));
  menu.push_back(ResultItem("ボタンを関連付けで開く(&A)", "DDRAssocButtonExecute"));
  menu.push_back(ResultItem("ドローワに入れる(&V)", "DDRPutMiniDrawer"));
  MenuItem separator;
  separator.separator = true;
  menu.push_back(separator);
  menu.push_back(ResultItem("キャンセル(&C)", "DDRCancel"));
  return menu;
}

void Picture1_OLEDragOver(App& app, int buttons) {
  app.panel.DragButton = static_cast<int16_t>(buttons);
}

void Picture1_OLEDragDrop(App& app, int16_t index, const std::vector<std::string>& files,
                          int shift) {
  Guarded([&] {
    Button* button = ButtonAt(app, index);
    if (!button || files.empty()) return;
    if (app.panel.DragButton == 1) LeftDrop(app, index, *button, files, shift);
    if (app.panel.DragButton == 2) RightDrop(app, index, files);
  });
  Guarded([&] { ApplyToolTips(app); });
}

void DragOutOfCell(App& app, int16_t index) {
  Button* button = ButtonAt(app, index);
  if (!button) return;
  const ControlId cell{ControlKind::Picture1, index};
  Guarded([&] {
    if (!isVelmName(app, button->Path) && FileExist(app, button->Path)) {
      DragFilesOutOf(app, cell, {button->Path});
    }
  });
  // The drag took the release: the cell comes up now.
  button = ButtonAt(app, index);
  if (!button) return;
  button->State = 1;
  Guarded([&] { PaintButtonBase(app, cell, button->State); });
  Guarded([&] {
    MyDrawIcon(app, button->Path, index, 2, 2, cell, button->IconIndex, button->IconFile, true);
  });
  Guarded([&] { ApplyToolTips(app); });
}

}  // namespace velmarin
