#pragma once
// Message boxes and screen metrics of a real Windows system.
#include <windows.h>

#include <functional>

#include "core/dpi_scale.h"
#include "platform/message_box.h"
#include "platform/screen.h"

namespace velmarin::win32 {

class Win32MessageBox : public IMessageBox {
 public:
  // The window the boxes belong to (disabled while one is open); none by default.
  void SetOwner(HWND owner) { owner_ = owner; }
  // The open dialog in front (nullptr when none is): a box raised while it is open is its own.
  void FollowDialogs(std::function<HWND()> innermostDialog) {
    innermostDialog_ = std::move(innermostDialog);
  }
  MbResult Show(const std::string& text, const std::string& title, MbButtons buttons,
                MbIcon icon) override;

 private:
  HWND owner_ = nullptr;
  std::function<HWND()> innermostDialog_;
};

// The screen in its own pixels, where windows stand on the desktop, with the system's DPI that
// keeps their places in twips; and the 15 twips of a layout pixel inside a window.
class Win32Screen : public IScreen {
 public:
  int WidthPixels() override;
  int HeightPixels() override;
  int TwipsPerPixelX() override;
  int TwipsPerPixelY() override;
  int SystemDpi() override;
  std::vector<PixelRect> WorkAreas() override;
};

}  // namespace velmarin::win32
