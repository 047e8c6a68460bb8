#include "core/settings.h"

namespace velmarin {

std::string SettingsPath(App& app) {
  if (!app.platform.files) return "velmarin.ini";
  return app.platform.files->ProgramFolder() + "\\velmarin.ini";
}

// Placeholders until the reader and writer land: no file is read or written.
LoadResult LoadSettings(App&) { return LoadResult::CannotOpen; }
ParseResult ParseSettingLine(App&, std::string_view, std::string_view) {
  return ParseResult::Continue;
}
bool SaveSettings(App&) { return false; }

}  // namespace velmarin
