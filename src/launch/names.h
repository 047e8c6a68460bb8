#pragma once
// Internal names, page and tool-tip look-ups, and the path helpers used everywhere.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"

namespace velmarin {

// True when name is "," followed by a command word (any case) or by a page caption (exact).
bool isVelmName(const App& app, std::string_view name);
// Index of the first page captioned gName (case-sensitive); 0 for ""; -1 when none.
int16_t SearchGroupName(const Model& model, std::string_view gName);
// The first tool tip (pages, then slots) that starts with name, ignoring case. With comboFlg the
// Run box's list is refilled with every matching tool tip, the first match first.
std::string SearchToolTip(App& app, const std::string& name, bool comboFlg);
// A copy of the first button whose tool tip equals toolTip exactly; an empty button when none.
Button FindButtonByToolTip(const Model& model, const std::string& toolTip);

// 1-based position of the last ch in str after pos, or pos when there is none.
int SearchRCh(std::string_view str, std::string_view ch, int pos);
std::string GetFileName(std::string_view path);
// Text after the last ".", upper-cased; "" without a ".". Pass a file name, not a path.
std::string GetExt(std::string_view s);
std::string AddDQs(std::string_view s);

bool FileExist(App& app, const std::string& path);
// "A:" .. "Z:" of the first removable drive, or "".
std::string FindRemovableDrive(App& app);
// A drive or drive root such as "C:" or "C:\".
bool IsDriveRoot(std::string_view path);
// Recomputes ParentFolder, DriveName, FileName, BaseName and Extension from Path. Internal
// names are left as they are.
void SetPathParts(const App& app, Button& button);
// The tool tip a newly registered item gets. The button's derived fields must be set.
std::string DefaultToolTip(const App& app, const Button& button);
// The target of a shortcut file, or the path itself when it is not a readable shortcut.
std::string GetLinkTarget(App& app, const std::string& path);

}  // namespace velmarin
