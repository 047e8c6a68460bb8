#pragma once
// Files dropped on the button row: registered on a cell, opened with the cell's item, put into
// its drawer, or, for a right-button drag, whatever the drop menu's answer says. And the drag
// of a cell's item out of the window.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// The menu a right-button drop on a cell shows: register, open with the button, open the
// button's item with the file, put into the drawer, cancel.
Menu DDRightButtonMenu();

// Files dragged over a cell: the buttons held are kept for the drop (1 left, 2 right).
void Picture1_OLEDragOver(App& app, int buttons);

// Files dropped on cell `index` with the shift value (1 Shift, 2 Ctrl, 4 Alt) held, by the
// buttons last reported over the cell. A left drop registers the first file, or in execute
// mode (or with Alt) opens every file with the button's item; with Ctrl the files go into the
// drawer. A right drop asks with DDRightButtonMenu. An empty list does nothing but refresh the
// tool tips.
void Picture1_OLEDragDrop(App& app, int16_t index, const std::vector<std::string>& files,
                          int shift);

// The mouse held after an Alt press on cell `index` moved far enough: an existing file on the
// button is dragged out of the window as a copy; then the cell is up again.
void DragOutOfCell(App& app, int16_t index);

}  // namespace velmarin
