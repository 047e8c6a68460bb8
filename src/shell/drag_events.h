#pragma once
// What the window hands the app logic while files are dragged over a control and dropped on it:
// enter, over, leave and drop, with the control under the point, the mouse buttons and the shift
// keys held, the point and the files (UTF-8 paths). The app logic decides what a drop does
// (OnControlDrag) and what the pointer shows meanwhile (the answer).
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

enum class DragAction { Enter, Over, Leave, Drop };

// The mouse buttons held during a drag, summed.
inline constexpr int kDragLeftButton = 1;
inline constexpr int kDragRightButton = 2;
inline constexpr int kDragMiddleButton = 4;

struct DragEvent {
  DragAction action = DragAction::Enter;
  ControlId control;
  int buttons = kDragLeftButton;  // for a drop: the buttons held when the drag began
  int shift = 0;                  // kShiftMask, kCtrlMask, kAltMask summed
  int x = 0;                      // pixels, from the control's top-left corner
  int y = 0;
  std::vector<std::string> files;  // empty for Leave
};

// What the pointer shows over a control: nothing may be dropped there, or a copy.
enum class DropEffect { None, Copy };

// Hands a drag event to the handler of its control; the answer is what the pointer shows.
DropEffect OnControlDrag(App& app, const DragEvent& event);

}  // namespace velmarin
