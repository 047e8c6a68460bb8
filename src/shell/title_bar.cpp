#include "shell/title_bar.h"

#include "core/guarded.h"
#include "core/units.h"
#include "panel/pages.h"
#include "run/run_box.h"
#include "shell/main_menu.h"

namespace velmarin {

namespace {

constexpr int kPreviousPageCell = 5;
constexpr int kNextPageCell = 6;

bool IsTitleCell(int index) { return index >= 1 && index <= 6; }
bool IsArrowCell(int index) { return index >= 3 && index <= 6; }

ControlId TitleCell(int index) { return {ControlKind::TitleBar, index}; }

void ClearRunBox(App& app) {
  if (app.model.settings.options.ClickClearsRun && app.platform.runList) {
    SetRunText(app, "");
  }
}

void BeginDrag(App& app) {
  TitleStrip& title = app.form.title;
  const ISystem* sys = app.platform.system;
  std::optional<ScreenPoint> cursor;
  if (sys) cursor = app.platform.system->CursorPosition();
  // Without the cursor's place there is nothing to follow: the press stays a click.
  if (!cursor) return;
  title.dragging = true;
  title.moved = false;
  title.grab = *cursor;
  title.grabLeft = app.model.WindowLeft;
  title.grabTop = app.model.WindowTop;
}

void TurnPage(App& app, int index) {
  const Model& m = app.model;
  const int32_t count = m.PageCount > 0 ? m.PageCount : 1;
  const int32_t current = m.CurrentPage;
  if (index == kBackCell) PageGo(app, -1);
  if (index == kForwardCell) PageGo(app, 1);
  if (index == kPreviousPageCell) PageChange(app, (current + count - 1) % count, false, false);
  if (index == kNextPageCell) PageChange(app, (current + 1) % count, false, false);
}

// The caption cell and the lower right cell take the title colours of the window's state: the
// text colour always, the background only where no skin lies under them.
void ColorTitleCells(App& app, bool active) {
  IControls* c = app.platform.controls;
  if (!c) return;
  const Colors& k = app.model.settings.colors;
  for (int index : {kCaptionCell, 2}) {
    c->SetForeColor(TitleCell(index), active ? k.ColTitleBarActFore : k.ColTitleBarInActFore);
    if (!app.model.settings.options.UseSkin) {
      c->SetBackColor(TitleCell(index), active ? k.ColTitleBarActBack : k.ColTitleBarInActBack);
    }
  }
}

}  // namespace

void TitleBar_MouseDown(App& app, int index, MouseButton button) {
  if (!IsTitleCell(index)) return;
  if (button == MouseButton::Right) {
    ShowMainMenu(app);
    return;
  }
  if (button != MouseButton::Left) return;
  Guarded([&] {
    if (index <= 2 || app.model.settings.options.PageButtonsMoveWindow) BeginDrag(app);
  });
  Guarded([&] { ClearRunBox(app); });
  app.form.title.pressed[static_cast<size_t>(index)] = true;
  if (IsArrowCell(index)) {
    const bool back = index == kBackCell || index == kPreviousPageCell;
    DrawArrowCell(app, index, 2, back ? kBackDownIcon : kForwardDownIcon);
  }
}

void TitleBar_MouseMove(App& app, int) {
  TitleStrip& title = app.form.title;
  ISystem* sys = app.platform.system;
  if (!title.dragging || !sys) return;
  const std::optional<ScreenPoint> cursor = sys->CursorPosition();
  // A move message where the mouse did not move is no drag yet.
  if (!cursor || *cursor == title.grab) return;
  title.moved = true;
  // The window goes as far as the mouse went, in the screen's pixels, whatever monitor it
  // crosses; the place in twips follows at the session's one scale.
  const DesktopUnits desktop = Desktop(app);
  Model& m = app.model;
  m.WindowLeft = desktop.MovedBy(title.grabLeft, cursor->x - title.grab.x);
  m.WindowTop = desktop.MovedBy(title.grabTop, cursor->y - title.grab.y);
  m.hasWindowLeft = true;
  m.hasWindowTop = true;
  sys->MoveMainWindowTo(desktop.Pixels(m.WindowLeft), desktop.Pixels(m.WindowTop));
}

void TitleBar_MouseUp(App& app, int index, MouseButton button) {
  TitleStrip& title = app.form.title;
  // Only the left button presses, drags and turns; the right one's menu is done by now.
  if (button != MouseButton::Left || !IsTitleCell(index)) return;
  title.dragging = false;
  Guarded([&] { RestoreTurnCell(app, index); });
  title.pressed.fill(false);
  const bool moved = title.moved;
  title.moved = false;
  if (moved) {
    Guarded([&] { EnableGo(app); });
    return;
  }
  Guarded([&] { TurnPage(app, index); });
}

void TitleBar_Click(App& app, int index) {
  if (IsArrowCell(index)) TurnPage(app, index);
}

void TitleBar_Paint(App& app, int index) {
  if (!IsTitleCell(index)) return;
  if (app.model.settings.options.PaintRunBox) app.Commands().SkinBltRun();
}

void TitleBar_PressCancelled(App& app, int index) {
  if (!IsTitleCell(index)) return;
  TitleStrip& title = app.form.title;
  title.dragging = false;
  title.moved = false;
  title.pressed.fill(false);
  Guarded([&] { RestoreTurnCell(app, index); });
}

void RestoreTurnCell(App& app, int index) {
  if (!IsArrowCell(index)) return;
  int16_t icon = kBackIcon;
  if (index == kBackCell) icon = HistoryStep(app, -1) == 0 ? kBackNoneIcon : kBackIcon;
  if (index == kForwardCell) icon = HistoryStep(app, 1) != 0 ? kForwardIcon : kForwardNoneIcon;
  if (index == kNextPageCell) icon = kForwardIcon;
  DrawArrowCell(app, index, 1, icon);
}

void Activate(App& app, bool active) {
  TitleStrip& title = app.form.title;
  if (active) {
    Guarded([&] { app.Commands().RestoreButtons(); });
  }
  // An arrow cell still held down when the window lost the mouse comes up.
  for (int index = 3; index <= 6; ++index) {
    if (title.pressed[static_cast<size_t>(index)]) Guarded([&] { RestoreTurnCell(app, index); });
  }
  title.pressed.fill(false);
  title.dragging = false;
  title.moved = false;
  // A Backspace pressed before the window lost the keyboard no longer holds back completion.
  app.form.run.BackspacePressed = false;
  title.active = active;
  Guarded([&] { ColorTitleCells(app, active); });
  RedrawCaptionCell(app);
}

void Form_MouseDown(App& app) {
  Guarded([&] { ClearRunBox(app); });
}

}  // namespace velmarin
