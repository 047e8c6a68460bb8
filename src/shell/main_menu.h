#pragma once
// The main menu of the title strip: the drop mode, the settings, help and the About box, exit.
#include "core/app.h"

namespace velmarin {

inline constexpr const char* kHelpFileName = "velmarin.hlp";

// The menu as it opens now: the drop-mode item says which way it switches, and the help item is
// enabled only when the help file is in the program folder.
Menu MainMenu(App& app);

// Shows the main menu at the cursor and carries out what was chosen.
void ShowMainMenu(App& app);

}  // namespace velmarin
