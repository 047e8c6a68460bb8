#pragma once
// Where windows stand on the desktop. A place on the desktop is in the screen's own pixels, and
// the settings file keeps it in twips at one scale for the whole session: the system's DPI, the
// one every program saw before monitors had a DPI each (15 twips a pixel at 96 DPI, 10 at 144,
// 7.5 at 192). The DPI of the monitor the window happens to stand on never enters: with it, a
// window kept on a 150 % monitor right of a 100 % one would come back a third of the way off.
//
// Controls inside a window are another matter: they are laid out in layout pixels (DpiScale).
#include <cmath>
#include <cstdint>

namespace velmarin {

class DesktopUnits {
 public:
  DesktopUnits() = default;
  // A DPI the system cannot give (0, negative, or more than 1440, where a pixel would be less
  // than a twip) counts as 96.
  explicit DesktopUnits(int systemDpi)
      : dpi_(systemDpi > 0 && systemDpi <= kTwipsPerInch ? systemDpi : 96) {}

  int Dpi() const { return dpi_; }
  double TwipsPerPixel() const { return static_cast<double>(kTwipsPerInch) / dpi_; }

  // The pixel a place in twips falls on: its whole twips times the scale, toward zero (at 96 DPI
  // the whole twips divided by 15, as it always was).
  int Pixels(double twips) const {
    if (!std::isfinite(twips)) return 0;
    const double whole = std::trunc(twips);
    if (std::fabs(whole) > 2.0e9) return 0;
    return static_cast<int>(static_cast<int64_t>(whole) * dpi_ / kTwipsPerInch);
  }

  // A pixel in whole twips, rounded away from zero when a pixel is no whole number of twips, so
  // that Pixels(Twips(p)) == p at every DPI.
  float Twips(int pixels) const {
    const int64_t scaled = static_cast<int64_t>(pixels) * kTwipsPerInch;
    int64_t twips = scaled / dpi_;
    if (scaled % dpi_ != 0) twips += scaled < 0 ? -1 : 1;
    return static_cast<float>(twips);
  }

  // A place in twips moved by whole pixels: the same twips further on (a hand-written place keeps
  // where it lies inside its pixel), unless that misses the pixel it is moved to, as it can where
  // a pixel is no whole number of twips; then that pixel's own twips.
  float MovedBy(float twips, int pixels) const {
    const int target = Pixels(twips) + pixels;
    const auto moved = static_cast<float>(twips + pixels * TwipsPerPixel());
    return Pixels(moved) == target ? moved : Twips(target);
  }

  friend bool operator==(const DesktopUnits&, const DesktopUnits&) = default;

 private:
  static constexpr int kTwipsPerInch = 1440;
  int dpi_ = 96;
};

}  // namespace velmarin
