#pragma once
// Layout pixels and the screen's own pixels. The program lays its window out in layout pixels,
// the pixels of a 96-DPI screen (15 twips each, so a position in twips is the same place at any
// DPI); a screen of d dots per inch shows each layout pixel as d / 96 of its own.
//
// Rectangles scale by their edges, not by their left and width, so cells that touch at 96 DPI
// still touch at any DPI (at 120 DPI the 37-pixel cells are 46 and 47 pixels wide in turn).
#include <array>

#include "platform/controls.h"

namespace velmarin {

inline constexpr int kLayoutDpi = 96;
// The sizes every icon of the program comes in.
inline constexpr std::array<int, 4> kIconSizes = {16, 32, 48, 64};

class DpiScale {
 public:
  DpiScale() = default;
  // A DPI the system cannot give (0, negative) counts as 96.
  explicit DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kLayoutDpi) {}

  int Dpi() const { return dpi_; }
  bool IsLayoutDpi() const { return dpi_ == kLayoutDpi; }

  // A layout position in screen pixels, rounded to the nearest (halves upwards).
  int ToScreen(int layout) const { return RoundedRatio(layout, dpi_, kLayoutDpi); }
  // A screen position in layout pixels, rounded to the nearest; from 96 DPI up,
  // ToLayout(ToScreen(v)) == v.
  int ToLayout(int screen) const { return RoundedRatio(screen, kLayoutDpi, dpi_); }

  PixelRect ToScreen(const PixelRect& r) const {
    const int left = ToScreen(r.left);
    const int top = ToScreen(r.top);
    return {left, top, ToScreen(r.left + r.width) - left, ToScreen(r.top + r.height) - top};
  }
  PixelRect ToLayout(const PixelRect& r) const {
    const int left = ToLayout(r.left);
    const int top = ToLayout(r.top);
    return {left, top, ToLayout(r.left + r.width) - left, ToLayout(r.top + r.height) - top};
  }

  // The window's outer rectangle: its corner is a place on the desktop, in the screen's own
  // pixels at any DPI (DesktopUnits), and does not scale; nor does the frame of `frame` screen
  // pixels on each side, which is the system's. The client area inside it scales by its size, so
  // the window is as large wherever it stands.
  PixelRect OuterToScreen(const PixelRect& outer, int frame) const {
    return {outer.left, outer.top, ToScreen(outer.width - 2 * frame) + 2 * frame,
            ToScreen(outer.height - 2 * frame) + 2 * frame};
  }
  PixelRect OuterToLayout(const PixelRect& outer, int frame) const {
    return {outer.left, outer.top, ToLayout(outer.width - 2 * frame) + 2 * frame,
            ToLayout(outer.height - 2 * frame) + 2 * frame};
  }

  // The icon size to draw a 32-pixel layout icon with: the largest the icons come in that is
  // not larger than the icon's room on this screen, so it is drawn at its own size, never
  // stretched (32 at 96 and 120 DPI, 48 at 144, 64 at 192 and above).
  int IconSize(int layoutSize = 32) const {
    const int room = ToScreen(layoutSize);
    int best = kIconSizes.front();
    for (int size : kIconSizes) {
      if (size <= room) best = size;
    }
    return best;
  }

  // The whole factor of a DPI that is a multiple of 96 (2 at 192), otherwise 0.
  int WholeFactor() const { return dpi_ % kLayoutDpi == 0 ? dpi_ / kLayoutDpi : 0; }

  // The height in screen pixels of a font of `points` points (72 to the inch).
  int FontPixels(int points) const { return RoundedRatio(points, dpi_, 72); }

  friend bool operator==(const DpiScale&, const DpiScale&) = default;

 private:
  // value * num / den rounded to the nearest whole number, halves upwards, also below zero.
  static int RoundedRatio(int value, int num, int den) {
    const long long scaled = static_cast<long long>(value) * num * 2 + den;
    const long long twice = 2LL * den;
    long long q = scaled / twice;
    if (scaled % twice != 0 && scaled < 0) --q;  // floor, not towards zero
    return static_cast<int>(q);
  }

  int dpi_ = kLayoutDpi;
};

}  // namespace velmarin
