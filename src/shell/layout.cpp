#include "shell/layout.h"

#include <cmath>

#include "core/guarded.h"
#include "core/units.h"
#include "panel/button_layout.h"
#include "panel/draw_icon.h"
#include "panel/drop_mode.h"
#include "panel/pages.h"
#include "panel/push_button.h"
#include "storage/shelf.h"

namespace velmarin {

namespace {

int ClampedMaxButton(const App& app) {
  const int n = app.model.settings.MaxButton;
  return n < 1 ? 1 : (n > kButtonSlots ? kButtonSlots : n);
}

void PlaceFromTable(App& app, const WindowGeometry& g) {
  IControls* c = app.platform.controls;
  if (!c) return;
  // The page caption in bold 10 points.
  Guarded([&] { c->SetFont({ControlKind::TitleBar, 1}, 10, true); });
  // The title cells first, then the three small cells, as the window has always moved them.
  for (int k = 1; k <= 6; ++k) c->Place({ControlKind::TitleBar, k}, g.titleBar[k]);
  c->Place({ControlKind::StorageOpen, 0}, g.storageOpen);
  c->Place({ControlKind::DDExecute, 0}, g.ddExecute);
  c->Place({ControlKind::TClose, 0}, g.tClose);
}

// The four arrow cells: the small cells' normal face, the skin under them, and their icons
// (history back and forward in their "nothing there" look, previous and next page).
void PaintArrowCells(App& app) {
  IControls* c = app.platform.controls;
  if (!c) return;
  const int cells[4] = {3, 4, 5, 6};
  const int16_t icons[4] = {0, 3, 1, 4};
  for (int k = 0; k < 4; ++k) {
    Guarded([&] {
      const ControlId id{ControlKind::TitleBar, cells[k]};
      c->SetFace(id, FaceList::ImageList2, 1);
      app.Commands().SkinPaint(id, 1);
      MyDrawIcon(app, IconLibraryPath(app), 0, 2, 1, id, icons[k], "", false);
    });
  }
}

// The whole window at its kept place (screen pixels) and its size (layout pixels; the frame in
// screen pixels), with the shelf open or closed.
PixelRect OuterRect(App& app, bool shelfOpen) {
  const Settings& s = app.model.settings;
  const WindowGeometry g = ComputeGeometry(ClampedMaxButton(app), s.ButtonWidth, s.ButtonHeight);
  const DesktopUnits desktop = Desktop(app);
  return {desktop.Pixels(app.model.WindowLeft), desktop.Pixels(app.model.WindowTop),
          2 * app.form.BorderWidth + g.clientWidth, OuterHeight(app, shelfOpen)};
}

// At start-up the mode is the one kept from the last run or the start mode; later it stays as the
// user left it (the settings dialog sets it itself when its start mode was changed).
void SetDropMode(App& app, bool firstTime) {
  const Options& o = app.model.settings.options;
  if (!firstTime) {
    SetDropModeShown(app, app.model.DropMode);
    return;
  }
  SetDropModeShown(app, o.KeepDropMode ? o.SavedDropMode : o.StartInExecuteMode);
}

// With KeepStorageOpen the shelf opens as it was left (at start-up and after the settings
// dialog alike); without it the shelf starts closed and its last state is forgotten.
void SetShelfState(App& app) {
  Options& o = app.model.settings.options;
  const bool open = o.KeepStorageOpen && o.SavedStorageOpen;
  if (!o.KeepStorageOpen) o.SavedStorageOpen = false;
  app.model.StorageIsOpen = open;
  PushButton& toggle = app.form.pushButtons[kStorageOpenIndex];
  toggle.SetValue(open ? 1 : 0);
  toggle.SetPushed(open);
  EnableShelfList(app, open);
  // A drag over the toggle opens a closed shelf, also one the settings dialog closed.
  if (IControls* controls = app.platform.controls) {
    controls->AcceptDrops({ControlKind::StorageOpen, 0}, !open);
  }
  if (!open && app.platform.system) app.platform.system->MoveMainWindow(OuterRect(app, false));
  PaintPushButton(app, toggle);
}

// Whether any of the window (the row, with the shelf closed) lies on a monitor's work area.
bool OnAMonitor(App& app, IScreen& screen) {
  const Model& m = app.model;
  if (!(std::fabs(m.WindowLeft) < 2.0e9f && std::fabs(m.WindowTop) < 2.0e9f)) return false;
  const PixelRect w = OuterRect(app, false);
  for (const PixelRect& a : screen.WorkAreas()) {
    if (w.left < a.left + a.width && a.left < w.left + w.width && w.top < a.top + a.height &&
        a.top < w.top + w.height) {
      return true;
    }
  }
  return false;
}

// A window without a kept position takes the designed one. A place on one of the monitors is
// kept as it is, so the window stays on a second monitor; one on none (a monitor unplugged
// since, a hand-written number) wraps round the primary screen.
void KeepOnScreen(App& app) {
  Model& m = app.model;
  if (!m.hasWindowLeft) m.WindowLeft = kDesignedLeft;
  if (!m.hasWindowTop) m.WindowTop = kDesignedTop;
  m.hasWindowLeft = true;
  m.hasWindowTop = true;
  IScreen* screen = app.platform.screen;
  if (!screen || OnAMonitor(app, *screen)) return;
  const DesktopUnits desktop = Desktop(app);
  const auto extent = [&](int pixels) { return static_cast<int32_t>(desktop.Twips(pixels)); };
  m.WindowLeft = static_cast<float>(WrapOnScreen(m.WindowLeft, extent(screen->WidthPixels())));
  m.WindowTop = static_cast<float>(WrapOnScreen(m.WindowTop, extent(screen->HeightPixels())));
}

// The window kept on the screen at its open-shelf size, and every control where the table puts
// it: the shelf, the row of cells, the title and small cells, the Run box.
void PlaceEverything(App& app) {
  Model& m = app.model;
  Settings& s = m.settings;
  IControls* controls = app.platform.controls;
  const int n = ClampedMaxButton(app);
  const WindowGeometry g = ComputeGeometry(n, s.ButtonWidth, s.ButtonHeight);
  Guarded([&] {
    s.PanelLeft = 0;
    s.TitleTop = kTitleHeight * TwipsPerPixelY(app);
  });
  Guarded([&] {
    KeepOnScreen(app);
    if (app.platform.system) app.platform.system->MoveMainWindow(OuterRect(app, true));
  });
  Guarded([&] {
    if (controls) controls->Place({ControlKind::Storage, 0}, g.storage);
  });
  Guarded([&] {
    if (!controls) return;
    for (int k = 0; k < kButtonSlots; ++k) controls->SetVisible({ControlKind::Picture1, k}, k < n);
  });
  Guarded([&] { LayoutButtons(app); });
  Guarded([&] { PlaceFromTable(app, g); });
  Guarded([&] {
    if (controls) controls->Place({ControlKind::Run, 0}, g.run);
  });
}

}  // namespace

WindowGeometry ComputeGeometry(int maxButton, int buttonWidth, int buttonHeight) {
  const int n = maxButton;
  const int b = buttonWidth;
  WindowGeometry g;
  g.titleBar[3] = {0, 0, kTitleCell, kTitleHeight};
  g.titleBar[4] = {kTitleCell, 0, kTitleCell, kTitleHeight};
  g.titleBar[1] = {75, 0, (n - 5) * kTitleCell - 2, kTitleHeight};
  g.run = {(n - 3) * kTitleCell, -1, kRunWidth, kRunHeight};
  g.storageOpen = {n * b + 1, 0, b, kTitleHeight};
  g.ddExecute = {(n + 1) * b + 1, 0, 19, kTitleHeight};
  g.tClose = {g.ddExecute.left + 20, 0, 17, kTitleHeight};
  for (int k = 0; k < kButtonSlots; ++k) {
    g.cells[static_cast<size_t>(k)] = {k * buttonHeight, kTitleHeight, b, buttonHeight};
  }
  g.titleBar[5] = {n * b + 1, kTitleHeight, b, kTitleHeight};
  g.titleBar[6] = {g.titleBar[5].left + g.titleBar[5].width, kTitleHeight, b, kTitleHeight};
  g.titleBar[2] = {n * b + 1, 2 * kTitleHeight, 2 * b, 21};
  g.clientWidth = (n + 2) * b + 1;
  // The window's height follows the cell width; the shelf's top follows the cell height.
  g.clientHeightOpen = b + 121;
  g.clientHeightClosed = b + 18;
  const int storageTop = buttonHeight + 19;
  g.storage = {0, storageTop, g.clientWidth, g.clientHeightOpen - storageTop};
  return g;
}

int32_t BorderWidthOf(int outerWidth, int clientWidth) { return (outerWidth - clientWidth) / 2; }

int32_t WrapOnScreen(float positionTwips, int32_t screenTwips) {
  if (!std::isfinite(positionTwips)) return 0;
  const double whole = std::nearbyint(static_cast<double>(positionTwips));
  if (whole > 2147483647.0 || whole < -2147483648.0) return 0;
  const auto position = static_cast<int32_t>(whole);
  if (screenTwips <= 0) return position;
  return position % screenTwips;
}

int OuterHeight(const App& app, bool shelfOpen) {
  const int b = app.model.settings.ButtonWidth;
  return 2 * app.form.BorderWidth + b + (shelfOpen ? 121 : 18);
}

void MainWindowMoved(App& app, int left, int top) {
  Model& m = app.model;
  const DesktopUnits desktop = Desktop(app);
  // Whether a kept position in twips falls on a pixel (a hand-written one may lie between two).
  const auto fallsOn = [&](float twips, int pixel) {
    if (!std::isfinite(twips) || std::fabs(twips) > 2.0e9f) return false;
    return desktop.Pixels(twips) == pixel;
  };
  if (!m.hasWindowLeft || !fallsOn(m.WindowLeft, left)) {
    m.WindowLeft = desktop.Twips(left);
    m.hasWindowLeft = true;
  }
  if (!m.hasWindowTop || !fallsOn(m.WindowTop, top)) {
    m.WindowTop = desktop.Twips(top);
    m.hasWindowTop = true;
  }
}

void ShapeAgain(App& app, int left, int top) {
  Model& m = app.model;
  Guarded([&] { MainWindowMoved(app, left, top); });
  PlaceEverything(app);
  Guarded([&] {
    if (!m.StorageIsOpen && app.platform.system) {
      app.platform.system->MoveMainWindow(OuterRect(app, false));
    }
  });
  Guarded([&] { app.Commands().LoadSkin(); });
  Guarded([&] { app.Commands().RepaintPage(); });
  Guarded([&] { PaintArrowCells(app); });
  Guarded([&] { EnableGo(app); });
  Guarded([&] {
    app.Commands().SkinPaint(ControlId{ControlKind::TitleBar, 1}, 0);
    app.Commands().SkinPaint(ControlId{ControlKind::TitleBar, 2}, 0);
  });
  for (PushButton& button : app.form.pushButtons) {
    Guarded([&] { PaintPushButton(app, button); });
  }
  Guarded([&] { app.Commands().DrawPageCaption(); });
}

void Shape(App& app, bool firstTime) {
  ISystem* sys = app.platform.system;
  Guarded([&] {
    if (sys) sys->ShowMainWindow(false);
  });
  PlaceEverything(app);
  Guarded([&] { app.Commands().ApplyColors(); });
  Guarded([&] { app.Commands().LoadSkin(); });
  Guarded([&] {
    if (!firstTime) app.Commands().RepaintPage();
  });
  Guarded([&] {
    if (!firstTime) app.Commands().ApplyToolTips();
  });
  Guarded([&] { PaintArrowCells(app); });
  // Laid out again, the history arrows show where the history stands (at start-up it is empty).
  Guarded([&] {
    if (!firstTime) EnableGo(app);
  });
  Guarded([&] {
    app.Commands().SkinPaint(ControlId{ControlKind::TitleBar, 1}, 0);
    app.Commands().SkinPaint(ControlId{ControlKind::TitleBar, 2}, 0);
  });
  Guarded([&] { SetDropMode(app, firstTime); });
  Guarded([&] { SetShelfState(app); });
  Guarded([&] {
    PushButton& close = app.form.pushButtons[kTCloseIndex];
    close.SetValue(0);
    PaintPushButton(app, close);
  });
  Guarded([&] {
    if (firstTime) app.Commands().DrawPageCaption();
  });
  Guarded([&] {
    if (sys) sys->ShowMainWindow(true);
  });
}

}  // namespace velmarin
