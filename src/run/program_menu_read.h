#pragma once
// Reading the Start menu's programs into a catalogue: every shortcut under its program folders,
// however deep, the user's before the shared ones, leaving out the folders started at log-on.
#include <atomic>

#include "platform/program_menu.h"
#include "run/program_catalogue.h"

namespace velmarin {

// The finished catalogue. When stop becomes true the reading ends early with what it has.
ProgramCatalogue ReadProgramMenu(IProgramMenu& menu, const std::atomic<bool>* stop = nullptr);

}  // namespace velmarin
