#pragma once
// Edits of a button that drops and gestures share: an item registered on a cell, and an item
// pushed into a button's drawer.
#include <cstdint>
#include <string>

#include "core/app.h"

namespace velmarin {

// Registers an item on cell `index` of the current page: the button's path becomes the item (a
// shortcut's target instead, with RegisterLinkTarget on), its tool tip the default one, and the
// cell is painted with the new icon. Icon, parameters, window state and drawer stay as they were.
void AssignItem(App& app, int16_t index, const std::string& item);

// Puts an item into slot 0 of the button's drawer; the others move one slot on, and the item in
// the last slot (MaxDrawer - 1) is lost when all are full.
void PushDrawerItem(App& app, Button& button, const std::string& item);

}  // namespace velmarin
