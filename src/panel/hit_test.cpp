#include "panel/hit_test.h"

#include <algorithm>

namespace velmarin {

namespace {

// Both ends included: the last pixel column and row still belong to the control.
bool Contains(IControls& controls, ControlId id, int x, int y) {
  const std::optional<PixelRect> rc = controls.Bounds(id);
  if (!rc) return false;
  return x >= rc->left && x <= rc->left + rc->width - 1 && y >= rc->top &&
         y <= rc->top + rc->height - 1;
}

}  // namespace

int16_t HitTestPoint(App& app, int x, int y) {
  IControls* controls = app.platform.controls;
  if (!controls) return TargetNone;
  if (Contains(*controls, {ControlKind::Run, 0}, x, y)) return TargetRun;
  // A closed shelf is still placed below the row; only an open one takes the release.
  if (app.model.StorageIsOpen && Contains(*controls, {ControlKind::Storage, 0}, x, y)) {
    return TargetShelf;
  }
  // Cells beyond MaxButton are hidden and keep an old rectangle: they take no release.
  const int cells = std::clamp<int>(app.model.settings.MaxButton, 0, kButtonSlots);
  for (int k = 0; k < cells; ++k) {
    if (Contains(*controls, {ControlKind::Picture1, k}, x, y)) return static_cast<int16_t>(k);
  }
  return TargetNone;
}

int16_t HitTestCursor(App& app) {
  PanelState& panel = app.panel;
  int x = 0;
  int y = 0;
  if (app.platform.system && app.platform.system->CursorClientPosition(x, y)) {
    panel.cursorX = x;
    panel.cursorY = y;
  }
  return HitTestPoint(app, panel.cursorX, panel.cursorY);
}

}  // namespace velmarin
