#pragma once
// A real control among the main window's accessible children (the Run box, the shelf list):
// the system's own object for it, with the name and role the program gives it and its place on
// the screen; everything else is the system's answer.
#include <windows.h>

#include <string>

#include "win32/accessible_base.h"

namespace velmarin::win32 {

// A new object with one reference, or nullptr.
IAccessible* MakeWindowAccessible(HWND hwnd, const std::string& name, LONG role);

}  // namespace velmarin::win32
