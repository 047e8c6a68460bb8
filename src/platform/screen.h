#pragma once
// The screen the main window lives on.
#include <vector>

#include "platform/controls.h"

namespace velmarin {

class IScreen {
 public:
  virtual ~IScreen() = default;
  // The primary screen, in the screen's own pixels (those of the desktop, where windows stand).
  virtual int WidthPixels() = 0;
  virtual int HeightPixels() = 0;
  // Twips per layout pixel inside a window (15: a layout pixel is a 96th of an inch).
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;
  // The system's DPI, one for the whole session: the scale of places on the desktop in twips
  // (DesktopUnits).
  virtual int SystemDpi() { return 96; }
  // Each monitor's work area (the part task bars leave free) in the screen's own pixels; a
  // system that cannot tell has the one screen.
  virtual std::vector<PixelRect> WorkAreas() { return {{0, 0, WidthPixels(), HeightPixels()}}; }
};

}  // namespace velmarin
