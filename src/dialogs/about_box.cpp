#include "dialogs/about_box.h"

#include <memory>

namespace velmarin {

namespace {

using K = DialogControlKind;

constexpr int kDialogWidth = 340;
constexpr int kDialogHeight = 168;

}  // namespace

frmAbout::frmAbout(const App& app) {
  DialogControl& icon = AddControl(form_, "picIcon", 0, K::Picture, {16, 16, 32, 32});
  icon.iconItem = ",velmarin";  // the program's own icon
  AddControl(form_, "lblTitle", 0, K::Label, {64, 16, 260, 18});
  AddControl(form_, "lblVersion", 0, K::Label, {64, 38, 260, 18});
  AddControl(form_, "Line", 0, K::Frame, {64, 62, 262, 2});
  AddControl(form_, "lblDescription", 0, K::Label, {64, 72, 262, 34},
             "ボタンやドローワ、物置きからプログラムやファイルをすばやく起動するランチャーです。");
  AddControl(form_, "Line", 1, K::Frame, {16, 114, 310, 2});
  DialogControl& ok = AddControl(form_, "cmdOK", 0, K::Button, {236, 128, 90, 26}, "OK");
  ok.isDefault = true;
  ok.isCancel = true;
  Form_Load(app);
}

void frmAbout::Form_Load(const App& app) {
  form_.rect = PlaceOneThirdToCentre(app, kDialogWidth, kDialogHeight);
  form_.caption = std::string("About ") + kAppTitle;
  C("lblVersion").caption = std::string("Version ") + kAppVersion;
  C("lblTitle").caption = kAppTitle;
  Focus("cmdOK");
}

void frmAbout::OnEvent(const DialogEvent& e) {
  if (e.kind == DialogEventKind::CloseBox ||
      (e.kind == DialogEventKind::Click && e.name == "cmdOK")) {
    cmdOK_Click();
  }
}

void frmAbout::cmdOK_Click() { Close(); }

void ShowAboutBox(App& app) {
  if (!app.platform.dialogs) return;
  app.platform.dialogs->ShowModeless(std::make_unique<frmAbout>(app));
}

}  // namespace velmarin
