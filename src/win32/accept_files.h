#pragma once
#include <windows.h>

namespace velmarin::win32 {

// What DragAcceptFiles does, without loading the shell at start-up.
inline void SetAcceptFiles(HWND window, bool accept) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_EXSTYLE);
  const LONG_PTR wanted =
      accept ? (style | WS_EX_ACCEPTFILES) : (style & ~static_cast<LONG_PTR>(WS_EX_ACCEPTFILES));
  if (wanted != style) SetWindowLongPtrW(window, GWL_EXSTYLE, wanted);
}

}  // namespace velmarin::win32
