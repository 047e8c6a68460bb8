#pragma once
// The running program's state: the model, the platform services it acts through and the lists
// built at start-up. One App exists per run; every procedure of the app logic takes it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/model.h"
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
};

struct App {
  Model model;
  Platform platform;
  std::vector<CplEntry> CplList;
  Seams seams;
};

}  // namespace velmarin
