#pragma once
// The commands as the running program answers them. A command whose part is not built yet does
// nothing but note that it was asked for (NotBuilt), so a test can list what is still missing.
#include <set>
#include <string>

#include "core/app.h"

namespace velmarin {

class ProgramCommands final : public ICommands {
 public:
  explicit ProgramCommands(App& app) : app_(app) {}

  void PageChange(int32_t page, bool forceFlg, bool byHFlg) override;
  void CreatePageHistory() override;
  void DrawPageCaption() override;
  void RepaintPage() override;
  void CreateDrawerMenuItems() override;
  void ApplyColors() override;
  void LoadSkin() override;
  void SkinPaint(ControlId control, int margin) override;
  void PrepareShelfList() override;
  void HookWindow() override;
  void UnhookWindow() override;
  void NotifyIcon(bool show) override;
  void SetTopMost(bool onTop) override;
  bool RegisterAppHotKey(const std::string& atomName, int32_t modifiers, int32_t key) override;
  void ShowSettingsDialog() override;
  void EndProgram() override;
  void ShowAboutBox() override;
  void ApplyToolTips() override;
  void RestoreButtons() override;
  void SkinBltRun() override;
  void PutInRunBox(const std::string& text) override;
  void SetRunBoxText(const std::string& text, bool focus) override;
  void ShowButtonProperty(int16_t index) override;
  void ShowPageProperty() override;
  void UnregisterAppHotKey() override;

  // The commands asked for that no part answers yet.
  const std::set<std::string>& NotBuilt() const { return notBuilt_; }

 private:
  void Missing(const char* name) { notBuilt_.insert(name); }

  App& app_;
  std::set<std::string> notBuilt_;
};

}  // namespace velmarin
