#pragma once
// The main window's load and unload handlers: start-up, the normal shutdown and the close cell with
// its question whether to quit without saving.
#include "core/app.h"
#include "shell/window_events.h"

namespace velmarin {

enum class StartResult {
  Running,         // the window is up
  SecondInstance,  // another instance runs: the message was shown, nothing was set up
  Cancelled,       // Cancel in a settings-file question: end at once without saving
};

inline constexpr const char* kAlreadyRunningText = "既にvelmarinが起動しています。";
inline constexpr const char* kAlreadyRunningTitle = "二重起動";
inline constexpr const char* kQuitWithoutSavingText = "今の状態を保存せずに終了しますか？";
inline constexpr const char* kQuitWithoutSavingTitle = "終了の確認";
inline constexpr const char* kHotKeyAtomName = "velmarinHK";

// The main window's load handler: the whole start-up in its fixed order.
StartResult Form_Load(App& app);
// The main window's unload handler: save, remove the tray icon, put the window procedure back,
// close the other windows. Runs at most once.
void Form_Unload(App& app);
// Unloads the main window (saving) and ends the program: a left click on the close cell, a close
// request from the system, the exit commands.
void UnloadAndEnd(App& app);
// The system ends the session or closes the program to update it (log-off, shut-down, a restart
// for an installer): when `ending`, save as on a normal exit, once, and end at once, whatever
// dialog, menu or box is open. An end that was called off (`ending` false) changes nothing.
void EndSession(App& app, bool ending);

void tClose_MouseDown(App& app, MouseButton button);
void tClose_MouseUp(App& app, MouseButton button);
// The press on the close cell was taken away before its release: the cell comes up, nothing ends.
void tClose_PressCancelled(App& app);

}  // namespace velmarin
