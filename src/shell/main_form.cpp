#include "shell/main_form.h"

#include "core/guarded.h"
#include "core/settings.h"
#include "launch/cpl_list.h"
#include "launch/settings_items.h"
#include "panel/push_button.h"
#include "shell/layout.h"

namespace velmarin {

namespace {

bool IsOnlyInstance(App& app) {
  ISystem* sys = app.platform.system;
  if (!sys || sys->AcquireSingleInstance()) return true;
  if (app.platform.messageBox) {
    app.platform.messageBox->Show(kAlreadyRunningText, kAlreadyRunningTitle, MbButtons::Ok,
                                  MbIcon::Information);
  }
  return false;
}

void SetUpPushButtons(App& app) {
  // Index first (it binds the cell), then the value, then the picture.
  const int16_t values[3] = {0, 1, 0};
  for (int16_t k = 0; k < 3; ++k) {
    PushButton& button = app.form.pushButtons[static_cast<size_t>(k)];
    button.SetIndex(k);
    button.SetValue(values[k]);
    PaintPushButton(app, button);
  }
}

void SetDropAcceptance(App& app) {
  IControls* controls = app.platform.controls;
  if (!controls) return;
  // The row's cells, the Run box and the shelf list always take dropped files; the mode cell
  // only in execute mode, the shelf's toggle while the shelf is closed.
  for (int i = 0; i < kButtonSlots; ++i) controls->AcceptDrops({ControlKind::Picture1, i}, true);
  controls->AcceptDrops({ControlKind::Run, 0}, true);
  controls->AcceptDrops({ControlKind::Storage, 0}, true);
  controls->AcceptDrops({ControlKind::DDExecute, 0}, app.model.DropMode);
  controls->AcceptDrops({ControlKind::StorageOpen, 0}, !app.model.StorageIsOpen);
}

// Leaves without the unload handler: the settings file stays as it was.
void QuitWithoutSaving(App& app) {
  app.form.unloaded = true;
  Guarded([&] { app.Commands().NotifyIcon(false); });
  Guarded([&] { app.Commands().UnhookWindow(); });
  Guarded([&] {
    if (app.platform.system) app.platform.system->CloseOtherWindows();
  });
  Guarded([&] {
    if (app.platform.system) app.platform.system->EndProgram();
  });
}

void RepaintClose(App& app, bool pushed) {
  PushButton& close = app.form.pushButtons[kTCloseIndex];
  close.SetValue(pushed ? 1 : 0);
  close.SetPushed(pushed);
  PaintPushButton(app, close);
}

}  // namespace

StartResult Form_Load(App& app) {
  if (!IsOnlyInstance(app)) return StartResult::SecondInstance;
  Model& m = app.model;
  ISystem* sys = app.platform.system;
  Guarded([&] {
    if (sys) app.form.BorderWidth = BorderWidthOf(sys->OuterWidth(), sys->ClientWidth());
  });
  Guarded([&] { app.Commands().CreatePageHistory(); });
  Guarded([&] {
    if (sys) sys->ShowMainWindow(false);
  });
  Guarded([&] { CplListLoad(app); });
  Guarded([&] { SetUpPushButtons(app); });
  Guarded([&] { app.Commands().PrepareShelfList(); });
  LoadResult loaded = LoadResult::Loaded;
  Guarded([&] { loaded = LoadSettings(app); });
  if (loaded == LoadResult::Cancelled) return StartResult::Cancelled;
  Guarded([&] { ClampLimits(m); });
  Guarded([&] { UnpackFlags(m.settings); });
  Guarded([&] { Shape(app, true); });
  Guarded([&] { app.Commands().CreateDrawerMenuItems(); });
  Guarded([&] { m.Pages.resize(static_cast<size_t>(m.PageCount < 1 ? 1 : m.PageCount)); });
  Guarded([&] {
    m.CurrentPage = 0;
    app.Commands().PageChange(0, true, false);
  });
  Guarded([&] { SetDropAcceptance(app); });
  Guarded([&] { app.Commands().HookWindow(); });
  Guarded([&] {
    if (sys) sys->ShowMainWindow(true);
  });
  Guarded([&] { app.Commands().NotifyIcon(m.settings.options.TrayIcon); });
  Guarded([&] { app.Commands().SetTopMost(m.settings.options.AlwaysOnTop); });
  Guarded([&] {
    if (m.settings.options.UseHotKey) {
      app.Commands().RegisterAppHotKey(kHotKeyAtomName, m.settings.HotKeyFlg, m.settings.HotKeyKey);
    }
  });
  // An installer that closes the program to replace files brings it back afterwards.
  Guarded([&] {
    if (sys) sys->RegisterForRestart();
  });
  return StartResult::Running;
}

void Form_Unload(App& app) {
  if (app.form.unloaded) return;
  app.form.unloaded = true;
  // A failed save has shown its own message; the shutdown still completes.
  Guarded([&] { SaveSettings(app); });
  Guarded([&] { app.Commands().NotifyIcon(false); });
  Guarded([&] { app.Commands().UnhookWindow(); });
  Guarded([&] {
    if (app.platform.system) app.platform.system->CloseOtherWindows();
  });
}

void UnloadAndEnd(App& app) {
  Form_Unload(app);
  if (app.platform.system) app.platform.system->EndProgram();
}

void EndSession(App& app, bool ending) {
  if (!ending) return;
  // Runs once: a second word of the same end finds the file written and saves nothing.
  Form_Unload(app);
  // A modal loop may be running under this message; the program must not live on behind it
  // half closed, without its icon and never saving again.
  if (app.platform.system) app.platform.system->EndProgramNow();
}

void tClose_MouseDown(App& app, MouseButton) { RepaintClose(app, true); }

void tClose_PressCancelled(App& app) { RepaintClose(app, false); }

void tClose_MouseUp(App& app, MouseButton button) {
  RepaintClose(app, false);
  // A press dragged off the cell is abandoned.
  if (app.platform.system && !app.platform.system->IsCursorOverControl({ControlKind::TClose, 0})) {
    return;
  }
  if (button == MouseButton::Left) {
    UnloadAndEnd(app);
    return;
  }
  if (button != MouseButton::Right || !app.platform.messageBox) return;
  const MbResult answer = app.platform.messageBox->Show(
      kQuitWithoutSavingText, kQuitWithoutSavingTitle, MbButtons::YesNoCancel, MbIcon::Question);
  if (answer == MbResult::Yes) {
    QuitWithoutSaving(app);
  } else if (answer == MbResult::No) {
    UnloadAndEnd(app);
  }
}

}  // namespace velmarin
