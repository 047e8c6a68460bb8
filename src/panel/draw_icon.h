#pragma once
// Drawing an item's icon into a cell, with the library icons and the fallback texts for items
// whose icon cannot be had.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"
#include "platform/controls.h"

namespace velmarin {

// Index of the library icon for an internal name without an icon file of its own.
inline constexpr int16_t kInternalNameIcon = 12;
// Index of the library icon for an item whose file is missing.
inline constexpr int16_t kMissingFileIcon = 13;

// The icon library's full path: the program folder, "\", "velmarin.icl".
std::string IconLibraryPath(App& app);

// Where the icon of an item comes from: icon `index` of `file`.
struct IconSource {
  std::string file;
  int16_t index = 0;
  bool library = false;  // the program's own icon library
};

// The icon shown for item `path` with a button's IconIndex and IconFile: an internal name shows
// its icon file's icon, or library icon 12 without one; any other item its own file's icon
// (the icon file is only kept), or library icon 13 when the file is missing. The cells and the
// button dialog's preview both show this one.
IconSource ChooseIconSource(App& app, const std::string& path, int16_t iconIndex,
                            std::string_view iconPath);

// Draws the icon of item `path` into `obj` at pixel (x, y). `index` is the button slot whose
// drawer ticks are drawn with dispDrawer and must lie in 0..MaxButton-1, or nothing is drawn.
void MyDrawIcon(App& app, const std::string& path, int16_t index, int x, int y, ControlId obj,
                int16_t iconIndex, std::string iconPath, bool dispDrawer);

// One tick per filled drawer slot along the cell's top edge, when ShowDrawerCount is on.
void DrawDrawerMarks(App& app, const Button& button, ControlId obj);

}  // namespace velmarin
