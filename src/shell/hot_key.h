#pragma once
// The system-wide hot key that brings the main window forward, and the window kept above the
// others.
#include <cstdint>
#include <string>

#include "core/app.h"

namespace velmarin {

// Registers the hot key under the atom name (a held one is released first). A key without Alt,
// Ctrl, Shift or Win is refused like one the system refuses. The settings keep the modifiers and
// the key whether the key was taken or not; false when it was refused.
bool RegisterAppHotKey(App& app, const std::string& atomName, int32_t modifiers, int32_t key);
void UnregisterAppHotKey(App& app);

// The program's hot key was pressed: the main window comes forward unless a dialog has it
// disabled.
void OnHotKey(App& app);

void SetTopMost(App& app, bool onTop);

}  // namespace velmarin
