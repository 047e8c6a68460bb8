#include "panel/button_layout.h"

#include <algorithm>

#include "core/units.h"

namespace velmarin {

void LayoutButtons(App& app) {
  IControls* controls = app.platform.controls;
  if (!controls) return;
  const Settings& s = app.model.settings;
  const int tppX = TwipsPerPixelX(app);
  const int tppY = TwipsPerPixelY(app);
  const int count = std::clamp<int>(s.MaxButton, 1, kButtonSlots);
  const int top = s.TitleTop / tppY;
  for (int k = 0; k < count; ++k) {
    // The step is the cell's height, as the row has always been laid out; the cells are square.
    const int left = (s.PanelLeft + k * s.ButtonHeight * tppY) / tppX;
    const ControlId cell{ControlKind::Picture1, k};
    controls->Place(cell, {left, top, s.ButtonWidth, s.ButtonHeight});
    controls->SetFace(cell, FaceList::ImageList1, 1);
    controls->Refresh(cell);
  }
}

}  // namespace velmarin
