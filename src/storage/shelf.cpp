#include "storage/shelf.h"

#include "launch/execute.h"
#include "launch/names.h"
#include "panel/drag_out.h"
#include "panel/push_button.h"
#include "storage/shelf_drop.h"
#include "storage/shelf_menu.h"

namespace velmarin {

namespace {

constexpr ControlId kToggle{ControlKind::StorageOpen, 0};
constexpr ControlId kList{ControlKind::Storage, 0};

PushButton& Toggle(App& app) { return app.form.pushButtons[kStorageOpenIndex]; }

// The window's outer height with the shelf shown below the row, or cut off under it.
void FitWindow(App& app, bool open) {
  if (!app.platform.system || !app.platform.controls) return;
  const auto storage = app.platform.controls->Bounds(kList);
  if (!storage) return;
  const int border = 2 * app.form.BorderWidth;
  app.platform.system->SetMainWindowHeight(open ? storage->top + storage->height + border
                                                : storage->top + border - 1);
}

void AcceptDropsOnToggle(App& app, bool accept) {
  if (app.platform.controls) app.platform.controls->AcceptDrops(kToggle, accept);
}

// A closed shelf, however it was closed, opens again when a file is dragged over its toggle.
void SetOpen(App& app, bool open) {
  AcceptDropsOnToggle(app, !open);
  app.model.StorageIsOpen = open;
  app.model.settings.options.SavedStorageOpen = open;
  EnableShelfList(app, open);
  FitWindow(app, open);
}

void SetToggle(App& app, int16_t value) {
  Toggle(app).SetValue(value);
  Toggle(app).SetPushed(value != 0);
  PaintPushButton(app, Toggle(app));
}

}  // namespace

int16_t CountSelected(App& app) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf || shelf->Count() == 0 || shelf->Focused() < 0) return 0;
  int16_t n = 0;
  for (int i = 0; i < shelf->Count(); ++i) {
    if (shelf->Selected(i)) ++n;
  }
  return n;
}

std::string FocusedKey(App& app) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return {};
  const int focused = shelf->Focused();
  return focused < 0 ? std::string() : shelf->Key(focused);
}

void RefreshShelfToolTip(App& app) {
  if (!app.platform.shelf) return;
  app.platform.shelf->SetToolTip(CountSelected(app) == 0 ? std::string() : FocusedKey(app));
}

void sDeleteSelected(App& app) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return;
  for (int i = shelf->Count() - 1; i >= 0; --i) {
    if (shelf->Selected(i)) shelf->RemoveAt(i);
  }
  RefreshShelfToolTip(app);
}

void EnableShelfList(App& app, bool enabled) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return;
  // Typing goes on into the Run box rather than nowhere.
  if (!enabled && shelf->HasKeyboard() && app.platform.runList) app.platform.runList->Focus();
  shelf->SetEnabled(enabled);
}

void PrepareShelfList(App& app) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return;
  shelf->SetToolTip("");
  shelf->SetEnabled(false);
}

void OpenShelf(App& app) {
  SetToggle(app, 1);
  SetOpen(app, true);
}

void CloseShelf(App& app) {
  SetToggle(app, 0);
  SetOpen(app, false);
}

void StorageOpen_MouseDown(App& app) {
  Toggle(app).SetPushed(true);
  PaintPushButton(app, Toggle(app));
}

void StorageOpen_PressCancelled(App& app) {
  PushButton& toggle = Toggle(app);
  toggle.SetPushed(toggle.Value() != 0);
  PaintPushButton(app, toggle);
}

void StorageOpen_MouseUp(App& app) {
  PushButton& toggle = Toggle(app);
  const bool over = app.platform.system && app.platform.system->IsCursorOverControl(kToggle);
  if (!over) {
    // Released elsewhere: the press is undone and the shelf stays as it was.
    toggle.SetPushed(toggle.Value() != 0);
    PaintPushButton(app, toggle);
    return;
  }
  StorageOpen_Click(app);
}

void StorageOpen_Click(App& app) {
  if (Toggle(app).Value() == 0) {
    OpenShelf(app);
  } else {
    CloseShelf(app);
  }
}

void StorageOpen_OLEDragOver(App& app) {
  AcceptDropsOnToggle(app, false);
  if (!app.model.StorageIsOpen) OpenShelf(app);
}

void Storage_MouseDown(App& app, MouseButton button, int shift, int x, int y) {
  ForgetDragOut(app);
  app.panel.PressedIndex = 0;
  app.panel.PressedMouseButton = button;
  app.panel.PressedControl = kList;
  IShelfList* shelf = app.platform.shelf;
  if (!shelf || shelf->Count() == 0 || shelf->Focused() < 0) return;
  shelf->SetToolTip(FocusedKey(app));
  // Alt drags the selection out once the mouse moves.
  if (shift == kAltMask) ReadyDragOut(app, kList, x, y);
}

void Storage_MouseMove(App& app, int x, int y) {
  if (DragOutStartsAt(app, kList, x, y)) DragSelectionOut(app);
}

void Storage_MouseUp(App& app, MouseButton button, int shift) {
  ForgetDragOut(app);
  if (app.panel.PressedControl != kList) return;
  if (app.panel.PressedMouseButton == MouseButton::Right) {
    ShowShelfMenu(app);
    return;
  }
  if (app.panel.PressedMouseButton != MouseButton::Left) return;
  IShelfList* shelf = app.platform.shelf;
  if (!shelf || shelf->Count() == 0 || shelf->Focused() < 0) return;
  // While a selection is extended with Shift or Ctrl, the tool tip keeps the previous entry.
  if (shift == kShiftMask || shift == kCtrlMask) return;
  shelf->SetToolTip(FocusedKey(app));
}

void Storage_DblClick(App& app) {
  const Options& o = app.model.settings.options;
  if (CountSelected(app) > 0 && o.StorageDblClickExecute) {
    LaunchShelfItem(app, FocusedKey(app), "", "");
  }
  if (o.StorageDblClickClose) CloseShelf(app);
}

void LaunchShelfItem(App& app, const std::string& item, const std::string& verb,
                     const std::string& params) {
  Button temp;
  temp.Path = item;
  SetPathParts(app, temp);
  std::string v = verb;
  int16_t show = 0;
  ExecuteItem(app, temp.Path, temp.FileName, temp.Extension, v, show, params);
}

bool ConfirmLaunchOf(App& app, int n) {
  if (n <= app.model.settings.MaxMultiExecute || !app.platform.messageBox) return true;
  const std::string text = "これら " + std::to_string(n) + " 個のファイルを開きますか？";
  return app.platform.messageBox->Show(text, "起動の確認", MbButtons::OkCancel, MbIcon::Question) ==
         MbResult::Ok;
}

void RunPendingEvents(App& app) {
  if (app.platform.system) app.platform.system->LetPendingEventsRun();
}

}  // namespace velmarin
