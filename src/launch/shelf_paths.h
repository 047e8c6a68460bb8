#pragma once
// Path forms the shelf, the button row and launching share: the short (8.3) and long forms of a
// path, the folder that holds an item, and file lists ordered by name.
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// The short form of an existing path. Empty paths, drive roots, internal names and paths the
// file system does not know come back unchanged.
std::string ToShortPath(App& app, const std::string& path);
// Every component replaced by its long name in the case stored on disk, without a trailing "\".
// Empty paths, drive roots, internal names and paths the file system does not know come back
// unchanged.
std::string ToLongPath(App& app, const std::string& path);
// The folder that holds an item: the program's own folder for an internal name or a network
// path without a parent; a drive root or a short name comes back as it is.
std::string ParentFolderOf(App& app, const std::string& path);
// Orders paths by their last component as the system's locale orders text, ignoring case
// (ASCII case without a text service); equal names keep their order.
void SortByFileName(App& app, std::vector<std::string>& list);

}  // namespace velmarin
