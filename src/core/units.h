#pragma once
// The screen's twips per pixel: 15 on ordinary screens, and when no screen answers.
#include "core/app.h"

namespace velmarin {

inline int TwipsPerPixelX(App& app) {
  const int tpp = app.platform.screen ? app.platform.screen->TwipsPerPixelX() : 15;
  return tpp > 0 ? tpp : 15;
}

inline int TwipsPerPixelY(App& app) {
  const int tpp = app.platform.screen ? app.platform.screen->TwipsPerPixelY() : 15;
  return tpp > 0 ? tpp : 15;
}

}  // namespace velmarin
