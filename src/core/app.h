#pragma once
// The running program's state: the model, the platform services it acts through and the lists
// built at start-up. One App exists per run; every procedure of the app logic takes it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/model.h"
#include "panel/push_button.h"
#include "platform/platform.h"

namespace velmarin {

struct CplEntry {
  std::string fileName;     // lower case, for example "main.cpl"
  std::string displayName;  // the name the control panel shows
};

// Steps that belong to other parts of the program, called by name. Each is filled in by the part
// that owns it when the program is wired together; an empty one does nothing.
struct Seams {
  // Switches the panel to a page (forceFlg: repaint even when already there; byHFlg: the change
  // comes from the page history and is not recorded in it).
  std::function<void(int32_t page, bool forceFlg, bool byHFlg)> PageChange;
  // Opens the settings dialog; the main window stays disabled until it closes.
  std::function<void()> ShowSettingsDialog;
  // Unloads the main window the normal way (saving) and ends the program.
  std::function<void()> EndProgram;

  // Start-up and shutdown steps filled by the pages, menus, skin and tray parts.
  std::function<void()> CreatePageHistory;      // the empty back/forward history
  std::function<void()> PrepareShelfList;       // the shelf's image lists, list view mode
  std::function<void()> CreateDrawerMenuItems;  // drawer menu items up to MaxDrawer
  std::function<void()> HookWindow;             // the program's window procedure in front
  std::function<void()> UnhookWindow;           // the main window's own procedure back
  std::function<void(bool show)> NotifyIcon;    // the notification-area icon
  std::function<void(bool onTop)> SetTopMost;
  // Registers the global hot key under the atom name; false when the system refuses it.
  std::function<bool(const std::string& atomName, int32_t modifiers, int32_t key)>
      RegisterAppHotKey;
  // The window layout's look: colours of the title, Run box and shelf; the skin; the page
  // caption; the cells of the current page.
  std::function<void()> ApplyColors;
  std::function<void()> LoadSkin;
  std::function<void()> DrawPageCaption;
  std::function<void()> RepaintPage;
  // Places and paints the row of button cells from PanelLeft and TitleTop.
  std::function<void()> LayoutButtons;
  // Paints the skin under a control into it, leaving a margin in pixels.
  std::function<void(ControlId control, int margin)> SkinPaint;
};

// What the main window holds besides the model.
struct MainForm {
  int32_t BorderWidth = 0;  // window frame on each side, pixels
  // The small window cells: StorageOpen, DDExecute, tClose (by PushButton index).
  std::array<PushButton, 3> pushButtons;
  bool unloaded = false;  // the unload handler ran (or was skipped by a quit without saving)
};

struct App {
  Model model;
  Platform platform;
  std::vector<CplEntry> CplList;
  Seams seams;
  MainForm form;
  // The settings file held more text after the line where reading stopped; the next save keeps
  // the file as it was in velmarin.ini.bak before replacing it.
  bool settingsTextUnread = false;
};

}  // namespace velmarin
