#pragma once
// The main window's geometry: where every control sits for a given number of buttons, the
// frame width, the heights with the shelf open and closed, and Shape, which lays the window out.
#include <array>
#include <cstdint>

#include "core/app.h"
#include "platform/controls.h"

namespace velmarin {

// The cell that also fixes the title strip: 37 pixels, whatever ButtonWidth says.
inline constexpr int kTitleCell = 37;
inline constexpr int kTitleHeight = 17;
// The Run box keeps its designed width (1695 twips).
inline constexpr int kRunWidth = 113;
inline constexpr int kRunHeight = 21;
// Where a window without a saved position appears, in twips.
inline constexpr int32_t kDesignedLeft = 1440;
inline constexpr int32_t kDesignedTop = 1440;

struct WindowGeometry {
  std::array<PixelRect, 7> titleBar;  // 1..6; [0] unused
  PixelRect run;
  PixelRect storageOpen;
  PixelRect ddExecute;
  PixelRect tClose;
  std::array<PixelRect, 12> cells;  // Picture1(0..11), laid out in one row
  PixelRect storage;                // with the shelf open
  int clientWidth = 0;
  int clientHeightOpen = 0;
  int clientHeightClosed = 0;
};

// The client-area table for maxButton buttons (1..12) and cells of the given size, in pixels.
WindowGeometry ComputeGeometry(int maxButton, int buttonWidth, int buttonHeight);

// The frame width on each side from the window's outer and client widths, in pixels.
int32_t BorderWidthOf(int outerWidth, int clientWidth);

// A position kept on the screen: the remainder of the whole twips divided by the screen's extent,
// with the sign of the position (a window beyond the right edge comes back from the left).
int32_t WrapOnScreen(float positionTwips, int32_t screenTwips);

// Lays the main window out (sizes, places, drop mode, shelf state, the small cells). At start-up
// firstTime is true and sets the drop mode from its options; the settings dialog calls it again
// with false, which keeps the mode and shows the page's cells, tool tips and history arrows.
void Shape(App& app, bool firstTime);

// The window came onto a screen of another DPI and now stands at (left, top), in the screen's
// own pixels: its position is kept in twips, every control placed again and every cell painted
// again for the new screen. The shelf, the drop mode, the page and the history stay as they are.
void ShapeAgain(App& app, int left, int top);

// The window now stands at (left, top), screen pixels of its outer corner, moved by whatever
// moved it (a drag, another program, the system). The position kept in twips follows it, so the
// next drag starts from there and the settings file gets where the window really is; a kept
// position that already falls on that pixel stays as it is.
void MainWindowMoved(App& app, int left, int top);

// The shelf's open and closed heights of the whole window, in layout pixels.
int OuterHeight(const App& app, bool shelfOpen);

}  // namespace velmarin
