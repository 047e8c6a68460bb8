#include "panel/button_edit.h"

#include <algorithm>

#include "core/guarded.h"
#include "core/strings.h"
#include "launch/names.h"
#include "panel/button_paint.h"
#include "panel/draw_icon.h"

namespace velmarin {

void AssignItem(App& app, int16_t index, const std::string& item) {
  if (index < 0 || index >= VisibleCellCount(app)) return;
  Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!page) return;
  Button& button = page->Buttons[static_cast<size_t>(index)];
  button.Path = item;
  SetPathParts(app, button);
  if (app.model.settings.options.RegisterLinkTarget && UpperAscii(button.Extension) == "LNK") {
    button.Path = GetLinkTarget(app, button.Path);
    SetPathParts(app, button);
  }
  button.ToolTip = DefaultToolTip(app, button);
  const ControlId cell{ControlKind::Picture1, index};
  int16_t up = 1;
  Guarded([&] { PaintButtonBase(app, cell, up); });
  Guarded([&] {
    MyDrawIcon(app, button.Path, index, 2, 2, cell, button.IconIndex, button.IconFile, true);
  });
}

void PushDrawerItem(App& app, Button& button, const std::string& item) {
  const int slots = std::clamp<int>(app.model.settings.MaxDrawer, 1, kDrawerSlots);
  for (int k = slots - 1; k >= 1; --k) {
    button.Drawer[static_cast<size_t>(k)] = button.Drawer[static_cast<size_t>(k - 1)];
  }
  button.Drawer[0] = item;
}

}  // namespace velmarin
