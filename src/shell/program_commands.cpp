#include "shell/program_commands.h"

#include "dialogs/about_box.h"
#include "dialogs/button_property.h"
#include "dialogs/page_property.h"
#include "dialogs/settings_dialog.h"
#include "panel/button_paint.h"
#include "panel/pages.h"
#include "shell/main_form.h"
#include "shell/skin.h"

namespace velmarin {

void ProgramCommands::PageChange(int32_t page, bool forceFlg, bool byHFlg) {
  velmarin::PageChange(app_, page, forceFlg, byHFlg);
}
void ProgramCommands::CreatePageHistory() { velmarin::CreatePageHistory(app_); }
void ProgramCommands::DrawPageCaption() { velmarin::DrawPageCaption(app_); }
void ProgramCommands::RepaintPage() { velmarin::RepaintPage(app_); }
void ProgramCommands::CreateDrawerMenuItems() { Missing("CreateDrawerMenuItems"); }
void ProgramCommands::ApplyColors() { velmarin::ApplyColors(app_); }
void ProgramCommands::LoadSkin() { velmarin::LoadSkin(app_); }
void ProgramCommands::SkinPaint(ControlId control, int margin) {
  velmarin::SkinPaint(app_, control, margin);
}
void ProgramCommands::PrepareShelfList() { Missing("PrepareShelfList"); }
void ProgramCommands::HookWindow() { Missing("HookWindow"); }
void ProgramCommands::UnhookWindow() { Missing("UnhookWindow"); }
void ProgramCommands::NotifyIcon(bool) { Missing("NotifyIcon"); }
void ProgramCommands::SetTopMost(bool) { Missing("SetTopMost"); }

bool ProgramCommands::RegisterAppHotKey(const std::string&, int32_t, int32_t) {
  Missing("RegisterAppHotKey");
  return false;
}

void ProgramCommands::ShowSettingsDialog() { velmarin::ShowSettingsDialog(app_); }

void ProgramCommands::EndProgram() { UnloadAndEnd(app_); }

void ProgramCommands::ShowAboutBox() { velmarin::ShowAboutBox(app_); }
void ProgramCommands::ApplyToolTips() { velmarin::ApplyToolTips(app_); }
void ProgramCommands::RestoreButtons() { velmarin::RestoreButtons(app_); }
void ProgramCommands::SkinBltRun() { SkinBlt(app_, {ControlKind::Run, 0}); }
void ProgramCommands::ShowButtonProperty(int16_t index) {
  velmarin::ShowButtonProperty(app_, index);
}
void ProgramCommands::ShowPageProperty() { velmarin::ShowPageProperty(app_); }
void ProgramCommands::UnregisterAppHotKey() { Missing("UnregisterAppHotKey"); }

}  // namespace velmarin
