#pragma once
// What a screen reader is told about the cells of the main window. The cells are drawn, not
// controls, so the window itself answers for them: each visible cell's name, role, state,
// description and default action, in their order on the screen; what pressing one does; and
// which of them changed since the reader was last told.
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// The names of the two real controls that follow the cells.
inline constexpr const char* kRunBoxAccessName = "実行ボックス";
inline constexpr const char* kShelfAccessName = "物置き";

enum class CellRole { PushButton, StaticText };

struct CellAccess {
  ControlId id;
  std::string name;
  CellRole role = CellRole::PushButton;
  bool unavailable = false;   // a greyed arrow: there is nowhere to go
  bool pressed = false;       // a cell that stays down: execute mode, the shelf open
  std::string description;    // a button cell's item
  std::string defaultAction;  // empty: a press does nothing
  friend bool operator==(const CellAccess&, const CellAccess&) = default;
};

// The visible cells as they read on the screen: the top row from the left (history arrows, the
// page's caption, shelf toggle, mode, close), then the row of buttons and the page arrows.
std::vector<CellAccess> AccessibleCells(const App& app);

// A reader's press on a cell: what a plain left click does (a button launches its item, an arrow
// turns the page, the shelf toggle, the mode cell and the close cell act). Nothing while a dialog
// is open, as no click reaches the window then. False when nothing was done.
bool PressCell(App& app, ControlId id);
// A reader's press carried out after the reader's call returned, with the page it was made on:
// when the page has turned since, the cell it meant is no longer there, and it does nothing.
bool PressCellMadeOn(App& app, ControlId id, int32_t page);

// What changed between two readings of the cells, by place in `after`: names, states, and
// whether cells came or went (then the places themselves changed and a reader reads again).
struct CellChanges {
  std::vector<size_t> renamed;
  std::vector<size_t> restated;
  bool reordered = false;
};
CellChanges CompareCells(const std::vector<CellAccess>& before,
                         const std::vector<CellAccess>& after);

}  // namespace velmarin
