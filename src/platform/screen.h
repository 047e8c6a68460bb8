#pragma once
// The screen the main window lives on.
namespace velmarin {

class IScreen {
 public:
  virtual ~IScreen() = default;
  virtual int WidthPixels() = 0;
  virtual int HeightPixels() = 0;
  // Twips per pixel (15 on ordinary 96-dpi screens).
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;
};

}  // namespace velmarin
