#pragma once
// Every launch ends here: documents, programs, folders and drives go to the shell, control-panel
// applets to their runner, and internal names (",EXIT", ",3", ",Tools") to VelmExec.
#include <cstdint>
#include <string>

#include "core/app.h"

namespace velmarin {

// The working folder every launched item starts in.
inline constexpr const char* kLaunchFolder = "c:\\";
// The control-panel runner, a program of the system folder, and what it is told to run; the
// applet's path follows.
inline constexpr const char* kAppletRunnerProgram = "RUNDLL32.EXE";
inline constexpr const char* kAppletRunnerEntry = "SHELL32.DLL,Control_RunDLL ";

// Launches an item string. fileName is its last component and extension its extension without
// the dot (any case). verb is kept only when it is "explore" or "print"; otherwise the item's
// default action runs and verb is emptied. showCmd comes back normalised (2 minimized,
// 3 maximized, 1 normal). Failures are silent.
void ExecuteItem(App& app, const std::string& path, const std::string& fileName,
                 const std::string& extension, std::string& verb, int16_t& showCmd,
                 const std::string& params);

// Carries out an internal name. cmd starts with ","; path is the command's argument (for a
// button, its parameters) and may be empty.
void VelmExec(App& app, const std::string& cmd, const std::string& path);

}  // namespace velmarin
