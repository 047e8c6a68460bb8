#pragma once
// The screen the main window lives on.
#include <vector>

#include "platform/controls.h"

namespace velmarin {

class IScreen {
 public:
  virtual ~IScreen() = default;
  virtual int WidthPixels() = 0;
  virtual int HeightPixels() = 0;
  // Twips per pixel (15 on ordinary 96-dpi screens).
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;
  // Each monitor's work area (the part task bars leave free) in the pixels of the main window's
  // place; a system that cannot tell has the one screen.
  virtual std::vector<PixelRect> WorkAreas() { return {{0, 0, WidthPixels(), HeightPixels()}}; }
};

}  // namespace velmarin
