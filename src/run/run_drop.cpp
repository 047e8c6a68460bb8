#include "run/run_drop.h"

#include "core/guarded.h"
#include "core/menu.h"
#include "launch/names.h"
#include "launch/path_argument.h"
#include "launch/shelf_paths.h"
#include "run/run_box.h"

namespace velmarin {

namespace {

constexpr int kLeft = 1;
constexpr int kRight = 2;

}  // namespace

Menu RunDRMenu(bool withToolTip) {
  Menu menu;
  if (withToolTip) menu.push_back(ResultItem("ツールチップ(&T)", "ToolTip"));
  menu.push_back(ResultItem("ショートパス(&S)", "ShortPath"));
  menu.push_back(ResultItem("ロングパス(&G)", "LongPath"));
  return menu;
}

void Run_OLEDragOver(App& app, int buttons) { app.form.run.RunDragButton = buttons; }

void Run_OLEDragDrop(App& app, const std::vector<std::string>& files, int shift) {
  if (files.empty()) return;
  std::string p = files.front();
  const int button = app.form.run.RunDragButton;
  if (button == kLeft) {
    if (shift == kShiftMask) p = ToLongPath(app, p);
    if (shift == kCtrlMask) p = ToShortPath(app, p);
  } else if (button == kRight) {
    // An answer left from an earlier menu must not stand for this one.
    ClearMenuResult(app);
    ShowPopupMenu(app, RunDRMenu(false));
    const std::string result = app.form.MenuResult;
    ClearMenuResult(app);
    if (result == "LongPath") {
      p = ToLongPath(app, p);
    } else if (result == "ShortPath") {
      p = ToShortPath(app, p);
    } else {
      return;
    }
  }
  IRunList* box = app.platform.runList;
  if (!box) return;
  RunBoxState& run = app.form.run;
  run.RunDropInProgress = true;
  Guarded([&] {
    // Into an empty box the path goes as the item to open; after a command, as its argument.
    const std::string old = box->Text();
    if (old.empty()) {
      SetRunText(app, p.find(' ') != std::string::npos ? AddDQs(p) : p);
    } else {
      SetRunText(app, old + " " + PathArgument(p));
    }
  });
  run.RunDropInProgress = false;
  Guarded([&] { box->Focus(); });
}

}  // namespace velmarin
