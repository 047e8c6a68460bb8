#include "panel/push_button.h"

#include "panel/draw_icon.h"

namespace velmarin {

void PaintPushButton(App& app, const PushButton& button) {
  const std::optional<ControlId>& picture = button.Picture();
  if (!picture || !app.platform.controls) return;
  const int16_t index = button.Index();
  app.platform.controls->SetFace(*picture, FaceList::ImageList2,
                                 button.Pushed() ? 2 * index + 2 : 2 * index + 1);
  // The two toggles show the skin under them; the close cell keeps its plain face.
  if (index < 2) app.Commands().SkinPaint(*picture, 1);
  MyDrawIcon(app, IconLibraryPath(app), 0, 1, 1, *picture,
             static_cast<int16_t>(6 + 2 * index + button.Value()), "", false);
}

}  // namespace velmarin
