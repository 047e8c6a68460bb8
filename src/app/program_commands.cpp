#include "app/program_commands.h"

#include "dialogs/about_box.h"
#include "dialogs/button_property.h"
#include "dialogs/page_property.h"
#include "dialogs/settings_dialog.h"
#include "panel/button_paint.h"
#include "panel/drawer_menus.h"
#include "panel/pages.h"
#include "run/run_box.h"
#include "shell/hot_key.h"
#include "shell/main_form.h"
#include "shell/skin.h"
#include "shell/tray_menu.h"
#include "shell/tray_presence.h"
#include "storage/shelf.h"

namespace velmarin {

void ProgramCommands::PageChange(int32_t page, bool forceFlg, bool byHFlg) {
  velmarin::PageChange(app_, page, forceFlg, byHFlg);
}
void ProgramCommands::CreatePageHistory() { velmarin::CreatePageHistory(app_); }
void ProgramCommands::DrawPageCaption() { velmarin::DrawPageCaption(app_); }
void ProgramCommands::RepaintPage() { velmarin::RepaintPage(app_); }
void ProgramCommands::CreateDrawerMenuItems() { CreateMenuItems(app_); }
void ProgramCommands::ApplyColors() { velmarin::ApplyColors(app_); }
void ProgramCommands::LoadSkin() { velmarin::LoadSkin(app_); }
void ProgramCommands::SkinPaint(ControlId control, int margin) {
  velmarin::SkinPaint(app_, control, margin);
}
// The main window's own procedure sees activation, the hot key and the tray icon's messages
// from the start to the end: there is nothing to put in front of it or to take away.
void ProgramCommands::HookWindow() {}
void ProgramCommands::UnhookWindow() {}
void ProgramCommands::NotifyIcon(bool show) { velmarin::NotifyIcon(app_, show); }
void ProgramCommands::SetTopMost(bool onTop) { velmarin::SetTopMost(app_, onTop); }
void ProgramCommands::PrepareShelfList() { velmarin::PrepareShelfList(app_); }

bool ProgramCommands::RegisterAppHotKey(const std::string& atomName, int32_t modifiers,
                                        int32_t key) {
  return velmarin::RegisterAppHotKey(app_, atomName, modifiers, key);
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
void ProgramCommands::UnregisterAppHotKey() { velmarin::UnregisterAppHotKey(app_); }
void ProgramCommands::PutInRunBox(const std::string& text) { velmarin::PutInRunBox(app_, text); }
void ProgramCommands::SetRunBoxText(const std::string& text, bool focus) {
  velmarin::SetRunBoxText(app_, text, focus);
}

}  // namespace velmarin
