#pragma once
// The row of button cells under the title strip.
#include "core/app.h"

namespace velmarin {

// The cells that show a button (0..MaxButton-1) where PanelLeft and TitleTop put the row, one
// cell after the other, each with its up face; the icons come when a page is shown.
void LayoutButtons(App& app);

}  // namespace velmarin
