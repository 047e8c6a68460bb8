#include "panel/push_button.h"

#include "core/app.h"
#include "panel/draw_icon.h"

namespace velmarin {

void PushButton::SetIndex(int16_t index) {
  index_ = index;
  switch (index) {
    case kStorageOpenIndex:
      picture_ = ControlId{ControlKind::StorageOpen, 0};
      break;
    case kDDExecuteIndex:
      picture_ = ControlId{ControlKind::DDExecute, 0};
      break;
    case kTCloseIndex:
      picture_ = ControlId{ControlKind::TClose, 0};
      break;
    default:
      break;
  }
}

void PushButton::SetPicture(App& app) const {
  if (!picture_ || !app.platform.controls) return;
  app.platform.controls->SetFace(*picture_, FaceList::ImageList2,
                                 pushed_ ? 2 * index_ + 2 : 2 * index_ + 1);
  // The two toggles show the skin under them; the close cell keeps its plain face.
  if (index_ < 2 && app.seams.SkinPaint) app.seams.SkinPaint(*picture_, 1);
  MyDrawIcon(app, IconLibraryPath(app), 0, 1, 1, *picture_,
             static_cast<int16_t>(6 + 2 * index_ + value_), "", false);
}

}  // namespace velmarin
