#include "shell/tray_presence.h"

#include "core/guarded.h"

namespace velmarin {

namespace {

// Adds the icon; when the system refuses, asks for one more try later if `tryLater`.
void AddIcon(App& app, bool tryLater) {
  IDesktop* desktop = app.platform.desktop;
  if (!desktop) return;
  if (!desktop->ShowTrayIcon(true) && tryLater) desktop->AddTrayIconLater();
}

}  // namespace

void NotifyIcon(App& app, bool show) {
  app.form.trayIconWanted = show;
  if (show) {
    AddIcon(app, true);
  } else if (app.platform.desktop) {
    app.platform.desktop->ShowTrayIcon(false);
  }
}

void OnTaskbarCreated(App& app) {
  if (app.form.trayIconWanted) Guarded([&] { AddIcon(app, true); });
}

void OnTrayIconDue(App& app) {
  if (app.form.trayIconWanted) Guarded([&] { AddIcon(app, false); });
}

}  // namespace velmarin
