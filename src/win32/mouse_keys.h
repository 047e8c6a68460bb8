#pragma once
// The shift value of a mouse message: Shift 1, Ctrl 2, Alt 4, as the message and the keyboard
// tell them.
#include <windows.h>

#include "core/panel_state.h"

namespace velmarin::win32 {

inline int ShiftValue(WPARAM keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= kShiftMask;
  if (keys & MK_CONTROL) shift |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
  return shift;
}

}  // namespace velmarin::win32
