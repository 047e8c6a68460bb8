#pragma once
// Other forms of a path: the short (8.3) and the long form as the file system lists it, and the
// folder that holds an item.
#include <string>

#include "core/app.h"

namespace velmarin {

// The short form; an empty path, a drive root, an internal name or a path the file system does
// not know comes back unchanged.
std::string ToShortPath(App& app, const std::string& path);
// The long form, each component as the file system lists it; unchanged as above.
std::string ToLongPath(App& app, const std::string& path);
// The folder that holds the item; the program's folder for an internal name or an item whose
// folder cannot be told.
std::string ParentFolderOf(App& app, const std::string& path);

}  // namespace velmarin
