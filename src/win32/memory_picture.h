#pragma once
// Pictures of the program's own: nothing of the display is asked to make or copy them.
#include <windows.h>

namespace velmarin::win32 {

// A 32-bit top-down device-independent picture and its pixels; nullptr when it cannot be made.
HBITMAP MakeTopDownPicture(int width, int height, void** pixels);

// A 32-bit device-independent picture of the given size, selected into a new memory device
// context; both nullptr when either cannot be made.
struct MemoryPicture {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ old = nullptr;
};
MemoryPicture MakeMemoryPicture(int width, int height);

}  // namespace velmarin::win32
