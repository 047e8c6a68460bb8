#pragma once
// Reading and writing velmarin.ini in the program's folder.
#include <string>
#include <string_view>

#include "core/app.h"

namespace velmarin {

enum class LoadResult {
  Loaded,       // read (possibly stopping early at a line without "=")
  FileMissing,  // the missing-file message was shown; defaults stand
  CannotOpen,   // the file exists but could not be read; defaults stand, and no save replaces it
  Cancelled,    // the user cancelled after an error message: start-up ends without saving
};

enum class ParseResult { Continue, Cancelled };

// The settings file's full path: the program folder, "\", "velmarin.ini".
std::string SettingsPath(App& app);
// Where the file is kept, as it was, before the first save replaces a file whose reading stopped
// early with more text after it: "velmarin.ini.bak" next to it.
std::string SettingsBackupPath(App& app);

// What reading does with an item it meets, given by the part that knows items: a button's path
// gets its derived parts, a shelf line becomes a shelf entry. A step left empty is skipped.
struct SettingsItemSteps {
  void (*pathParts)(const App& app, Button& button) = nullptr;
  void (*shelfItem)(App& app, const std::string& item) = nullptr;
};

// Reads the file into the model. The limits are not clamped here; start-up does that next.
LoadResult LoadSettings(App& app, const SettingsItemSteps& items);
// Acts on one key/value pair (both trimmed, UTF-8) with the load cursor in app.model.cursor.
ParseResult ParseSettingLine(App& app, const SettingsItemSteps& items, std::string_view key,
                             std::string_view value);
// Writes the whole model; false after the "File Save Error..." message (the old file is whole),
// also when the file could not be read at start.
bool SaveSettings(App& app);

}  // namespace velmarin
