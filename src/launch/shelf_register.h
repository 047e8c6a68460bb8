#pragma once
// Every entry of the shelf comes in through AddToShelf; files leave through the recycle bin.
#include <string>

#include "core/app.h"

namespace velmarin {

// Adds an item string with its icon to the shelf; duplicates are refused.
void AddToShelf(App& app, const std::string& item);

}  // namespace velmarin
