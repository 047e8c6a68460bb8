#include "shell/program_commands.h"

#include "panel/button_paint.h"
#include "panel/pages.h"
#include "shell/main_form.h"
#include "shell/skin.h"
#include "storage/shelf.h"

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
void ProgramCommands::PrepareShelfList() { velmarin::PrepareShelfList(app_); }
void ProgramCommands::HookWindow() { Missing("HookWindow"); }
void ProgramCommands::UnhookWindow() { Missing("UnhookWindow"); }
void ProgramCommands::NotifyIcon(bool) { Missing("NotifyIcon"); }
void ProgramCommands::SetTopMost(bool) { Missing("SetTopMost"); }

bool ProgramCommands::RegisterAppHotKey(const std::string&, int32_t, int32_t) {
  Missing("RegisterAppHotKey");
  return false;
}

void ProgramCommands::ShowSettingsDialog() { Missing("ShowSettingsDialog"); }

void ProgramCommands::EndProgram() { UnloadAndEnd(app_); }

void ProgramCommands::ShowAboutBox() { Missing("ShowAboutBox"); }
void ProgramCommands::ApplyToolTips() { velmarin::ApplyToolTips(app_); }
void ProgramCommands::RestoreButtons() { velmarin::RestoreButtons(app_); }
void ProgramCommands::SkinBltRun() { SkinBlt(app_, {ControlKind::Run, 0}); }

}  // namespace velmarin
