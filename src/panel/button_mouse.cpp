#include "panel/button_mouse.h"

#include "core/guarded.h"
#include "launch/execute.h"
#include "panel/button_drop.h"
#include "panel/button_paint.h"
#include "panel/draw_icon.h"
#include "panel/hit_test.h"

namespace velmarin {

namespace {

enum class Modifier { None, Shift, Ctrl };

// The shift value compared as a whole: a combination such as Shift+Ctrl is neither Shift nor
// Ctrl and acts as no modifier.
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

void Launch(App& app, const Button& button, const std::string& params) {
  std::string verb = "open";
  int16_t showCmd = button.ShowCmd;
  ExecuteItem(app, button.Path, button.FileName, button.Extension, verb, showCmd, params);
}

// What a left press released over a cell does.
void LeftRelease(App& app, int shift) {
  const PanelState& panel = app.panel;
  if (panel.PressedControl.kind != ControlKind::Picture1) return;
  if (panel.ReleaseTarget != panel.PressedIndex) return;
  // A press with Alt drags the item out of the cell; Shift and Ctrl on the own cell open the
  // delete and drawer menus. None of them launches.
  if (ModifierOf(shift) != Modifier::None || (shift & kAltMask) != 0) return;
  const Button* source = ButtonAt(app, panel.PressedIndex);
  if (!source || source->Path.empty()) return;
  Launch(app, *source, source->Params);
}

// However the release went: the pressed cell comes up again and the tool tips follow the page.
void EndRelease(App& app) {
  const int16_t index = app.panel.PressedIndex;
  if (Button* source = ButtonAt(app, index)) {
    source->State = 1;
    const ControlId cell{ControlKind::Picture1, index};
    Guarded([&] { PaintButtonBase(app, cell, source->State); });
    Guarded([&] {
      MyDrawIcon(app, source->Path, index, 2, 2, cell, source->IconIndex, source->IconFile, true);
    });
  }
  Guarded([&] { ApplyToolTips(app); });
}

}  // namespace

void Picture1_MouseDown(App& app, int16_t index, MouseButton button, int shift) {
  Button* pressed = ButtonAt(app, index);
  if (!pressed) return;
  const ControlId cell{ControlKind::Picture1, index};
  pressed->State = 2;
  Guarded([&] { PaintButtonBase(app, cell, pressed->State); });
  Guarded([&] {
    MyDrawIcon(app, pressed->Path, index, 3, 3, cell, pressed->IconIndex, pressed->IconFile, true);
  });
  app.panel.PressedIndex = index;
  app.panel.PressedControl = cell;
  app.panel.PressedMouseButton = button;
  // Alt drags the button's file out of the window.
  if (shift == kAltMask) DragOutOfCell(app, index);
}

void Picture1_MouseUp(App& app, int16_t /*index*/, MouseButton /*button*/, int shift) {
  Guarded([&] {
    app.panel.ReleaseTarget = HitTestCursor(app);
    // The release acts by the button that was pressed, not the one reported now.
    if (app.panel.PressedMouseButton == MouseButton::Left) LeftRelease(app, shift);
  });
  EndRelease(app);
}

}  // namespace velmarin
