#include "panel/button_layout.h"

#include "core/guarded.h"
#include "core/units.h"
#include "panel/button_paint.h"

namespace velmarin {

void LayoutButtons(App& app) {
  IControls* controls = app.platform.controls;
  if (!controls) return;
  const Settings& s = app.model.settings;
  const int tppX = TwipsPerPixelX(app);
  const int tppY = TwipsPerPixelY(app);
  const int count = VisibleCellCount(app);
  const int top = s.TitleTop / tppY;
  for (int k = 0; k < count; ++k) {
    // The step is the cell's height, as the row has always been laid out; the cells are square.
    const int left = (s.PanelLeft + k * s.ButtonHeight * tppY) / tppX;
    const ControlId cell{ControlKind::Picture1, k};
    Guarded([&] { controls->Place(cell, {left, top, s.ButtonWidth, s.ButtonHeight}); });
    int16_t up = 1;
    Guarded([&] { PaintButtonBase(app, cell, up); });
    Guarded([&] { controls->Refresh(cell); });
  }
}

}  // namespace velmarin
