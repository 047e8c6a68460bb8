#include "panel/button_paint.h"

#include <algorithm>

#include "core/guarded.h"
#include "launch/names.h"
#include "panel/draw_icon.h"

namespace velmarin {

namespace {

ControlId CellOf(int i) { return {ControlKind::Picture1, i}; }

// The face and icon of an up cell; the caller has set the path parts.
void PaintUp(App& app, int i, const Button& button) {
  const ControlId cell = CellOf(i);
  int16_t up = 1;
  Guarded([&] { PaintButtonBase(app, cell, up); });
  Guarded([&] {
    MyDrawIcon(app, button.Path, static_cast<int16_t>(i), 2, 2, cell, button.IconIndex,
               button.IconFile, true);
  });
}

}  // namespace

int VisibleCellCount(const App& app) {
  return std::clamp<int>(app.model.settings.MaxButton, 1, kButtonSlots);
}

void PaintButtonBase(App& app, ControlId obj, int16_t& state) {
  if (state < 1) state = 1;
  if (IControls* controls = app.platform.controls) {
    controls->SetFace(obj, FaceList::ImageList1, state);
  }
  // The skin under the cell inside its 2-pixel frame.
  if (app.model.settings.options.UseSkin) app.Commands().SkinPaint(obj, 2);
}

void RepaintButton(App& app, int i) {
  if (i < 0 || i >= VisibleCellCount(app)) return;
  Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!page) return;
  Button& button = page->Buttons[static_cast<size_t>(i)];
  Guarded([&] { SetPathParts(app, button); });
  PaintUp(app, i, button);
}

void RepaintPage(App& app) {
  const int cells = VisibleCellCount(app);
  for (int i = 0; i < cells; ++i) RepaintButton(app, i);
}

void RestoreButtons(App& app) {
  Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!page) return;
  const int cells = VisibleCellCount(app);
  for (int i = 0; i < cells; ++i) {
    Button& button = page->Buttons[static_cast<size_t>(i)];
    if (button.State != 2) continue;
    button.State = 1;
    PaintUp(app, i, button);
  }
}

void ApplyToolTips(App& app) {
  IControls* controls = app.platform.controls;
  if (!controls || !app.model.settings.options.ShowToolTips) return;
  const Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!page) return;
  const int cells = VisibleCellCount(app);
  for (int i = 0; i < cells; ++i) {
    Guarded(
        [&] { controls->SetToolTip(CellOf(i), page->Buttons[static_cast<size_t>(i)].ToolTip); });
  }
}

}  // namespace velmarin
