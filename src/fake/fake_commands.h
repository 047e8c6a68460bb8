#pragma once
// The commands a test sees: each call is recorded with its arguments, in order.
#include <string>
#include <vector>

#include "core/commands.h"

namespace velmarin {

class FakeCommands : public ICommands {
 public:
  void PageChange(int32_t page, bool forceFlg, bool byHFlg) override;
  void CreatePageHistory() override { Log("CreatePageHistory"); }
  void DrawPageCaption() override { Log("DrawPageCaption"); }
  void RepaintPage() override { Log("RepaintPage"); }
  void CreateDrawerMenuItems() override { Log("CreateDrawerMenuItems"); }
  void ApplyColors() override { Log("ApplyColors"); }
  void LoadSkin() override { Log("LoadSkin"); }
  void SkinPaint(ControlId control, int margin) override;
  void PrepareShelfList() override { Log("PrepareShelfList"); }
  void HookWindow() override { Log("HookWindow"); }
  void UnhookWindow() override { Log("UnhookWindow"); }
  void NotifyIcon(bool show) override { Log(show ? "NotifyIcon(on)" : "NotifyIcon(off)"); }
  void SetTopMost(bool onTop) override { Log(onTop ? "SetTopMost(on)" : "SetTopMost(off)"); }
  bool RegisterAppHotKey(const std::string& atomName, int32_t modifiers, int32_t key) override;
  void ShowSettingsDialog() override { Log("ShowSettingsDialog"); }
  void EndProgram() override { Log("EndProgram"); }
  void ShowAboutBox() override { Log("ShowAboutBox"); }
  void ApplyToolTips() override { Log("ApplyToolTips"); }
  void RestoreButtons() override { Log("RestoreButtons"); }
  void SkinBltRun() override { Log("SkinBltRun"); }
  void PutInRunBox(const std::string& text) override { Log("PutInRunBox(" + text + ")"); }
  void SetRunBoxText(const std::string& text, bool focus) override {
    Log("SetRunBoxText(" + text + (focus ? ", focus)" : ")"));
  }
  void ShowButtonProperty(int16_t index) override {
    Log("ShowButtonProperty(" + std::to_string(index) + ")");
  }
  void ShowPageProperty() override { Log("ShowPageProperty"); }
  void UnregisterAppHotKey() override { Log("UnregisterAppHotKey"); }

  // Set-up: what the system answers to the hot key.
  bool hotKeyAccepted = true;
  // Every call, in order; a shared log may be given instead.
  std::vector<std::string> calls;
  std::vector<std::string>* log = &calls;

 private:
  void Log(const std::string& what) {
    if (log) log->push_back(what);
  }
};

}  // namespace velmarin
