#include "win32/memory_picture.h"

namespace velmarin::win32 {

HBITMAP MakeTopDownPicture(int width, int height, void** pixels) {
  *pixels = nullptr;
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, pixels, nullptr, 0);
  if (bitmap && !*pixels) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

MemoryPicture MakeMemoryPicture(int width, int height) {
  void* bits = nullptr;
  HBITMAP bitmap = MakeTopDownPicture(width, height, &bits);
  HDC dc = bitmap ? CreateCompatibleDC(nullptr) : nullptr;
  if (!dc || !bitmap) {
    if (dc) DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    return {};
  }
  return {dc, bitmap, SelectObject(dc, bitmap)};
}

}  // namespace velmarin::win32
