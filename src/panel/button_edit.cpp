#include "panel/button_edit.h"

#include <algorithm>
#include <utility>

#include "core/guarded.h"
#include "core/strings.h"
#include "launch/names.h"
#include "panel/button_paint.h"
#include "panel/draw_icon.h"

namespace velmarin {

int DrawerSlots(const App& app) {
  return std::clamp<int>(app.model.settings.MaxDrawer, 1, static_cast<int>(kDrawerSlots));
}

void ClearButton(App& app, Button& button, bool withDrawer) {
  ++app.model.edits;
  button.Path.clear();
  button.ToolTip.clear();
  button.Params.clear();
  button.ShowCmd = 0;
  button.State = 1;
  if (!withDrawer) return;
  for (int k = 0; k < DrawerSlots(app); ++k) button.Drawer[static_cast<size_t>(k)].clear();
}

void DeleteDrawerItem(App& app, Button& button, int slot) {
  const int slots = DrawerSlots(app);
  if (slot < 0 || slot >= slots) return;
  ++app.model.edits;
  auto& drawer = button.Drawer;
  drawer[static_cast<size_t>(slot)].clear();
  for (int i = slot; i < slots - 1; ++i) {
    drawer[static_cast<size_t>(i)] = std::move(drawer[static_cast<size_t>(i + 1)]);
    drawer[static_cast<size_t>(i + 1)].clear();
  }
}

void PushDrawerItem(App& app, Button& button, const std::string& item) {
  ++app.model.edits;
  auto& drawer = button.Drawer;
  for (int k = DrawerSlots(app) - 1; k >= 1; --k) {
    drawer[static_cast<size_t>(k)] = drawer[static_cast<size_t>(k - 1)];
  }
  drawer[0] = item;
}

void CopyButton(App& app, const Button& source, Button& target) {
  ++app.model.edits;
  if (&source != &target) target = source;
  Guarded([&] { ApplyToolTips(app); });
}

void SwapButtons(App& app, Button& a, Button& b) {
  ++app.model.edits;
  std::swap(a, b);
  Guarded([&] { ApplyToolTips(app); });
}

void MoveButton(App& app, Button& source, Button& target) {
  if (&source == &target) return;  // a move onto itself would only empty the button
  CopyButton(app, source, target);
  ClearButton(app, source, true);
}

void InsertButton(App& app, Page& page, int s, int t) {
  const int last = static_cast<int>(kButtonSlots) - 1;
  if (s == t || s < 0 || t < 0 || s > last || t > last) return;
  ++app.model.edits;
  auto& slots = page.Buttons;
  const Button moved = slots[static_cast<size_t>(s)];
  const int step = t < s ? -1 : 1;
  for (int b = s; b != t; b += step) {
    slots[static_cast<size_t>(b)] = slots[static_cast<size_t>(b + step)];
  }
  slots[static_cast<size_t>(t)] = moved;
  const bool onScreen = &page == PageAt(app.model, app.model.CurrentPage);
  for (int b = s;; b += step) {
    if (onScreen) Guarded([&] { RepaintButton(app, b); });
    if (b == t) break;
  }
  Guarded([&] { ApplyToolTips(app); });
}

void AssignItem(App& app, int i, const std::string& item) {
  Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!page || i < 0 || i >= static_cast<int>(kButtonSlots)) return;
  ++app.model.edits;
  Button& button = page->Buttons[static_cast<size_t>(i)];
  button.Path = item;
  SetPathParts(app, button);
  if (app.model.settings.options.RegisterLinkTarget && UpperAscii(button.Extension) == "LNK") {
    Guarded([&] {
      button.Path = GetLinkTarget(app, button.Path);
      SetPathParts(app, button);
    });
  }
  button.ToolTip = DefaultToolTip(app, button);
  const ControlId cell{ControlKind::Picture1, i};
  int16_t up = 1;
  Guarded([&] { PaintButtonBase(app, cell, up); });
  Guarded([&] {
    MyDrawIcon(app, button.Path, static_cast<int16_t>(i), 2, 2, cell, button.IconIndex,
               button.IconFile, true);
  });
}

}  // namespace velmarin
