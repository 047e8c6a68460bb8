// The skin picture under wine: a bitmap file loaded and cuts of it copied into the cells.
#include "win32/skin_picture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "temp_folder.h"
#include "win32/main_window.h"
#include "win32/wide.h"

namespace velmarin::win32 {
namespace {

// The colour the test bitmap has at (x, y): every pixel different.
COLORREF At(int x, int y) { return RGB(x * 5, y * 10, 200); }

// A 24-bit bottom-up bitmap file of width x height in the colours above.
std::string BitmapFile(int width, int height) {
  const int stride = (3 * width + 3) / 4 * 4;
  std::string pixels;
  for (int y = height - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const COLORREF c = At(x, y);
      row += static_cast<char>(GetBValue(c));
      row += static_cast<char>(GetGValue(c));
      row += static_cast<char>(GetRValue(c));
    }
    row.resize(static_cast<size_t>(stride), '\0');
    pixels += row;
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(pixels.size());
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  return std::string(reinterpret_cast<const char*>(&file), sizeof(file)) +
         std::string(reinterpret_cast<const char*>(&info), sizeof(info)) + pixels;
}

bool Write(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  CloseHandle(file);
  return ok;
}

struct Window {
  App app;
  MainWindow window{app};
  ~Window() {
    if (window.Handle()) DestroyWindow(window.Handle());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

TEST(SkinPicture, ACutOfTheFileLandsInTheCellAndTheRestStays) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "skin.bmp";
  ASSERT_TRUE(Write(path, BitmapFile(40, 20)));
  Window w;
  ASSERT_TRUE(w.window.Create(GetModuleHandleW(nullptr)));
  const ControlId cell{ControlKind::TitleBar, 3};
  w.window.Place(cell, {0, 0, 37, 17});
  w.window.SetBackColor(cell, 0x0000FF);  // red, to tell what the copy did not touch
  EXPECT_EQ(w.window.LoadSkinPicture(path), (PixelSize{40, 20}));
  // The rectangle under the cell inside a 1-pixel margin, as the cell's background.
  w.window.CopySkin(cell, {1, 1, 35, 15}, 1, 1);
  HDC surface = w.window.Cell(cell)->Surface();
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(GetPixel(surface, 1, 1), At(1, 1));
  EXPECT_EQ(GetPixel(surface, 20, 7), At(20, 7));
  EXPECT_EQ(GetPixel(surface, 35, 15), At(35, 15));
  EXPECT_EQ(GetPixel(surface, 0, 0), RGB(255, 0, 0)) << "the margin keeps what was there";
  EXPECT_EQ(GetPixel(surface, 36, 16), RGB(255, 0, 0));
  // A cut from further in lands where it is asked to, unscaled.
  const ControlId other{ControlKind::TitleBar, 4};
  w.window.Place(other, {37, 0, 37, 17});
  w.window.CopySkin(other, {37, 0, 3, 17}, 0, 0);
  HDC second = w.window.Cell(other)->Surface();
  EXPECT_EQ(GetPixel(second, 0, 0), At(37, 0));
  EXPECT_EQ(GetPixel(second, 2, 16), At(39, 16));
  EXPECT_EQ(w.window.Bounds(other), (PixelRect{37, 0, 37, 17}));
}

TEST(SkinPicture, AFileThatIsNoBitmapGivesNoPicture) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string path = folder / "skin.bmp";
  ASSERT_TRUE(Write(path, "BM not really"));
  SkinPicture picture;
  EXPECT_FALSE(picture.Load(Widen(path)).has_value());
  EXPECT_FALSE(picture.Held());
  EXPECT_FALSE(picture.Load(Widen(folder / "none.bmp")).has_value());
}

TEST(SkinPicture, TheSampleSkinFitsTheTenButtonWindow) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  path = path.substr(0, path.find_last_of(L'\\')) + L"\\skin.bmp";
  SkinPicture picture;
  EXPECT_EQ(picture.Load(path), (PixelSize{445, 158}));
}

}  // namespace
}  // namespace velmarin::win32
