#pragma once
// The page property dialog: adding, deleting, renaming and reordering pages on a copy of the page
// table, which Apply puts in place.
#include <cstdint>
#include <vector>

#include "core/app.h"
#include "dialogs/dialog_form.h"

namespace velmarin {

class IPagePropertyWindow final : public FormDialog {
 public:
  explicit IPagePropertyWindow(App& app);

  void OnEvent(const DialogEvent& event) override;

  void Form_Load();
  void PageList_Click();
  void PageList_DblClick();
  void PageList_MouseDown(int button);
  void PageList_MouseUp();
  void Text_Change();
  void New_Click();
  void Delete_Click();
  void Apply_Click();
  void Cancel_Click();

  // The working copy, line by line with the list.
  const std::vector<Page>& WorkingCopy() const { return pages_; }
  bool PagesChanged() const { return pagesChanged_; }

 private:
  void HandleEvent(const DialogEvent& event);
  bool CanDelete();
  void ApplyDeleteRule();
  // Puts the selected line's text in the caption box when the selection changed.
  void ShowSelectedCaption();

  App& app_;
  std::vector<Page> pages_;
  int16_t DragFrom = -1;
  int shownLine_ = -1;  // the line whose text the caption box took last
  bool pagesChanged_ = false;
};

// Opens the dialog, with the main window disabled until it closes; while another dialog is open,
// that one comes forward instead.
void ShowPageProperty(App& app);

}  // namespace velmarin
