#include "shell/window_events.h"

#include "panel/button_mouse.h"
#include "shell/main_form.h"

namespace velmarin {

void OnControlMouse(App& app, const MouseEvent& event) {
  switch (event.control.kind) {
    case ControlKind::TClose:
      if (event.action == MouseAction::Press) tClose_MouseDown(app, event.button);
      if (event.action == MouseAction::Release) tClose_MouseUp(app, event.button);
      break;
    case ControlKind::Picture1: {
      const auto index = static_cast<int16_t>(event.control.index);
      if (event.action == MouseAction::Press) {
        Picture1_MouseDown(app, index, event.button, event.shift);
      }
      if (event.action == MouseAction::Release) {
        Picture1_MouseUp(app, index, event.button, event.shift);
      }
      break;
    }
    default:
      // The other cells have no handlers yet.
      break;
  }
}

}  // namespace velmarin
