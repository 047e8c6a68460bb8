#pragma once
// Every entry of the shelf comes in through AddToShelf; files leave through the recycle bin.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// The shelf's small icons (0 = none).
namespace ShelfIcon {
inline constexpr int kNone = 0;
inline constexpr int kFile = 1;
inline constexpr int kFolder = 2;
inline constexpr int kProgram = 3;
inline constexpr int kApplet = 4;
inline constexpr int kShortcut = 5;
inline constexpr int kInternal = 6;
}  // namespace ShelfIcon

// Results of FormatFloppy besides the format dialog's own success codes.
inline constexpr int32_t kFormatError = -1;
inline constexpr int32_t kFormatCancelled = -2;
inline constexpr int32_t kFormatCannotFormat = -3;
inline constexpr int32_t kFormatNoDrive = -4;
// FileDelete's result when it was handed no path at all.
inline constexpr int32_t kNothingToDelete = -1;

// Adds an item string with its icon to the shelf; duplicates are refused (and reported when
// StorageNotifyDuplicate is on).
void AddToShelf(App& app, const std::string& item);

// The paths of a delete request: one path, or several each followed by a NUL character. The
// list ends at the first empty path.
std::vector<std::string> SplitPathList(const std::string& paths);

// Moves the paths (as SplitPathList reads them) to the recycle bin. Returns the shell's code,
// 0 = done; kNothingToDelete when there is no path.
int32_t FileDelete(App& app, const std::string& paths);

// Opens the format dialog for a drive ("A:"; empty = the first removable drive). Returns the
// dialog's result, kFormatNoDrive after telling the user that there is no such drive, or
// kFormatError when the drive is not a letter.
int32_t FormatFloppy(App& app, const std::string& drive);

}  // namespace velmarin
