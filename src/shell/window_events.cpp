#include "shell/window_events.h"

#include "panel/button_mouse.h"
#include "panel/drop_mode.h"
#include "shell/main_form.h"
#include "shell/title_bar.h"
#include "storage/shelf.h"

namespace velmarin {

void OnControlMouse(App& app, const MouseEvent& event) {
  switch (event.control.kind) {
    case ControlKind::TClose:
      if (event.action == MouseAction::Press) tClose_MouseDown(app, event.button);
      if (event.action == MouseAction::Release) tClose_MouseUp(app, event.button);
      if (event.action == MouseAction::Cancel) tClose_PressCancelled(app);
      break;
    case ControlKind::Picture1: {
      const auto index = static_cast<int16_t>(event.control.index);
      if (event.action == MouseAction::Press) {
        Picture1_MouseDown(app, index, event.button, event.shift, event.x, event.y);
      }
      if (event.action == MouseAction::Move) Picture1_MouseMove(app, index, event.x, event.y);
      if (event.action == MouseAction::Release) {
        Picture1_MouseUp(app, index, event.button, event.shift);
      }
      if (event.action == MouseAction::Cancel) Picture1_PressCancelled(app, index);
      break;
    }
    case ControlKind::TitleBar:
      if (event.action == MouseAction::Press) {
        TitleBar_MouseDown(app, event.control.index, event.button);
      }
      if (event.action == MouseAction::Move) TitleBar_MouseMove(app, event.control.index);
      if (event.action == MouseAction::Release) {
        TitleBar_MouseUp(app, event.control.index, event.button);
      }
      if (event.action == MouseAction::Cancel) TitleBar_PressCancelled(app, event.control.index);
      break;
    case ControlKind::DDExecute:
      if (event.action == MouseAction::Press) DDExecute_MouseDown(app);
      if (event.action == MouseAction::Release) DDExecute_MouseUp(app);
      if (event.action == MouseAction::Cancel) DDExecute_PressCancelled(app);
      break;
    case ControlKind::Form:
      if (event.action == MouseAction::Press) Form_MouseDown(app);
      break;
    case ControlKind::StorageOpen:
      if (event.action == MouseAction::Press) StorageOpen_MouseDown(app);
      if (event.action == MouseAction::Release) StorageOpen_MouseUp(app);
      if (event.action == MouseAction::Cancel) StorageOpen_PressCancelled(app);
      break;
    case ControlKind::Storage:
      if (event.action == MouseAction::Press) {
        Storage_MouseDown(app, event.button, event.shift, event.x, event.y);
      }
      if (event.action == MouseAction::Move) Storage_MouseMove(app, event.x, event.y);
      if (event.action == MouseAction::Release) Storage_MouseUp(app, event.button, event.shift);
      if (event.action == MouseAction::DoubleClick && event.button == MouseButton::Left) {
        Storage_DblClick(app);
      }
      break;
    default:
      // The other cells have no handlers yet.
      break;
  }
}

}  // namespace velmarin
