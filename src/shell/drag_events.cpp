#include "shell/drag_events.h"

#include "storage/shelf.h"
#include "storage/shelf_drop.h"

namespace velmarin {

DropEffect OnControlDrag(App& app, const DragEvent& event) {
  switch (event.control.kind) {
    case ControlKind::StorageOpen:
      // A drag passing over the toggle opens the shelf; nothing is dropped on the toggle.
      if (event.action == DragAction::Enter || event.action == DragAction::Over) {
        StorageOpen_OLEDragOver(app);
      }
      return DropEffect::None;
    case ControlKind::Storage:
      // A closed shelf takes nothing.
      if (!app.model.StorageIsOpen) return DropEffect::None;
      if (event.action == DragAction::Leave) return DropEffect::None;
      if (event.buttons != 0) Storage_OLEDragOver(app, event.buttons);
      if (event.action == DragAction::Drop) Storage_OLEDragDrop(app, event.files);
      return DropEffect::Copy;
    default:
      // No control takes dropped files yet.
      return DropEffect::None;
  }
}

}  // namespace velmarin
