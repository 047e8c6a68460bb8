#include "shell/dialog_open.h"

namespace velmarin {

bool DialogOpen(const App& app) {
  return app.platform.desktop && !app.platform.desktop->MainWindowEnabled();
}

void BringDialogForward(App& app) {
  if (app.platform.desktop) app.platform.desktop->BringDialogForward();
}

}  // namespace velmarin
