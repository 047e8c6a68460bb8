#pragma once
// How a window of the program comes to the front (the hot key, the tray icon, a dialog chosen
// again, a menu of a window in the background).

namespace velmarin {

// What the system answered when the window asked to be the foreground window.
struct ForegroundAnswer {
  bool wasBehind = false;  // another window was in front before the request
  bool granted = false;    // the window is the foreground window now, as the system says
  // The system's answer does not tell what the screen shows: a window manager owns the stacking
  // (Wine on an X desktop), and says yes for a window it leaves behind.
  bool stackedElsewhere = false;
};

// Whether the window is hidden and shown again to come forward. Not when the request put it in
// front: the hot key and a click on the tray icon give the program that right, and showing anew
// would flicker and make a screen reader announce the window once more.
inline bool ShowAnewToComeForward(const ForegroundAnswer& answer) {
  if (!answer.granted) return true;
  return answer.wasBehind && answer.stackedElsewhere;
}

}  // namespace velmarin
