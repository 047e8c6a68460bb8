#pragma once
// Whether the notification-area icon is there: the program's wish decides, not the answer of the
// last add. An add can fail while the task bar is still being made at sign-in (the system gives
// up waiting for it), and a new task bar starts without anyone's icons.
#include "core/app.h"

namespace velmarin {

// Adds (show) or removes the tray icon, and keeps the wish. A failed add is tried once more a
// few seconds later; a removal is asked for even when the add seemed to fail, so that an icon
// the system added after all does not stay behind.
void NotifyIcon(App& app, bool show);

// The task bar was made again (Explorer restarted): the icon goes back when it is wished for.
void OnTaskbarCreated(App& app);

// The later try after a failed add: the icon goes back when it is still wished for. A try that
// fails again waits for the next task bar.
void OnTrayIconDue(App& app);

}  // namespace velmarin
