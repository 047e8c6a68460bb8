#include "shell/drag_events.h"

#include "panel/button_drop.h"
#include "panel/drop_mode.h"

namespace velmarin {

namespace {

DropEffect OnCellDrag(App& app, const DragEvent& event) {
  const auto index = static_cast<int16_t>(event.control.index);
  switch (event.action) {
    case DragAction::Enter:
    case DragAction::Over:
      Picture1_OLEDragOver(app, event.buttons);
      return DropEffect::Copy;
    case DragAction::Drop:
      // The buttons of the drag, as the last move over the cell reported them.
      Picture1_OLEDragOver(app, event.buttons);
      Picture1_OLEDragDrop(app, index, event.files, event.shift);
      return DropEffect::Copy;
    case DragAction::Leave:
      break;
  }
  return DropEffect::None;
}

}  // namespace

DropEffect OnControlDrag(App& app, const DragEvent& event) {
  switch (event.control.kind) {
    case ControlKind::Picture1:
      return OnCellDrag(app, event);
    case ControlKind::DDExecute:
      // Nothing is dropped on the mode cell; a drag across it only switches the mode back.
      if (event.action == DragAction::Enter || event.action == DragAction::Over) {
        DDExecute_OLEDragOver(app);
      }
      return DropEffect::None;
    default:
      return DropEffect::None;
  }
}

}  // namespace velmarin
