#include "shell/cell_access.h"

#include "panel/button_paint.h"
#include "panel/drop_mode.h"
#include "panel/gesture_support.h"
#include "panel/pages.h"
#include "shell/dialog_open.h"
#include "shell/main_form.h"
#include "shell/title_bar.h"
#include "storage/shelf.h"

namespace velmarin {

namespace {

constexpr int kPreviousPageCell = 5;
constexpr int kNextPageCell = 6;

CellAccess Arrow(const App& app, int cell) {
  CellAccess a{{ControlKind::TitleBar, cell}, "", CellRole::PushButton, false, false, "", ""};
  switch (cell) {
    case kBackCell:
      a.name = a.defaultAction = "戻る";
      a.unavailable = HistoryStep(app, -1) == 0;
      break;
    case kForwardCell:
      a.name = a.defaultAction = "進む";
      a.unavailable = HistoryStep(app, 1) == 0;
      break;
    case kPreviousPageCell:
      a.name = "前のページ";
      a.defaultAction = "前のページへ";
      break;
    default:
      a.name = "次のページ";
      a.defaultAction = "次のページへ";
      break;
  }
  return a;
}

CellAccess Caption(const App& app) {
  const Page* page = PageAt(app.model, app.model.CurrentPage);
  return {{ControlKind::TitleBar, kCaptionCell},
          page ? page->Caption : "",
          CellRole::StaticText,
          false,
          false,
          "",
          ""};
}

CellAccess ButtonCell(const App& app, int index) {
  CellAccess a{{ControlKind::Picture1, index}, "空き", CellRole::PushButton, false, false, "", ""};
  const Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!page) return a;
  const Button& b = page->Buttons[static_cast<size_t>(index)];
  if (b.Path.empty()) return a;
  // A button without a tool tip is called by its file, as the cell's icon shows it.
  a.name = !b.ToolTip.empty() ? b.ToolTip : !b.FileName.empty() ? b.FileName : b.Path;
  a.description = b.Path;
  a.defaultAction = "実行";
  return a;
}

std::vector<CellAccess> TopRow(const App& app) {
  const bool open = app.model.StorageIsOpen;
  const bool execute = app.model.DropMode;
  return {
      Arrow(app, kBackCell),
      Arrow(app, kForwardCell),
      Caption(app),
      {{ControlKind::StorageOpen, 0},
       open ? "物置きを閉じる" : "物置きを開く",
       CellRole::PushButton,
       false,
       open,
       "",
       open ? "閉じる" : "開く"},
      {{ControlKind::DDExecute, 0},
       execute ? "実行モード" : "登録モード",
       CellRole::PushButton,
       false,
       execute,
       "",
       execute ? "登録モードにする" : "実行モードにする"},
      {{ControlKind::TClose, 0}, "閉じる", CellRole::PushButton, false, false, "", "終了"},
  };
}

bool IsShown(const App& app, ControlId id) {
  if (id.kind == ControlKind::Picture1) return id.index >= 0 && id.index < VisibleCellCount(app);
  if (id.kind == ControlKind::TitleBar) return id.index >= 3 && id.index <= 6;
  return id.kind == ControlKind::StorageOpen || id.kind == ControlKind::DDExecute ||
         id.kind == ControlKind::TClose;
}

}  // namespace

std::vector<CellAccess> AccessibleCells(const App& app) {
  std::vector<CellAccess> cells = TopRow(app);
  const int shown = VisibleCellCount(app);
  for (int k = 0; k < shown; ++k) cells.push_back(ButtonCell(app, k));
  cells.push_back(Arrow(app, kPreviousPageCell));
  cells.push_back(Arrow(app, kNextPageCell));
  return cells;
}

bool PressCell(App& app, ControlId id) {
  if (DialogOpen(app) || !IsShown(app, id)) return false;
  switch (id.kind) {
    case ControlKind::Picture1: {
      const Button* button = ButtonAt(app, id.index);
      if (!button || button->Path.empty()) return false;
      // A copy: the launch may turn the page or change the row.
      const Button launched = *button;
      LaunchButton(app, launched, launched.Params);
      return true;
    }
    case ControlKind::TitleBar:
      TitleBar_Click(app, id.index);
      return true;
    case ControlKind::StorageOpen:
      StorageOpen_Click(app);
      return true;
    case ControlKind::DDExecute:
      DDExecute_Click(app);
      return true;
    case ControlKind::TClose:
      UnloadAndEnd(app);
      return true;
    default:
      return false;
  }
}

bool PressCellMadeOn(App& app, ControlId id, int32_t page) {
  if (page != app.model.CurrentPage) return false;
  return PressCell(app, id);
}

CellChanges CompareCells(const std::vector<CellAccess>& before,
                         const std::vector<CellAccess>& after) {
  CellChanges changes;
  changes.reordered = before.size() != after.size();
  for (size_t k = 0; k < after.size() && k < before.size(); ++k) {
    if (before[k].id != after[k].id) changes.reordered = true;
    if (before[k].name != after[k].name) changes.renamed.push_back(k);
    if (before[k].unavailable != after[k].unavailable || before[k].pressed != after[k].pressed) {
      changes.restated.push_back(k);
    }
  }
  return changes;
}

}  // namespace velmarin
