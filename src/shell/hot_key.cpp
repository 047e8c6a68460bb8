#include "shell/hot_key.h"

#include "shell/dialog_open.h"
#include "shell/main_form.h"

namespace velmarin {

namespace {

// Alt, Ctrl, Shift and Win, as the hot key's modifier bits.
constexpr int32_t kModifierKeys = 1 | 2 | 4 | 8;

}  // namespace

bool RegisterAppHotKey(App& app, const std::string& atomName, int32_t modifiers, int32_t key) {
  bool accepted = false;
  if (IDesktop* desktop = app.platform.desktop) {
    desktop->UnregisterHotKey();
    // A key without a modifier would be taken from every program's typing.
    if (modifiers & kModifierKeys) accepted = desktop->RegisterHotKey(atomName, modifiers, key);
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
