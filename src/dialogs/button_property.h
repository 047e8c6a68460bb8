#pragma once
// The button's property dialog: one button of the current page, its path, tool tip, icon,
// parameters, window state at launch and drawer, edited on the dialog's own copy and written to
// the button only by Apply.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"
#include "dialogs/dialog_form.h"

namespace velmarin {

// The text before its first zero character, or the whole text.
std::string CutAtZero(const std::string& text);

class IPropertyWindow final : public FormDialog {
 public:
  // The dialog for button `index` of the current page, filled from it.
  IPropertyWindow(App& app, int16_t index);

  void OnEvent(const DialogEvent& event) override;

  void Form_Load();
  void Apply_Click();
  void Cancel_Click();
  void PathSeek_Click();
  void IconSeek_Click();
  void IconPic_MouseDown();
  void Text_Change(int index);
  void Text_OLEDragDrop(int index, const std::vector<std::string>& files);
  void MiniDrawerList_MouseDown(int button, int line);
  void MiniDrawerList_OLEDragDrop(const std::vector<std::string>& files);
  void I2Delete_Click();
  void IMDDelete_Click();

 private:
  Button* Target();
  int DrawerLimit() const;
  void ShowPreview(const std::string& item, const std::string& iconFile, int16_t iconIndex);
  void SetCaptionFrom(const std::string& toolTip);

  App& app_;
  int16_t index_;
};

// Opens the dialog for button `index` of the current page, with the main window disabled until
// it closes; while another dialog is open, that one comes forward instead.
void ShowButtonProperty(App& app, int16_t index);

}  // namespace velmarin
