#include "dialogs/button_property.h"

#include <algorithm>

#include "core/number.h"
#include "core/strings.h"
#include "launch/names.h"
#include "launch/path_argument.h"
#include "panel/button_paint.h"
#include "panel/draw_icon.h"
#include "shell/dialog_open.h"

namespace velmarin {

namespace {

using K = DialogControlKind;

constexpr int kDialogWidth = 380;
constexpr int kDialogHeight = 312;
constexpr const char* kCancelTip = "右上の x ボタンを押してもキャンセルします";

// The icon box's text as a source: the file before the last ",", the number after it (0 when it
// is not one); without a "," the whole text with icon 0. A folder or file name may hold a comma
// itself ("C:\a,b\x.ico,3"), the number never does; a last part that is a path ("C:\a,b\x.ico")
// belongs to the file.
void SplitIconSource(const std::string& text, std::string& file, int16_t& index) {
  const size_t comma = text.rfind(',');
  if (comma == std::string::npos || text.find_first_of("\\/", comma) != std::string::npos) {
    file = text;
    index = 0;
    return;
  }
  file = text.substr(0, comma);
  index = ToInt16(std::string_view(text).substr(comma + 1)).value_or(0);
}

std::string BaseNameOf(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

bool IsBlank(const std::string& text) { return TrimSpaces(text).empty(); }

}  // namespace

std::string CutAtZero(const std::string& text) {
  const size_t zero = text.find('\0');
  return zero == std::string::npos ? text : text.substr(0, zero);
}

IPropertyWindow::IPropertyWindow(App& app, int16_t index) : app_(app), index_(index) {
  form_.rect = PlaceOneThirdToCentre(app, kDialogWidth, kDialogHeight);
  auto label = [&](int i, int y, const char* caption) {
    AddControl(form_, "Label", i, K::Label, {10, y + 3, 92, 16}, caption);
  };
  auto text = [&](int i, int y, int width) {
    DialogControl& box = AddControl(form_, "Text", i, K::TextBox, {104, y, width, 21});
    box.selectAllOnFocus = true;
    box.acceptsDrops = i != 0;
  };
  label(2, 10, "ファイルパス:");
  text(2, 10, 232);
  AddControl(form_, "PathSeek", 0, K::Button, {340, 9, 30, 23}, "...");
  label(3, 38, "ツールチップ:");
  text(0, 38, 266);
  label(4, 66, "アイコンパス:");
  text(3, 66, 232);
  AddControl(form_, "IconSeek", 0, K::Button, {340, 65, 30, 23}, "...");
  label(1, 94, "パラメータ:");
  text(1, 94, 266);
  C("Text", 1).toolTip = "実行時に渡す引数を指定します";

  AddControl(form_, "IconPic", 0, K::Picture, {14, 132, 40, 40});
  AddControl(form_, "RuntimeBehavior", 0, K::Frame, {66, 122, 304, 54}, "実行時");
  AddControl(form_, "Label", 0, K::Label, {76, 147, 74, 16}, "ウィンドウ:").toolTip =
      "実行時のウィンドウの大きさを設定します";
  const char* shows[] = {"通常(&R)", "最小(&S)", "最大(&A)"};
  const char* showTips[] = {"普通のウィンドウで実行します", "最小化して実行します",
                            "最大化して実行します"};
  for (int i = 0; i < 3; ++i) {
    DialogControl& option =
        AddControl(form_, "ShowCmd", i, K::Option, {154 + i * 70, 145, 68, 20}, shows[i]);
    option.toolTip = showTips[i];
    option.parent = "RuntimeBehavior";
  }
  C("Label", 0).parent = "RuntimeBehavior";

  AddControl(form_, "Label", 5, K::Label, {10, 186, 200, 16}, "ドローワのアイテム:");
  AddControl(form_, "MiniDrawerList", 0, K::MultiList, {10, 204, 360, 66}).acceptsDrops = true;
  AddControl(form_, "Apply", 0, K::Button, {202, 280, 82, 25}, "適用(&A)").isDefault = true;
  DialogControl& cancel = AddControl(form_, "Cancel", 0, K::Button, {288, 280, 82, 25}, "&Cancel");
  cancel.toolTip = kCancelTip;
  cancel.isCancel = true;
  Form_Load();
}

Button* IPropertyWindow::Target() {
  Page* page = PageAt(app_.model, app_.model.CurrentPage);
  if (!page || index_ < 0 || index_ >= kButtonSlots) return nullptr;
  return &page->Buttons[index_];
}

int IPropertyWindow::DrawerLimit() const {
  return std::clamp<int>(app_.model.settings.MaxDrawer, 0, kDrawerSlots);
}

void IPropertyWindow::ShowPreview(const std::string& item, const std::string& iconFile,
                                  int16_t iconIndex) {
  DialogControl& pic = C("IconPic");
  // The icon the cell would show for these.
  IconSource source;
  if (!item.empty()) source = ChooseIconSource(app_, item, iconIndex, iconFile);
  pic.iconItem = item;
  pic.iconFile = source.file;
  pic.iconIndex = source.index;
  pic.iconLibrary = source.library;
}

void IPropertyWindow::SetCaptionFrom(const std::string& toolTip) {
  form_.caption = toolTip.empty() ? "" : toolTip + " のプロパティ";
}

void IPropertyWindow::Form_Load() {
  const Button* b = Target();
  if (!b) return;
  if (!b->Path.empty()) ShowPreview(b->Path, b->IconFile, b->IconIndex);
  C("Text", 2).text = OneLine(b->Path);
  C("Text", 0).text = OneLine(b->ToolTip);
  const int show = (b->ShowCmd >= 1 && b->ShowCmd <= 3) ? b->ShowCmd - 1 : 0;
  for (int i = 0; i < 3; ++i) C("ShowCmd", i).checked = i == show;
  if (!b->IconFile.empty()) {
    C("Text", 3).text = OneLine(b->IconFile + "," + std::to_string(b->IconIndex));
  }
  C("Text", 1).text = OneLine(b->Params);
  DialogControl& list = C("MiniDrawerList");
  for (int i = 0; i < DrawerLimit(); ++i) {
    if (!b->Drawer[i].empty()) AddLine(list, OneLine(b->Drawer[i]));
  }
  list.toolTip.clear();
  const Page* page = PageAt(app_.model, app_.model.CurrentPage);
  C("IconPic").toolTip = page && !page->Caption.empty() ? "@" + page->Caption : "";
  Focus("Cancel");
  SetCaptionFrom(C("Text", 0).text);
}

void IPropertyWindow::OnEvent(const DialogEvent& e) {
  const std::string& n = e.name;
  switch (e.kind) {
    case DialogEventKind::Click:
      if (n == "Apply") Apply_Click();
      if (n == "Cancel") Cancel_Click();
      if (n == "PathSeek") PathSeek_Click();
      if (n == "IconSeek") IconSeek_Click();
      break;
    case DialogEventKind::Change:
      if (n == "Text") Text_Change(e.index);
      break;
    case DialogEventKind::MouseDown:
      if (n == "IconPic") IconPic_MouseDown();
      if (n == "MiniDrawerList") MiniDrawerList_MouseDown(e.button, e.line);
      break;
    case DialogEventKind::Drop:
      if (n == "Text") Text_OLEDragDrop(e.index, e.files);
      if (n == "MiniDrawerList") MiniDrawerList_OLEDragDrop(e.files);
      break;
    case DialogEventKind::CloseBox:
      Cancel_Click();
      break;
    default:
      break;
  }
}

void IPropertyWindow::Text_Change(int index) {
  DialogControl& box = C("Text", index);
  box.text = OneLine(box.text);
  if (index == 0) SetCaptionFrom(box.text);
}

void IPropertyWindow::PathSeek_Click() {
  if (!app_.platform.dialogs) return;
  const std::optional<std::string> chosen =
      app_.platform.dialogs->PickFile("すべてのファイル (*.*) |*.*", "ファイルの選択");
  if (!chosen) return;
  const std::string path = OneLine(*chosen);
  const std::string fileName = GetFileName(path);
  C("Text", 0).text = app_.model.settings.options.ToolTipWithExt ? fileName : BaseNameOf(fileName);
  SetCaptionFrom(C("Text", 0).text);
  C("Text", 2).text = path;
  Focus("Text", 2, true);
  std::string iconFile;
  int16_t iconIndex = 0;
  SplitIconSource(C("Text", 3).text, iconFile, iconIndex);
  ShowPreview(path, iconFile, iconIndex);
}

void IPropertyWindow::IconSeek_Click() {
  IDialogHost* host = app_.platform.dialogs;
  if (!host) return;
  std::string offered = C("Text", 2).text;
  if (offered.empty() || !FileExist(app_, offered)) {
    offered = CutAtZero(host->SystemFolder()) + "\\shell32.dll";
  }
  const std::optional<IconChoice> choice = host->PickIcon(offered, 0);
  if (!choice) return;
  const std::string f = OneLine(CutAtZero(choice->file));
  if (IsBlank(f)) return;
  const int16_t index = static_cast<int16_t>(std::clamp(choice->index, -32768, 32767));
  ShowPreview(f, f, index);
  C("Text", 3).text = f + "," + std::to_string(index);
  Focus("Text", 3, true);
}

void IPropertyWindow::Text_OLEDragDrop(int index, const std::vector<std::string>& files) {
  if (files.empty()) return;
  DialogControl& box = C("Text", index);
  if (index == 1) {
    for (const std::string& file : files) {
      const std::string path = OneLine(file);
      if (!box.text.empty()) box.text += " ";
      box.text += PathArgument(path);
    }
  } else if (index == 2) {
    if (!box.text.empty()) box.text += " ";
    box.text += OneLine(files.front());
  } else if (index == 3) {
    box.text = OneLine(files.front()) + ",0";
  }
}

void IPropertyWindow::IconPic_MouseDown() {
  if (!app_.platform.popupMenu) return;
  Menu menu(3);
  menu[0].caption = "すべて削除(&D)";
  menu[0].result = "I2Delete";
  menu[1].separator = true;
  menu[2].caption = "キャンセル(&C)";
  menu[2].result = "I2Cancel";
  if (app_.platform.popupMenu->Show(menu) == 1) I2Delete_Click();
}

void IPropertyWindow::I2Delete_Click() {
  for (int i = 0; i < 4; ++i) C("Text", i).text.clear();
  SetCaptionFrom("");
  for (int i = 0; i < 3; ++i) C("ShowCmd", i).checked = i == 0;
  DialogControl& list = C("MiniDrawerList");
  list.items.clear();
  list.selected.clear();
  ShowPreview("", "", 0);
}

void IPropertyWindow::MiniDrawerList_MouseDown(int button, int line) {
  DialogControl& list = C("MiniDrawerList");
  if (button == 1) {
    const int shown = (line >= 0 && line < static_cast<int>(list.items.size()) &&
                       line < static_cast<int>(list.selected.size()) && list.selected[line])
                          ? line
                          : SelectedLine(list);
    if (shown >= 0) list.toolTip = list.items[shown];
    return;
  }
  if (button != 2 || !app_.platform.popupMenu) return;
  Menu menu(3);
  menu[0].caption = "削除(&D)";
  menu[0].result = "IMDDelete";
  menu[0].enabled = SelectedLine(list) >= 0;
  menu[1].separator = true;
  menu[2].caption = "キャンセル(&C)";
  menu[2].result = "IMDCancel";
  if (app_.platform.popupMenu->Show(menu) == 1 && menu[0].enabled) IMDDelete_Click();
}

void IPropertyWindow::IMDDelete_Click() {
  DialogControl& list = C("MiniDrawerList");
  list.selected.resize(list.items.size(), false);
  for (int i = static_cast<int>(list.items.size()) - 1; i >= 0; --i) {
    if (list.selected[i]) RemoveLine(list, i);
  }
}

void IPropertyWindow::MiniDrawerList_OLEDragDrop(const std::vector<std::string>& files) {
  DialogControl& list = C("MiniDrawerList");
  for (const std::string& file : files) {
    if (static_cast<int>(list.items.size()) >= DrawerLimit()) break;
    AddLine(list, OneLine(file));
  }
  list.toolTip.clear();
}

void IPropertyWindow::Apply_Click() {
  Button* b = Target();
  if (b) {
    ++app_.model.edits;
    b->Path = OneLine(C("Text", 2).text);
    SetPathParts(app_, *b);
    b->ToolTip = OneLine(C("Text", 0).text);
    if (app_.platform.controls) {
      app_.platform.controls->SetToolTip({ControlKind::Picture1, index_}, b->ToolTip);
    }
    int16_t show = 1;
    for (int i = 0; i < 3; ++i) {
      if (C("ShowCmd", i).checked) show = static_cast<int16_t>(i + 1);
    }
    b->ShowCmd = show == 1 ? 0 : show;
    SplitIconSource(OneLine(C("Text", 3).text), b->IconFile, b->IconIndex);
    b->Params = OneLine(C("Text", 1).text);
    for (std::string& slot : b->Drawer) slot.clear();
    const DialogControl& list = C("MiniDrawerList");
    int slot = 0;
    for (size_t i = 0; i < list.items.size() && slot < DrawerLimit(); ++i) {
      if (!list.items[i].empty()) b->Drawer[slot++] = list.items[i];
    }
    if (index_ < VisibleCellCount(app_)) RepaintButton(app_, index_);
  }
  Close();
}

void IPropertyWindow::Cancel_Click() { Close(); }

void ShowButtonProperty(App& app, int16_t index) {
  if (!app.platform.dialogs) return;
  if (!PageAt(app.model, app.model.CurrentPage) || index < 0 || index >= kButtonSlots) return;
  // One dialog at a time: asked for while one is open, the open one comes forward instead.
  if (DialogOpen(app)) {
    BringDialogForward(app);
    return;
  }
  if (app.platform.system) app.platform.system->EnableMainWindow(false);
  IPropertyWindow dialog(app, index);
  app.platform.dialogs->ShowModal(dialog);
  // However the dialog closed, the main window takes input again.
  if (app.platform.system) app.platform.system->EnableMainWindow(true);
}

}  // namespace velmarin
