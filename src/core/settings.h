#pragma once
// Reading and writing velmarin.ini in the program's folder.
#include <string>
#include <string_view>

#include "core/app.h"

namespace velmarin {

enum class LoadResult {
  Loaded,       // read (possibly stopping early at a line without "=")
  FileMissing,  // the missing-file message was shown; defaults stand
  CannotOpen,   // the file exists but could not be read; defaults stand
  Cancelled,    // the user cancelled after an error message: start-up ends without saving
};

enum class ParseResult { Continue, Cancelled };

// The settings file's full path: the program folder, "\", "velmarin.ini".
std::string SettingsPath(App& app);
// Where the file is kept, as it was, before the first save replaces a file whose reading stopped
// early with more text after it: "velmarin.ini.bak" next to it.
std::string SettingsBackupPath(App& app);

// Reads the file into the model. The limits are not clamped here; start-up does that next.
LoadResult LoadSettings(App& app);
// Acts on one key/value pair (both trimmed, UTF-8) with the load cursor in app.model.cursor.
ParseResult ParseSettingLine(App& app, std::string_view key, std::string_view value);
// Writes the whole model; false after the "File Save Error..." message (the old file is whole).
bool SaveSettings(App& app);

}  // namespace velmarin
