#include "shell/cell_access.h"

#include <gtest/gtest.h>

#include <functional>

#include "launch/names.h"
#include "pages_test_support.h"
#include "panel/pages.h"

namespace velmarin {
namespace {

constexpr ControlId kBack{ControlKind::TitleBar, 3};
constexpr ControlId kForward{ControlKind::TitleBar, 4};
constexpr ControlId kCaption{ControlKind::TitleBar, 1};
constexpr ControlId kNext{ControlKind::TitleBar, 6};
constexpr ControlId kToggle{ControlKind::StorageOpen, 0};
constexpr ControlId kMode{ControlKind::DDExecute, 0};
constexpr ControlId kCell0{ControlKind::Picture1, 0};
constexpr ControlId kCell1{ControlKind::Picture1, 1};

struct AccessTest : PagesFixture {
  AccessTest() {
    Put(0, 0, "C:\\Windows\\notepad.exe", "メモ帳");
    Put(1, 0, "C:\\Tools\\calc.exe", "");
    app.form.pushButtons[kStorageOpenIndex].SetIndex(kStorageOpenIndex);
    app.form.pushButtons[kDDExecuteIndex].SetIndex(kDDExecuteIndex);
    CreatePageHistory(app);
    PageChange(app, 0, true, false);
  }
  void Put(int page, int slot, const std::string& path, const std::string& tip) {
    Button& b = app.model.Pages[static_cast<size_t>(page)].Buttons[static_cast<size_t>(slot)];
    b.Path = path;
    b.ToolTip = tip;
    SetPathParts(app, b);
  }
  CellAccess Cell(ControlId id) {
    for (const CellAccess& cell : AccessibleCells(app)) {
      if (cell.id == id) return cell;
    }
    return CellAccess{};
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const CellAccess& cell : AccessibleCells(app)) names.push_back(cell.name);
    return names;
  }
};

TEST(CellAccess, CellsReadInScreenOrderWithTheirOwnWords) {
  AccessTest f;
  std::vector<std::string> expected{"戻る",       "進む",   "P0",    "物置きを開く",
                                    "登録モード", "閉じる", "メモ帳"};
  for (int k = 1; k < 10; ++k) expected.push_back("空き");
  expected.insert(expected.end(), {"前のページ", "次のページ"});
  EXPECT_EQ(f.Names(), expected);
  const CellAccess notepad = f.Cell(kCell0);
  EXPECT_EQ(notepad.description, "C:\\Windows\\notepad.exe");
  EXPECT_EQ(notepad.defaultAction, "実行");
  EXPECT_EQ(notepad.role, CellRole::PushButton);
  EXPECT_EQ(f.Cell(kCell1).defaultAction, "");  // an empty cell does nothing
  EXPECT_EQ(f.Cell(kCaption).role, CellRole::StaticText);
  EXPECT_EQ(f.Cell(kCaption).defaultAction, "");
  // Fewer buttons, fewer cells.
  f.app.model.settings.MaxButton = 3;
  EXPECT_EQ(f.Names().size(), 6u + 3u + 2u);
}

// What a reader finds on one cell after what the user did.
TEST(CellAccess, NamesAndStatesFollowWhatTheUserDid) {
  struct Row {
    const char* what;
    std::function<void(AccessTest&)> act;
    ControlId cell;
    std::string name;
    bool unavailable;
    bool pressed;
  };
  const std::vector<Row> rows{
      {"nothing seen before: back is grey", [](AccessTest&) {}, kBack, "戻る", true, false},
      {"nothing ahead: forward is grey", [](AccessTest&) {}, kForward, "進む", true, false},
      {"a page turned: back lights up", [](AccessTest& f) { PressCell(f.app, kNext); }, kBack,
       "戻る", false, false},
      {"back again: forward lights up",
       [](AccessTest& f) {
         PressCell(f.app, kNext);
         PressCell(f.app, kBack);
       },
       kForward, "進む", false, false},
      {"the caption follows the page", [](AccessTest& f) { PressCell(f.app, kNext); }, kCaption,
       "P1", false, false},
      {"a button without a tool tip is called by its file",
       [](AccessTest& f) { PressCell(f.app, kNext); }, kCell0, "calc.exe", false, false},
      {"execute mode holds the mode cell down", [](AccessTest& f) { PressCell(f.app, kMode); },
       kMode, "実行モード", false, true},
      {"the mode cell pressed twice: register mode again",
       [](AccessTest& f) {
         PressCell(f.app, kMode);
         PressCell(f.app, kMode);
       },
       kMode, "登録モード", false, false},
      {"the shelf opened", [](AccessTest& f) { PressCell(f.app, kToggle); }, kToggle,
       "物置きを閉じる", false, true},
  };
  for (const Row& row : rows) {
    AccessTest f;
    row.act(f);
    const CellAccess cell = f.Cell(row.cell);
    EXPECT_EQ(cell.name, row.name) << row.what;
    EXPECT_EQ(cell.unavailable, row.unavailable) << row.what;
    EXPECT_EQ(cell.pressed, row.pressed) << row.what;
  }
}

// A reader's press does what a plain click does, and nothing where a click does nothing.
TEST(CellAccess, PressActsAsAPlainClick) {
  struct Row {
    const char* what;
    ControlId cell;
    bool dialogOpen;
    bool acted;
    size_t launches;
    int32_t page;
    int32_t madeOn = 0;  // the page shown when the reader pressed
  };
  const std::vector<Row> rows{
      {"a button launches its item", kCell0, false, true, 1, 0},
      {"an empty button does nothing", kCell1, false, false, 0, 0},
      {"the next-page arrow turns the page", kNext, false, true, 0, 1},
      {"the caption takes no press", kCaption, false, false, 0, 0},
      {"a cell beyond the shown buttons", {ControlKind::Picture1, 11}, false, false, 0, 0},
      {"a button while a dialog is open", kCell0, true, false, 0, 0},
      {"an arrow while a dialog is open", kNext, true, false, 0, 0},
      {"a button pressed on a page turned since", kCell0, false, false, 0, 0, 1},
      {"an arrow pressed on a page turned since", kNext, false, false, 0, 0, 1},
  };
  for (const Row& row : rows) {
    AccessTest f;
    f.fake.desktop.enabled = !row.dialogOpen;
    EXPECT_EQ(PressCellMadeOn(f.app, row.cell, row.madeOn), row.acted) << row.what;
    EXPECT_EQ(f.fake.shell.executions.size(), row.launches) << row.what;
    EXPECT_EQ(f.app.model.CurrentPage, row.page) << row.what;
  }
  AccessTest f;
  PressCell(f.app, kCell0);
  ASSERT_EQ(f.fake.shell.executions.size(), 1u);
  EXPECT_EQ(f.fake.shell.executions[0].file, "C:\\Windows\\notepad.exe");
}

// What a reader is told after a change: the cells whose names or states changed, and whether
// cells came or went.
TEST(CellAccess, ChangesToldAfterAPageTurnAModeChangeAndFewerButtons) {
  struct Row {
    const char* what;
    std::function<void(AccessTest&)> act;
    std::vector<size_t> renamed;
    std::vector<size_t> restated;
    bool reordered;
  };
  const std::vector<Row> rows{
      // Back (0) lights up; the caption (2) and the first button (6) read anew.
      {"a page turn", [](AccessTest& f) { PressCell(f.app, kNext); }, {2, 6}, {0}, false},
      {"the mode changed", [](AccessTest& f) { PressCell(f.app, kMode); }, {4}, {4}, false},
      {"fewer buttons",
       [](AccessTest& f) { f.app.model.settings.MaxButton = 9; },
       {15, 16},
       {},
       true},
      {"nothing", [](AccessTest&) {}, {}, {}, false},
  };
  for (const Row& row : rows) {
    AccessTest f;
    const std::vector<CellAccess> before = AccessibleCells(f.app);
    row.act(f);
    const CellChanges changes = CompareCells(before, AccessibleCells(f.app));
    EXPECT_EQ(changes.renamed, row.renamed) << row.what;
    EXPECT_EQ(changes.restated, row.restated) << row.what;
    EXPECT_EQ(changes.reordered, row.reordered) << row.what;
  }
}

}  // namespace
}  // namespace velmarin
