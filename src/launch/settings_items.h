#pragma once
// What reading the settings file does with the items it meets: a button's path gets its derived
// parts, a shelf line goes through AddToShelf like every other shelf entry.
#include "core/settings.h"
#include "launch/names.h"
#include "launch/shelf_register.h"

namespace velmarin {

inline constexpr SettingsItemSteps kSettingsItems{&SetPathParts, &AddToShelf};

// Reads velmarin.ini into the model with those steps.
inline LoadResult LoadSettings(App& app) { return LoadSettings(app, kSettingsItems); }

}  // namespace velmarin
