#include "core/dpi_scale.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell/layout.h"

namespace velmarin {
namespace {

int Right(const PixelRect& r) { return r.left + r.width; }
int Bottom(const PixelRect& r) { return r.top + r.height; }

// The ten-button window as each screen shows it.
struct Expected {
  int dpi;
  int cellWidth;  // a launcher cell: between whole pixels, not always square
  int cellHeight;
  int clientWidth;  // the whole row with the page cells
  int clientClosed;
  int clientOpen;
  int iconSize;
  int captionFont;  // the 10-point caption, in pixels
};

TEST(DpiScale, TheTenButtonWindowGrowsWithTheScreensDpiAndStaysInOnePiece) {
  const std::vector<Expected> table = {
      {96, 37, 37, 445, 55, 158, 32, 13},
      {120, 46, 47, 556, 69, 198, 32, 17},
      {144, 56, 55, 668, 83, 237, 48, 20},
      {192, 74, 74, 890, 110, 316, 64, 27},
  };
  const WindowGeometry g = ComputeGeometry(10, 37, 37);
  for (const Expected& e : table) {
    SCOPED_TRACE(e.dpi);
    const DpiScale s(e.dpi);
    EXPECT_EQ(s.ToScreen(g.cells[0]), (PixelRect{0, s.ToScreen(17), e.cellWidth, e.cellHeight}));
    EXPECT_EQ(s.ToScreen(g.clientWidth), e.clientWidth);
    EXPECT_EQ(s.ToScreen(g.clientHeightClosed), e.clientClosed);
    EXPECT_EQ(s.ToScreen(g.clientHeightOpen), e.clientOpen);
    EXPECT_EQ(s.IconSize(), e.iconSize);
    EXPECT_EQ(s.WholeFactor(), e.dpi == 120 || e.dpi == 144 ? 0 : e.dpi / 96);
    EXPECT_EQ(s.FontPixels(10), e.captionFont);

    // No gaps and no overlaps: the row of cells, the title strip and the right column still
    // meet where they meet at 96 DPI, and the right edges reach the client's edge.
    for (int k = 0; k + 1 < 10; ++k) {
      EXPECT_EQ(Right(s.ToScreen(g.cells[k])), s.ToScreen(g.cells[k + 1]).left) << k;
      EXPECT_EQ(s.ToScreen(g.cells[k]).height, e.cellHeight) << k;
    }
    EXPECT_EQ(Right(s.ToScreen(g.titleBar[3])), s.ToScreen(g.titleBar[4]).left);
    EXPECT_EQ(Right(s.ToScreen(g.titleBar[5])), s.ToScreen(g.titleBar[6]).left);
    EXPECT_EQ(Bottom(s.ToScreen(g.titleBar[5])), s.ToScreen(g.titleBar[2]).top);
    EXPECT_EQ(Right(s.ToScreen(g.tClose)), e.clientWidth);
    EXPECT_EQ(Right(s.ToScreen(g.titleBar[6])), e.clientWidth);
    EXPECT_EQ(Bottom(s.ToScreen(g.storage)), e.clientOpen);

    // Every rectangle comes back from the screen as the layout gave it.
    for (const PixelRect& r : {g.run, g.titleBar[1], g.storage, g.cells[7], g.ddExecute}) {
      EXPECT_EQ(s.ToLayout(s.ToScreen(r)), r);
    }
  }
}

TEST(DpiScale, TwipsMeanTheSamePlaceAtAnyDpiAndTheFrameDoesNotScale) {
  // X=1440 (one inch) is 96 layout pixels: one inch of any screen.
  for (int dpi : {96, 120, 144, 192}) {
    EXPECT_EQ(DpiScale(dpi).ToScreen(1440 / 15), dpi);
  }
  // The window with its one-pixel frame: the inside doubles, the frame stays one pixel, and its
  // corner stays on the screen pixel it stands on.
  const DpiScale twice(192);
  EXPECT_EQ(twice.OuterToScreen({100, 50, 447, 57}, 1), (PixelRect{100, 50, 892, 112}));
  EXPECT_EQ(twice.OuterToLayout({100, 50, 892, 112}, 1), (PixelRect{100, 50, 447, 57}));
  EXPECT_EQ(DpiScale(96).OuterToScreen({-3, 7, 447, 57}, 1), (PixelRect{-3, 7, 447, 57}));
  // Above the left edge of the screen, halves still round the same way.
  EXPECT_EQ(DpiScale(144).ToScreen(-1), -1);
  EXPECT_EQ(DpiScale(144).ToScreen(-3), -4);
  EXPECT_EQ(DpiScale(144).ToLayout(-4), -3);
  // A DPI the system cannot give is taken as 96.
  EXPECT_EQ(DpiScale(0), DpiScale(96));
}

}  // namespace
}  // namespace velmarin
