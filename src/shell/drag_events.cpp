#include "shell/drag_events.h"

#include "run/run_drop.h"

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

}  // namespace

DropEffect OnControlDrag(App& app, const DragEvent& event) {
  switch (event.control.kind) {
    case ControlKind::Run:
      return OnRunDrag(app, event);
    default:
      // The other controls take no dropped files yet.
      return DropEffect::None;
  }
}

}  // namespace velmarin
