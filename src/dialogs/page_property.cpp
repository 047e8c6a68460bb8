#include "dialogs/page_property.h"

#include <algorithm>

#include "shell/dialog_open.h"

namespace velmarin {

namespace {

using K = DialogControlKind;

constexpr int kDialogWidth = 300;
constexpr int kDialogHeight = 250;

// A whole number as the number-to-text form writes it: a space before a number that is not
// negative.
std::string SignedText(int n) {
  std::string text;
  if (n >= 0) text += ' ';
  text += std::to_string(n);
  return text;
}

}  // namespace

IPagePropertyWindow::IPagePropertyWindow(App& app) : app_(app) {
  form_.caption = "ページのプロパティ";
  form_.rect = PlaceOneThirdToCentre(app, kDialogWidth, kDialogHeight);
  // The list and the name box have no label on the dialog; a screen reader names each by the
  // label just before it, so each has one that is not shown.
  AddControl(form_, "Label", 0, K::Label, {10, 10, 180, 16}, "ページ").visible = false;
  AddControl(form_, "PageList", 0, K::ListBox, {10, 10, 180, 200});
  AddControl(form_, "Label", 1, K::Label, {10, 216, 180, 16}, "ページ名").visible = false;
  AddControl(form_, "Text", 0, K::TextBox, {10, 216, 180, 22}).selectAllOnFocus = true;
  AddControl(form_, "New", 0, K::Button, {202, 10, 88, 25}, "新規(&w)");
  AddControl(form_, "Delete", 0, K::Button, {202, 42, 88, 25}, "削除(&D)");
  AddControl(form_, "Apply", 0, K::Button, {202, 182, 88, 25}, "適用(&A)").isDefault = true;
  DialogControl& cancel = AddControl(form_, "Cancel", 0, K::Button, {202, 214, 88, 25}, "&Cancel");
  cancel.toolTip = "右上の x ボタンを押してもキャンセルします";
  cancel.isCancel = true;
  Form_Load();
}

void IPagePropertyWindow::Form_Load() {
  const int count =
      std::clamp<int32_t>(app_.model.PageCount, 0, static_cast<int32_t>(app_.model.Pages.size()));
  pages_.assign(app_.model.Pages.begin(), app_.model.Pages.begin() + count);
  DialogControl& list = C("PageList");
  for (const Page& page : pages_) AddLine(list, OneLine(page.Caption));
  SelectOnly(list, app_.model.CurrentPage);
  list.toolTip.clear();
  ApplyDeleteRule();
  C("Text").text.clear();
  ShowSelectedCaption();
  Focus("Cancel");
}

void IPagePropertyWindow::ShowSelectedCaption() {
  const DialogControl& list = C("PageList");
  const int selected = SelectedLine(list);
  if (selected == shownLine_) return;
  shownLine_ = selected;
  if (selected >= 0) C("Text").text = list.items[selected];
}

bool IPagePropertyWindow::CanDelete() {
  const DialogControl& list = C("PageList");
  return SelectedLine(list) >= 0 && list.items.size() >= 2;
}

void IPagePropertyWindow::ApplyDeleteRule() { C("Delete").enabled = CanDelete(); }

void IPagePropertyWindow::OnEvent(const DialogEvent& e) {
  // Whoever changed the selected line (a press of either button, the keys, "新規"), the caption
  // box shows its text.
  ShowSelectedCaption();
  HandleEvent(e);
  ShowSelectedCaption();
}

void IPagePropertyWindow::HandleEvent(const DialogEvent& e) {
  const std::string& n = e.name;
  switch (e.kind) {
    case DialogEventKind::Click:
      if (n == "PageList") PageList_Click();
      if (n == "New") New_Click();
      if (n == "Delete") Delete_Click();
      if (n == "Apply") Apply_Click();
      if (n == "Cancel") Cancel_Click();
      break;
    case DialogEventKind::DblClick:
      if (n == "PageList") PageList_DblClick();
      break;
    case DialogEventKind::Change:
      if (n == "Text") Text_Change();
      break;
    case DialogEventKind::MouseDown:
      if (n == "PageList") PageList_MouseDown(e.button);
      break;
    case DialogEventKind::MouseUp:
      if (n == "PageList") PageList_MouseUp();
      break;
    case DialogEventKind::CloseBox:
      Cancel_Click();
      break;
    default:
      break;
  }
}

void IPagePropertyWindow::PageList_Click() {
  DialogControl& list = C("PageList");
  const int selected = SelectedLine(list);
  if (selected >= 0) C("Text").text = list.items[selected];
}

void IPagePropertyWindow::PageList_DblClick() { Focus("Text"); }

void IPagePropertyWindow::Text_Change() {
  DialogControl& box = C("Text");
  box.text = OneLine(box.text);
  DialogControl& list = C("PageList");
  const int selected = SelectedLine(list);
  if (selected < 0) return;
  list.items[selected] = box.text;
  pagesChanged_ = true;
}

void IPagePropertyWindow::New_Click() {
  DialogControl& list = C("PageList");
  const int n = static_cast<int>(list.items.size());
  if (n >= kMaxPageCount) return;
  pages_.resize(n + 1);
  pages_[n] = Page{};
  std::string caption = "Page";
  caption += SignedText(n + 1);
  AddLine(list, caption);
  ApplyDeleteRule();
  SelectOnly(list, n);
  ApplyDeleteRule();
  pagesChanged_ = true;
}

void IPagePropertyWindow::Delete_Click() {
  DialogControl& list = C("PageList");
  const int selected = SelectedLine(list);
  if (list.items.size() < 2 || selected < 0) return;
  if (app_.platform.messageBox) {
    const MbResult answer = app_.platform.messageBox->Show(
        "「 " + list.items[selected] + " 」を削除します。よろしいですか？", "ページ削除",
        MbButtons::OkCancel, MbIcon::None);
    if (answer != MbResult::Ok) return;
  }
  pagesChanged_ = true;
  RemoveLine(list, selected);
  if (selected < static_cast<int>(pages_.size())) pages_.erase(pages_.begin() + selected);
  C("Text").text.clear();
  Focus("Cancel");
  ApplyDeleteRule();
}

void IPagePropertyWindow::PageList_MouseDown(int button) {
  DragFrom = static_cast<int16_t>(SelectedLine(C("PageList")));
  ApplyDeleteRule();
  if (button != 2 || !app_.platform.popupMenu) return;
  Menu menu(3);
  menu[0].caption = "削除(&D)";
  menu[0].result = "IPDelete";
  menu[0].enabled = CanDelete();
  menu[1].separator = true;
  menu[2].caption = "キャンセル(&C)";
  menu[2].result = "IPCancel";
  if (app_.platform.popupMenu->Show(menu) == 1 && menu[0].enabled) Delete_Click();
  // The menu took the mouse: its release is not the end of a drag.
  DragFrom = -1;
}

void IPagePropertyWindow::PageList_MouseUp() {
  DialogControl& list = C("PageList");
  const int to = SelectedLine(list);
  const int from = DragFrom;
  DragFrom = -1;
  const int lines = static_cast<int>(list.items.size());
  if (from < 0 || to < 0 || to == from || from >= lines || to >= lines ||
      lines != static_cast<int>(pages_.size())) {
    return;
  }
  pagesChanged_ = true;
  auto move = [&](auto& v) {
    if (from < to) {
      std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    } else {
      std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
    }
  };
  move(list.items);
  move(pages_);
  SelectOnly(list, to);
  C("Text").text = list.items[to];
}

void IPagePropertyWindow::Apply_Click() {
  const DialogControl& list = C("PageList");
  const size_t lines = std::min(list.items.size(), pages_.size());
  pages_.resize(lines);
  for (size_t i = 0; i < lines; ++i) pages_[i].Caption = list.items[i];
  if (!pages_.empty()) {
    Model& model = app_.model;
    model.PageCount = static_cast<int32_t>(pages_.size());
    model.Pages = std::move(pages_);
    ++model.edits;
    pages_.clear();
    model.CurrentPage = ((model.CurrentPage % model.PageCount) + model.PageCount) % model.PageCount;
    app_.Commands().PageChange(model.CurrentPage, pagesChanged_, !pagesChanged_);
  }
  Close();
}

void IPagePropertyWindow::Cancel_Click() { Close(); }

void ShowPageProperty(App& app) {
  if (!app.platform.dialogs) return;
  // One dialog at a time: asked for while one is open, the open one comes forward instead.
  if (DialogOpen(app)) {
    BringDialogForward(app);
    return;
  }
  if (app.platform.system) app.platform.system->EnableMainWindow(false);
  IPagePropertyWindow dialog(app);
  app.platform.dialogs->ShowModal(dialog);
  if (app.platform.system) app.platform.system->EnableMainWindow(true);
}

}  // namespace velmarin
