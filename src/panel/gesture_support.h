#pragma once
// What the row's gestures share: the pressed and the target buttons, launching a button or an
// item string, the shelf's selection, text for the Run box and the question before launching
// many items at once.
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

enum class Modifier { None, Shift, Ctrl };

// The shift value compared as a whole: a combination such as Shift+Ctrl is neither Shift nor
// Ctrl and acts as no modifier.
Modifier ModifierOf(int shift);

// Button `index` of the current page when its cell is shown, or nullptr.
Button* ButtonAt(App& app, int index);

// Launches a button's item with the parameter string.
void LaunchButton(App& app, const Button& button, const std::string& params);
// Launches an item string in a normal window with the parameter string.
void LaunchString(App& app, const std::string& item, const std::string& params,
                  int16_t showCmd = 0);
// The same with a path handed to the item: after the button's parameters, as one argument; an
// internal command gets the path itself.
void LaunchButtonWithPath(App& app, const Button& button, const std::string& path);
void LaunchStringWithPath(App& app, const std::string& item, const std::string& path,
                          int16_t showCmd = 0);

// The shelf's selected entry: the focused one when it is selected, else the first selected;
// "" when nothing is selected.
std::string SelectedShelfKey(App& app);
// The selected entries' keys from the last entry up, at most `limit` of them.
std::vector<std::string> SelectedShelfKeysFromBottom(App& app, int limit);

// A path for the Run box: quoted when it holds a space.
std::string QuotedWhenSpaced(const std::string& path);

// Draws the drawer ticks of cell `index` for its button and puts the cell on the screen again.
void ShowDrawerMarks(App& app, const Button& button, int index);

// The selected shelf entries, at most MaxDrawer of them counted from the bottom, go into the
// drawer of the button on cell `index`, so the topmost of them ends in slot 0.
void PutSelectedShelfEntriesIntoDrawer(App& app, Button& button, int index);

// True when n items may be launched: at most MaxMultiExecute, or the user said OK.
bool ConfirmMultiLaunch(App& app, int n);

}  // namespace velmarin
