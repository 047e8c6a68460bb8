#pragma once
// The Run box's edit field watched: the characters typed, the focus it gets and the input
// method's compositions become the app logic's Run box events.
#include <windows.h>

#include "core/app.h"

namespace velmarin::win32 {

void WatchRunEdit(HWND combo, App& app);

}  // namespace velmarin::win32
