#include "panel/drag_out.h"

#include <cstdlib>

#include "core/guarded.h"

namespace velmarin {

void ReadyDragOut(App& app, ControlId from, int x, int y) {
  app.panel.DragOutPending = PanelState::PendingDragOut{from, x, y};
}

void ForgetDragOut(App& app) { app.panel.DragOutPending.reset(); }

bool DragOutStartsAt(App& app, ControlId from, int x, int y) {
  const auto& pending = app.panel.DragOutPending;
  ISystem* system = app.platform.system;
  if (!pending || pending->from != from || !system) return false;
  const PixelSize distance = system->DragDistance();
  if (std::abs(x - pending->x) <= distance.width && std::abs(y - pending->y) <= distance.height) {
    return false;
  }
  ForgetDragOut(app);
  return true;
}

void DragFilesOutOf(App& app, ControlId from, const std::vector<std::string>& files) {
  ISystem* system = app.platform.system;
  if (!system || files.empty()) return;
  app.panel.DraggingOutOf = from;
  Guarded([&] { system->DragFilesOut(files); });
  app.panel.DraggingOutOf.reset();
}

bool DraggedOutOf(const App& app, ControlId control) { return app.panel.DraggingOutOf == control; }

}  // namespace velmarin
