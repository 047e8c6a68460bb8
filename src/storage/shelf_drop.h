#pragma once
// Files dragged onto the open shelf, and the selection dragged out of it.
#include <string>
#include <vector>

#include "core/app.h"
#include "platform/popup_menu.h"

namespace velmarin {

// The mouse buttons held while files are dragged over the shelf (1 left, 2 right, summed).
void Storage_OLEDragOver(App& app, int buttons);
// Files dropped on the shelf: a left drop puts them on it; a right drop asks what to do.
void Storage_OLEDragDrop(App& app, const std::vector<std::string>& files);
// The right drop's menu: the two open items need a selected entry.
Menu StorageRDDMenu(App& app);

// What a drag out of the shelf offers: the selected entries' keys that are files and exist,
// first to last.
std::vector<std::string> DragOutFiles(App& app);
// Drags the selection out (an Alt press, once the mouse moved); the entries stay on the shelf.
void DragSelectionOut(App& app);

}  // namespace velmarin
