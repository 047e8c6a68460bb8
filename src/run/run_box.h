#pragma once
// The Run box: completion of button tool tips while the user types, its drop-down list of the
// matches, the keys, and what Enter launches (a tool tip, a path with arguments, an internal
// name).
#include <string>
#include <string_view>

#include "core/app.h"

namespace velmarin {

// After every change of the box's text, typed or set by the program.
void Run_Change(App& app);
// The box got the focus: its whole text is selected.
void Run_GotFocus(App& app);
// A character about to reach the box; the answer is the character to let through, 0 to swallow
// it. Enter runs the text.
int Run_KeyPress(App& app, int keyAscii);
// An input-method composition opened or closed in the box. Nothing completes while one is open;
// what it wrote is completed when it closes.
void Run_CompositionStart(App& app);
void Run_CompositionEnd(App& app);

// Sets the box's text and runs the change handling, as a change by the user would.
void SetRunText(App& app, const std::string& text);
// Text a gesture gives the box: it goes before the box's text with a space between, and the box
// takes the focus only when it held text already.
void PutInRunBox(App& app, const std::string& text);
// Replaces the box's text, giving the box the focus when asked.
void SetRunBoxText(App& app, const std::string& text, bool focus);
// Launches what the box holds (Enter) and empties it.
void RunTheText(App& app);

// A command line cut in two: what is launched, and the argument text with its leading space.
struct RunParts {
  std::string Command;
  std::string Rest;
};
// Cut at the first space outside double quotes, or at a space inside them when the text before
// it begins some button's tool tip.
RunParts SplitRunText(App& app, const std::string& text);
// Whether the p-th byte (from 1) of text lies inside double quotes: an odd number of them among
// bytes 1 to p.
bool InsideQuotes(std::string_view text, size_t p);

}  // namespace velmarin
