#include "launch/shelf_paths.h"

#include <algorithm>

#include "core/strings.h"
#include "launch/names.h"

namespace velmarin {

namespace {

std::string ProgramFolder(App& app) {
  return app.platform.files ? app.platform.files->ProgramFolder() : std::string();
}

bool LeaveAsItIs(const App& app, const std::string& path) {
  return path.empty() || IsDriveRoot(path) || isVelmName(app, path);
}

}  // namespace

std::string ToShortPath(App& app, const std::string& path) {
  if (LeaveAsItIs(app, path) || !app.platform.files) return path;
  auto shortPath = app.platform.files->ShortName(path);
  return shortPath && !shortPath->empty() ? *shortPath : path;
}

std::string ToLongPath(App& app, const std::string& path) {
  if (LeaveAsItIs(app, path) || !app.platform.files) return path;
  std::string p = path;
  if (p.back() == '\\') p.pop_back();
  auto longPath = app.platform.files->LongName(p);
  if (!longPath || longPath->empty()) return path;
  std::string result = *longPath;
  // A root comes back with its separator; anything below it without.
  if (result.size() > 3 && result.back() == '\\') result.pop_back();
  return result;
}

std::string ParentFolderOf(App& app, const std::string& path) {
  if (isVelmName(app, path)) return ProgramFolder(app);
  // The folder part as the file system names it: "C:\a\b" and "C:\a\b\" are in "C:\a",
  // "C:\a" is in "C:\".
  std::string p = path;
  while (p.size() > 1 && (p.back() == '\\' || p.back() == '/')) p.pop_back();
  const size_t cut = p.find_last_of("\\/");
  const bool network = path.rfind("\\\\", 0) == 0;
  if (cut != std::string::npos && cut > 0 && !IsDriveRoot(p)) {
    std::string parent = p.substr(0, cut);
    if (parent.size() == 2 && parent[1] == ':') return parent + "\\";
    // "\\server\share" is where a network path ends; above it there is no folder.
    if (!network || std::count(parent.begin(), parent.end(), '\\') >= 3) return parent;
  }
  if (network) return ProgramFolder(app);
  if (Utf8Length(path) < 4) return path;
  return ProgramFolder(app);
}

void SortByFileName(App& app, std::vector<std::string>& list) {
  IText* text = app.platform.text;
  std::stable_sort(list.begin(), list.end(), [text](const std::string& a, const std::string& b) {
    if (text) return text->CompareNoCase(GetFileName(a), GetFileName(b)) < 0;
    return UpperAscii(GetFileName(a)) < UpperAscii(GetFileName(b));
  });
}

}  // namespace velmarin
