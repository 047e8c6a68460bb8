#include "shell/drag_events.h"

namespace velmarin {

DropEffect OnControlDrag(App& app, const DragEvent& event) {
  switch (event.control.kind) {
    default:
      // No control takes dropped files yet.
      return DropEffect::None;
  }
}

}  // namespace velmarin
