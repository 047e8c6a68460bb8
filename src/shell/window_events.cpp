#include "shell/window_events.h"

#include "shell/main_form.h"

namespace velmarin {

void OnControlMouse(App& app, const MouseEvent& event) {
  switch (event.control.kind) {
    case ControlKind::TClose:
      if (event.action == MouseAction::Press) tClose_MouseDown(app, event.button);
      if (event.action == MouseAction::Release) tClose_MouseUp(app, event.button);
      break;
    default:
      // The other cells have no handlers yet.
      break;
  }
}

}  // namespace velmarin
