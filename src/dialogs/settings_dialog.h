#pragma once
// The settings dialog: every option, limit, colour and the hot key, shown from the settings record
// and written back into it by Apply, which lays the main window out again.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/app.h"
#include "dialogs/dialog_form.h"

namespace velmarin {

// The hot key's keys in the order the list shows them, with their key codes.
std::vector<std::pair<std::string, int32_t>> HotKeyKeys();

inline constexpr int kAppearanceChecks = 7;
inline constexpr int kBehaviorChecks = 17;
inline constexpr int kMonitorCount = 6;
inline constexpr int kColorSwatches = 8;

class Config final : public FormDialog {
 public:
  explicit Config(App& app);

  void OnEvent(const DialogEvent& event) override;

  void Form_Load();
  void Apply_Click();
  void Cancel_Click();
  void OpTree_Click();
  void chkAppearance_Click(int index);
  void chkBehavior_Click(int index);
  void optAppearance_Click(int index);
  void lbColorCol_Click(int index);

 private:
  void BuildControls();  // settings_dialog_layout.cpp
  void ShowMonitor(int k);
  bool FewerCellsConfirmed(int n);
  std::array<bool*, kAppearanceChecks> AppearanceOptions();
  std::array<bool*, kBehaviorChecks> BehaviorOptions();
  std::array<int32_t*, kColorSwatches> ColorSettings();

  App& app_;
  std::vector<int32_t> keyCodes_;
  int32_t chooserColor_ = 0;  // the colour chooser starts where it was left
};

// Opens the dialog, with the main window disabled until it closes. It is only ever open once:
// asked for while it (or another dialog) is open, the open one comes forward instead.
void ShowSettingsDialog(App& app);

}  // namespace velmarin
