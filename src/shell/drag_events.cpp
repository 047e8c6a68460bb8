#include "shell/drag_events.h"

#include "panel/button_drop.h"
#include "panel/drag_out.h"
#include "panel/drop_mode.h"
#include "run/run_drop.h"
#include "shell/dialog_open.h"
#include "storage/shelf.h"
#include "storage/shelf_drop.h"

namespace velmarin {

namespace {

DropEffect OnRunDrag(App& app, const DragEvent& event) {
  switch (event.action) {
    case DragAction::Enter:
    case DragAction::Over:
      Run_OLEDragOver(app, event.buttons);
      return event.files.empty() ? DropEffect::None : DropEffect::Copy;
    case DragAction::Drop:
      Run_OLEDragDrop(app, event.files, event.shift);
      return DropEffect::Copy;
    case DragAction::Leave:
    default:
      return DropEffect::None;
  }
}

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
  // A drop while a dialog is open changes nothing, nor does a drag passing over the window.
  if (DialogOpen(app)) return DropEffect::None;
  // Files dragged out of a control and let go over it again stay where they are.
  if (DraggedOutOf(app, event.control)) return DropEffect::None;
  switch (event.control.kind) {
    case ControlKind::Run:
      return OnRunDrag(app, event);
    case ControlKind::Picture1:
      return OnCellDrag(app, event);
    case ControlKind::DDExecute:
      // Nothing is dropped on the mode cell; a drag across it only switches the mode back.
      if (event.action == DragAction::Enter || event.action == DragAction::Over) {
        DDExecute_OLEDragOver(app);
      }
      return DropEffect::None;
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
      // The other controls take no dropped files yet.
      return DropEffect::None;
  }
}

}  // namespace velmarin
