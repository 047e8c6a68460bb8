#pragma once
// Reading and writing velmarin.ini in the program's folder.
#include <string>
#include <string_view>

#include "core/app.h"

namespace velmarin {

enum class LoadResult {
  Loaded,      // read (possibly stopping early at a line without "=")
  FileMissing, // the missing-file message was shown; defaults stand
  CannotOpen,  // the file exists but could not be read; defaults stand
  Cancelled,   // the user cancelled after an error message: start-up ends without saving
};

enum class ParseResult { Continue, Cancelled };

// The settings file's full path: the program folder, "\", "velmarin.ini".
std::string SettingsPath(App& app);

LoadResult LoadSettings(App& app);
ParseResult ParseSettingLine(App& app, std::string_view key, std::string_view value);
// Writes the whole model; false after the "File Save Error..." message.
bool SaveSettings(App& app);

}  // namespace velmarin
