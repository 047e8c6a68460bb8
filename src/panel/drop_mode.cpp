#include "panel/drop_mode.h"

#include "core/guarded.h"
#include "panel/push_button.h"

namespace velmarin {

namespace {

constexpr ControlId kModeCell{ControlKind::DDExecute, 0};

PushButton& ModeButton(App& app) { return app.form.pushButtons[kDDExecuteIndex]; }

}  // namespace

void SetDropModeShown(App& app, bool execute) {
  app.model.DropMode = execute;
  PushButton& mode = ModeButton(app);
  mode.SetValue(execute ? 1 : 0);
  Guarded([&] { PaintPushButton(app, mode); });
  if (app.platform.controls) app.platform.controls->AcceptDrops(kModeCell, execute);
}

void DDExecute_MouseDown(App& app) {
  PushButton& mode = ModeButton(app);
  mode.SetPushed(true);
  Guarded([&] { PaintPushButton(app, mode); });
}

void DDExecute_MouseUp(App& app) {
  PushButton& mode = ModeButton(app);
  mode.SetPushed(false);
  ISystem* system = app.platform.system;
  if (system && !system->IsCursorOverControl(kModeCell)) {
    // Dragged off the cell: the press is abandoned.
    Guarded([&] { PaintPushButton(app, mode); });
    return;
  }
  DDExecute_Click(app);
}

void DDExecute_Click(App& app) { SetDropModeShown(app, ModeButton(app).Value() == 0); }

void DDExecute_PressCancelled(App& app) {
  PushButton& mode = ModeButton(app);
  mode.SetPushed(false);
  Guarded([&] { PaintPushButton(app, mode); });
}

void DDExecute_OLEDragOver(App& app) {
  if (app.platform.controls) app.platform.controls->AcceptDrops(kModeCell, false);
  if (ModeButton(app).Value() == 1) SetDropModeShown(app, false);
}

}  // namespace velmarin
