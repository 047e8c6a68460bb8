#pragma once
// The skin: skin.bmp in the program folder is a picture of the whole client area, pixel for
// pixel, with the shelf open. Every control that shows it copies the rectangle lying under
// itself; nothing is tiled or stretched. Also the colours of the title, the Run box and the shelf.
#include <optional>

#include "core/app.h"
#include "platform/controls.h"

namespace velmarin {

// A copy out of the skin cut to the part of the picture in use: the source rectangle and where
// it lands in the target. A picture smaller than the rectangle gives only what it covers (the
// rest of the target stays as it was); nullopt when nothing of it is covered.
struct SkinCut {
  PixelRect from;
  int x = 0;
  int y = 0;
  friend bool operator==(const SkinCut&, const SkinCut&) = default;
};
std::optional<SkinCut> CutFromSkin(const PixelSize& skin, const PixelRect& from, int x, int y);

// The skin's path: the program folder, "\", "skin.bmp".
std::string SkinPath(App& app);

// Loads the skin when UseSkin is on (and cuts the shelf's background from it); lets it go when
// off. A missing skin.bmp is told once and turns UseSkin off, which the next save keeps.
void LoadSkin(App& app);

// Copies the skin under a cell into it as its background, leaving a margin (below 0 counts as 0)
// of what the cell showed. Nothing while UseSkin is off.
void SkinPaint(App& app, ControlId target, int margin);

// ANDs the skin under a window control onto it: its white turns into the skin, its text stays.
void SkinBlt(App& app, ControlId target);

// The title's, Run box's and shelf's text and background colours from the settings.
void ApplyColors(App& app);

}  // namespace velmarin
