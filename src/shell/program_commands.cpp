#include "shell/program_commands.h"

#include "panel/pages.h"
#include "shell/main_form.h"

namespace velmarin {

void ProgramCommands::PageChange(int32_t page, bool forceFlg, bool byHFlg) {
  velmarin::PageChange(app_, page, forceFlg, byHFlg);
}
void ProgramCommands::CreatePageHistory() { velmarin::CreatePageHistory(app_); }
void ProgramCommands::DrawPageCaption() { velmarin::DrawPageCaption(app_); }
void ProgramCommands::RepaintPage() { Missing("RepaintPage"); }
void ProgramCommands::CreateDrawerMenuItems() { Missing("CreateDrawerMenuItems"); }
void ProgramCommands::ApplyColors() { Missing("ApplyColors"); }
void ProgramCommands::LoadSkin() { Missing("LoadSkin"); }
void ProgramCommands::SkinPaint(ControlId, int) { Missing("SkinPaint"); }
void ProgramCommands::PrepareShelfList() { Missing("PrepareShelfList"); }
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
void ProgramCommands::ApplyToolTips() { Missing("ApplyToolTips"); }
void ProgramCommands::RestoreButtons() { Missing("RestoreButtons"); }
void ProgramCommands::SkinBltRun() { Missing("SkinBltRun"); }

}  // namespace velmarin
