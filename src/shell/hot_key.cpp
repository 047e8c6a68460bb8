#include "shell/hot_key.h"

#include "shell/dialog_open.h"
#include "shell/main_form.h"

namespace velmarin {

bool RegisterAppHotKey(App& app, const std::string& atomName, int32_t modifiers, int32_t key) {
  bool accepted = false;
  if (IDesktop* desktop = app.platform.desktop) {
    desktop->UnregisterHotKey();
    accepted = desktop->RegisterHotKey(atomName, modifiers, key);
  }
  app.model.settings.HotKeyFlg = modifiers;
  app.model.settings.HotKeyKey = key;
  return accepted;
}

void UnregisterAppHotKey(App& app) {
  if (app.platform.desktop) app.platform.desktop->UnregisterHotKey();
}

void OnHotKey(App& app) {
  if (app.platform.desktop && !DialogOpen(app)) app.platform.desktop->BringMainWindowForward();
}

void SetTopMost(App& app, bool onTop) {
  if (app.platform.desktop) app.platform.desktop->SetTopMost(onTop);
}

}  // namespace velmarin
