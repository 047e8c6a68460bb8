#pragma once
// The shelf (物置き): opening and closing it with its toggle cell, the selection and the list's
// tool tip, the double click, and launching one entry.
#include <cstdint>
#include <string>

#include "core/app.h"

namespace velmarin {

// The number of selected entries; 0 for an empty list or one without a focused entry.
int16_t CountSelected(App& app);
// Takes every selected entry off the shelf (nothing on disk changes) and sets the tool tip to
// the focused entry's key, or empties it when nothing is selected any more.
void sDeleteSelected(App& app);
// The focused entry's key; empty when there is none.
std::string FocusedKey(App& app);
// The tool tip shows the focused entry's key, or nothing when no entry is selected.
void RefreshShelfToolTip(App& app);

// The list takes input only while the shelf is open. A list that had the keyboard hands it to
// the Run box as it closes.
void EnableShelfList(App& app, bool enabled);

// At start-up, before the settings are read: the list is empty of a tool tip and takes no input
// until the window's layout sets the shelf open or closed.
void PrepareShelfList(App& app);

// The toggle takes dragged files exactly while the shelf is closed, so a drag over it opens the
// shelf however it was closed.
void OpenShelf(App& app);
void CloseShelf(App& app);

void StorageOpen_MouseDown(App& app);
void StorageOpen_MouseUp(App& app);
// A click on the shelf toggle: the shelf opens when it is closed and closes when it is open.
void StorageOpen_Click(App& app);
// The press on the shelf toggle was taken away before its release: the toggle shows the shelf's
// state again and the shelf stays as it was.
void StorageOpen_PressCancelled(App& app);
// Something is dragged over the toggle: a closed shelf opens.
void StorageOpen_OLEDragOver(App& app);

// A press at (x, y) of the list. With Alt alone the selection is dragged out of the window when
// the held mouse moves past the drag distance (Storage_MouseMove).
void Storage_MouseDown(App& app, MouseButton button, int shift, int x, int y);
void Storage_MouseMove(App& app, int x, int y);
void Storage_MouseUp(App& app, MouseButton button, int shift);
void Storage_DblClick(App& app);

// Launches an item string the shelf's way: its default action, a normal window.
void LaunchShelfItem(App& app, const std::string& item, const std::string& verb,
                     const std::string& params);
// Before launching n items at once: true when n is within MaxMultiExecute or the user said OK.
bool ConfirmLaunchOf(App& app, int n);
// Lets the window's pending events run between the launches of a series.
void RunPendingEvents(App& app);

}  // namespace velmarin
