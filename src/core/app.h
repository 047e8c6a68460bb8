#pragma once
// The running program's state: the model, the platform services it acts through and the lists
// built at start-up. One App exists per run; every procedure of the app logic takes it.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/commands.h"
#include "core/model.h"
#include "core/panel_menus.h"
#include "core/panel_state.h"
#include "core/push_button.h"
#include "core/tool_tip_index.h"
#include "platform/platform.h"

namespace velmarin {

class ProgramSearch;  // run/program_search.h

struct CplEntry {
  std::string fileName;     // lower case, for example "main.cpl"
  std::string displayName;  // the name the control panel shows
};

// The pages shown, in the order the user went to them, and the position of the page shown now
// (from 1; 0 while the history is empty). Stepping back and forth moves only the position.
struct PageHistory {
  std::vector<int32_t> pages;
  int32_t HistoryPos = 0;
};

// The title strip: a drag of the window by a title cell, and the arrow cells held down.
struct TitleStrip {
  bool dragging = false;
  bool moved = false;
  ScreenPoint grab;    // the cursor when the drag began, screen pixels
  float grabLeft = 0;  // the window's place then, twips
  float grabTop = 0;
  std::array<bool, 7> pressed{};  // by TitleBar index 1..6
  bool active = true;             // the window is the active one: the title's active colours
};

// The Run box: what the user typed as of the last change (the text without its selected part),
// the change of a completion to be let through once, a Backspace that is not to complete, a drop
// writing the text (the list stays closed), the mouse button of the last drag over it (1 left,
// 2 right), and an input-method composition open in it (nothing completes until it is done).
struct RunBoxState {
  std::string LastTypedText;
  bool SuppressCompletion = false;
  bool BackspacePressed = false;
  bool RunDropInProgress = false;
  int RunDragButton = 0;
  bool composing = false;
};

// What the main window holds besides the model.
struct MainForm {
  int32_t BorderWidth = 0;  // window frame on each side, pixels
  // The small window cells: StorageOpen, DDExecute, tClose (by PushButton index).
  std::array<PushButton, 3> pushButtons;
  bool unloaded = false;  // the unload handler ran (or was skipped by a quit without saving)
  // The part of the skin picture in use, from the client's top-left corner: the picture cut to
  // the window with its shelf open. Empty when there is no skin.
  PixelSize skin;
  PageHistory history;
  TitleStrip title;
  // What the item chosen in the last popup menu means, until the code that showed it has acted.
  std::string MenuResult;
  int32_t MenuResultIndex = 0;
  RunBoxState run;
  bool trayMenuShown = false;   // the tray icon's menu is open
  bool trayIconWanted = false;  // the program means its tray icon to be there
  // The cell whose context menu opened last: the button the property dialog edits.
  int16_t MenuButtonIndex = 0;
  // The button row's popup menus.
  PanelMenus menus;
  // The mouse button last reported while files were dragged over the shelf: 1 left, 2 right.
  int16_t ShelfDragButton = 1;
};

struct App {
  Model model;
  Platform platform;
  std::vector<CplEntry> CplList;
  // Commands into the parts above the caller; none wired: they do nothing.
  ICommands* commands = nullptr;
  MainForm form;
  // The button row's press and release.
  PanelState panel;
  // The tool tips as the Run box searches them while the user types.
  ToolTipIndex toolTips;
  // The Start menu's programs as the Run box lists them; null until they have been read.
  std::shared_ptr<ProgramSearch> programs;

  ICommands& Commands() {
    static NoCommands none;
    return commands ? *commands : none;
  }
  // The settings file held more text after the line where reading stopped; the next save keeps
  // the file as it was in velmarin.ini.bak before replacing it.
  bool settingsTextUnread = false;
  // Reading passed over part of what the settings file holds (records before their limits,
  // bytes that are no character): the next save keeps the file as it was in velmarin.ini.bak.
  bool settingsBackupDue = false;
  // The settings file was there but could not be read at start (another program held it, or
  // asking whether it is there failed): the model holds the defaults, not the user's settings,
  // so no save replaces the file.
  bool settingsFileUnread = false;
  // The settings file was UTF-8 with its mark; the save keeps it so.
  bool settingsFileUtf8 = false;
};

}  // namespace velmarin
