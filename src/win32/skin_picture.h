#pragma once
// The skin picture: a bitmap file loaded once as a device-independent picture and held in a
// memory device context, the source of every copy of the skin into the window's cells, the
// shelf's background and the Run box.
#include <windows.h>

#include <optional>
#include <string>

#include "core/dpi_scale.h"
#include "platform/controls.h"
#include "win32/memory_picture.h"

namespace velmarin::win32 {

class SkinPicture {
 public:
  SkinPicture() = default;
  ~SkinPicture();
  SkinPicture(const SkinPicture&) = delete;
  SkinPicture& operator=(const SkinPicture&) = delete;

  // Loads the file in place of the picture held, enlarged for the screen and never smoothed: at
  // a whole multiple of 96 DPI each pixel becomes factor x factor pixels (or, at 192,
  // NAME@2x.bmp beside NAME.bmp is taken when there is one); between them the picture is
  // stretched to the window's own scale, so it still lies under the cells it was drawn for.
  // Gives the size the skin covers in layout pixels; nullopt (and no picture) when it cannot
  // be read.
  std::optional<PixelSize> Load(const std::wstring& path, const DpiScale& scale = DpiScale());
  void Clear();
  bool Held() const { return dc_ != nullptr; }

  // Copies the rectangle `from` of the picture into `target` at (x, y) with the raster
  // operation (SRCCOPY, or SRCAND to darken with it).
  void CopyTo(HDC target, const PixelRect& from, int x, int y, DWORD rop = SRCCOPY) const;
  // A new picture of `size` in the colour `fill` with the rectangle `from` at (x, y); the caller
  // owns it. nullptr when it cannot be made.
  HBITMAP Cut(const PixelSize& size, const PixelRect& from, int x, int y, COLORREF fill) const;

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace velmarin::win32
