#pragma once
// The commands of the shelf's context menu, carried out after the menu closed, and the end of a
// label edit.
#include <cstdint>
#include <string>

#include "core/app.h"

namespace velmarin {

// Carries out the command a menu item's result word names; index is the send-to item's.
void RunShelfCommand(App& app, const std::string& word, int index);

// A shortcut to target on the desktop named name + ".lnk", with the target's folder as its
// working folder. 1 made; 0 not made, after a beep and a message.
int32_t CreateDesktopShortcut(App& app, const std::string& target, const std::string& name);

// The user finished editing the focused entry's label: the file is renamed and the entry takes
// the new path. False (after a beep) when the label must return to its old text: an empty name,
// a name with a path separator, a file that is gone, or a rename that failed.
bool Storage_AfterLabelEdit(App& app, const std::string& newText);

}  // namespace velmarin
