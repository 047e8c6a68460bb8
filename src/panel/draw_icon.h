#pragma once
// Drawing an item's icon into a cell, with the library icons and the fallback texts for items
// whose icon cannot be had.
#include <cstdint>
#include <string>

#include "core/app.h"
#include "platform/controls.h"

namespace velmarin {

// Index of the library icon for an internal name without an icon file of its own.
inline constexpr int16_t kInternalNameIcon = 12;
// Index of the library icon for an item whose file is missing.
inline constexpr int16_t kMissingFileIcon = 13;

// The icon library's full path: the program folder, "\", "velmarin.icl".
std::string IconLibraryPath(App& app);

// Draws the icon of item `path` into `obj` at pixel (x, y). `index` is the button slot whose
// drawer ticks are drawn with dispDrawer and must lie in 0..MaxButton-1, or nothing is drawn.
void MyDrawIcon(App& app, const std::string& path, int16_t index, int x, int y, ControlId obj,
                int16_t iconIndex, std::string iconPath, bool dispDrawer);

// One tick per filled drawer slot along the cell's top edge, when ShowDrawerCount is on.
void DrawDrawerMarks(App& app, const Button& button, ControlId obj);

}  // namespace velmarin
