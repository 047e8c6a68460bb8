#pragma once
// The screen's twips per pixel: 15 on ordinary screens, and when no screen answers.
#include "core/app.h"
#include "core/desktop_units.h"

namespace velmarin {

inline int TwipsPerPixelX(App& app) {
  const int tpp = app.platform.screen ? app.platform.screen->TwipsPerPixelX() : 15;
  return tpp > 0 ? tpp : 15;
}

inline int TwipsPerPixelY(App& app) {
  const int tpp = app.platform.screen ? app.platform.screen->TwipsPerPixelY() : 15;
  return tpp > 0 ? tpp : 15;
}

// Places on the desktop (the main window's, a dialog's) in twips and the screen's own pixels.
inline DesktopUnits Desktop(const App& app) {
  return DesktopUnits(app.platform.screen ? app.platform.screen->SystemDpi() : 96);
}

}  // namespace velmarin
