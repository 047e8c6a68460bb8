#pragma once
// A path handed to a program as one argument of its command line, whichever way the program
// splits it: by the usual rules of the C runtime, or through cmd.exe for a batch file.
#include <string>
#include <string_view>

#include "core/app.h"

namespace velmarin {

// The path as one argument: bare when nothing in it is special (a drive root stays C:\), else
// in double quotes, with the backslashes before the closing quote doubled. A path that already
// comes in one pair of quotes is taken without them.
std::string PathArgument(std::string_view path);

// The parameters an item is launched with when a path is handed to it: its own parameters, a
// space and the path as one argument. An internal command gets the path itself.
std::string ParamsWithPath(const App& app, const std::string& item, const std::string& params,
                           const std::string& path);

// What an internal command takes from its argument: the text without surrounding spaces and
// one pair of quotes (a closing run of backslashes inside them counted as the usual splitting
// counts it). A dropped list (paths ended by NULs) is taken as it is.
std::string CommandArgument(std::string_view text);

}  // namespace velmarin
