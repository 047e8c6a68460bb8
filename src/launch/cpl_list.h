#pragma once
// The control-panel applets the launcher knows by file name, with their display names.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"

namespace velmarin {

// Fills app.CplList with the known applets, in their fixed order.
void CplListLoad(App& app);
// Index of the applet whose file name equals cplFile ignoring case, or -1. Takes a bare file
// name: a path never matches.
int16_t CplListSearch(const App& app, const std::string& cplFile);

}  // namespace velmarin
