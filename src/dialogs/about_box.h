#pragma once
// The About box: the program's title and version, in a small window of its own.
#include "core/app.h"
#include "dialogs/dialog_form.h"
#include "version.h"

namespace velmarin {

inline constexpr const char* kAppTitle = "velmarin";
inline constexpr const char* kAppVersion = VELMARIN_VERSION;

class frmAbout final : public FormDialog {
 public:
  explicit frmAbout(const App& app);
  void OnEvent(const DialogEvent& event) override;
  void Form_Load(const App& app);
  void cmdOK_Click();
};

// Opens the About box beside the main window, which stays usable.
void ShowAboutBox(App& app);

}  // namespace velmarin
