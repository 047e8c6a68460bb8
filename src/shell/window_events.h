#pragma once
// What the window hands the app logic when the mouse acts on a control: a press, a move, a
// release or a double click, with the control, the button, the shift value and the position.
// The app logic decides what each means (OnControlMouse).
#include <cstdint>

#include "core/app.h"

namespace velmarin {

// MouseButton and the shift masks come with the App (core/panel_state.h). Cancel: the system took
// the mouse away between a press and its release (another program, a menu, a message box); no
// release of that press follows.
enum class MouseAction { Press, Move, Release, DoubleClick, Cancel };

struct MouseEvent {
  MouseAction action = MouseAction::Press;
  ControlId control;
  MouseButton button = MouseButton::Left;
  int shift = 0;
  int x = 0;  // pixels, from the control's top-left corner
  int y = 0;
};

// Hands a mouse event to the handler of its control. The handler may end the program.
void OnControlMouse(App& app, const MouseEvent& event);

}  // namespace velmarin
