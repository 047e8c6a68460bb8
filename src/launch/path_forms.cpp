#include "launch/path_forms.h"

#include "launch/names.h"

namespace velmarin {

namespace {

bool Unchanged(App& app, const std::string& path) {
  return path.empty() || IsDriveRoot(path) || isVelmName(app, path) || !app.platform.files;
}

std::string ProgramFolder(App& app) {
  return app.platform.files ? app.platform.files->ProgramFolder() : std::string();
}

}  // namespace

std::string ToShortPath(App& app, const std::string& path) {
  if (Unchanged(app, path)) return path;
  auto shortPath = app.platform.files->ShortName(path);
  return shortPath && !shortPath->empty() ? *shortPath : path;
}

std::string ToLongPath(App& app, const std::string& path) {
  if (Unchanged(app, path)) return path;
  auto longPath = app.platform.files->LongName(path);
  return longPath && !longPath->empty() ? *longPath : path;
}

std::string ParentFolderOf(App& app, const std::string& path) {
  if (isVelmName(app, path)) return ProgramFolder(app);
  if (path.rfind("\\\\", 0) == 0 && path.find('\\', 2) == std::string::npos) {
    return ProgramFolder(app);
  }
  Button parts;
  parts.Path = path;
  SetPathParts(app, parts);
  return parts.ParentFolder.empty() ? ProgramFolder(app) : parts.ParentFolder;
}

}  // namespace velmarin
