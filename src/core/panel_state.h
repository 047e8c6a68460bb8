#pragma once
// The mouse as the button row remembers it between a press and its release: which cell was
// pressed, with which button, on which control, and where the release landed.
#include <cstdint>
#include <optional>

#include "platform/controls.h"

namespace velmarin {

enum class MouseButton { Left, Right, Middle };

// The shift value of a mouse event: Shift, Ctrl and Alt held, summed.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Where a release landed, besides a cell index 0..11.
inline constexpr int16_t TargetShelf = -3;  // over the shelf while it is open
inline constexpr int16_t TargetRun = -2;    // over the Run box
inline constexpr int16_t TargetNone = -1;   // anywhere else

struct PanelState {
  int16_t PressedIndex = 0;
  MouseButton PressedMouseButton = MouseButton::Left;
  ControlId PressedControl{ControlKind::Picture1, 0};
  int16_t ReleaseTarget = TargetNone;
  // The cursor as last read, in client pixels: kept when reading it fails.
  int cursorX = -1;
  int cursorY = -1;
  // The mouse buttons last reported while files were dragged over a cell (1 left, 2 right): a
  // drop reads them, as no button is held any more when it comes.
  int16_t DragButton = 1;
  // An Alt press waiting for the mouse to move before it drags files out: the control pressed
  // and the point of the press in it.
  struct PendingDragOut {
    ControlId from;
    int x = 0;
    int y = 0;
  };
  std::optional<PendingDragOut> DragOutPending;
  // The control whose files are being dragged out now.
  std::optional<ControlId> DraggingOutOf;
};

}  // namespace velmarin
