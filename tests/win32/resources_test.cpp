// The program's pictures as the system reads them: the icon library by index, and the faces
// and icons built into the program.
// shellapi.h (ExtractIconW) needs windows.h first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "resource_ids.h"

namespace velmarin::win32 {
namespace {

std::wstring FolderOfThisProgram() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.find_last_of(L'\\'));
}

// The colour pixels of an icon (32 bits each), with its size.
struct IconPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

IconPixels ReadIcon(HICON icon) {
  IconPixels result;
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return result;
  BITMAP bitmap{};
  if (info.hbmColor && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap)) {
    result.width = bitmap.bmWidth;
    result.height = bitmap.bmHeight;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = bitmap.bmWidth;
    header.bmiHeader.biHeight = -bitmap.bmHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    result.pixels.resize(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, info.hbmColor, 0, bitmap.bmHeight, result.pixels.data(), &header,
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return result;
}

TEST(Resources, IconLibraryHoldsFourteenDifferentIconsByIndex) {
  const std::wstring library = FolderOfThisProgram() + L"\\velmarin.icl";
  ASSERT_NE(GetFileAttributesW(library.c_str()), INVALID_FILE_ATTRIBUTES)
      << "velmarin.icl should lie next to the test program";
  HINSTANCE instance = GetModuleHandleW(nullptr);

  // Index -1 asks for the number of icons.
  EXPECT_EQ(reinterpret_cast<UINT_PTR>(ExtractIconW(instance, library.c_str(), UINT(-1))),
            UINT_PTR{ICL_COUNT});

  std::set<std::vector<std::uint32_t>> seen;
  for (UINT k = 0; k < ICL_COUNT; ++k) {
    HICON icon = ExtractIconW(instance, library.c_str(), k);
    ASSERT_GT(reinterpret_cast<UINT_PTR>(icon), UINT_PTR{1}) << "icon " << k;
    const IconPixels pixels = ReadIcon(icon);
    DestroyIcon(icon);
    // Drawn at the system's icon size, as the cells draw them.
    EXPECT_EQ(pixels.width, GetSystemMetrics(SM_CXICON)) << "icon " << k;
    EXPECT_EQ(pixels.height, GetSystemMetrics(SM_CYICON)) << "icon " << k;
    EXPECT_TRUE(seen.insert(pixels.pixels).second) << "icon " << k << " repeats an earlier one";
  }

  // Past the last icon there is none.
  HICON past = ExtractIconW(instance, library.c_str(), ICL_COUNT);
  EXPECT_EQ(past, nullptr);
  if (past) DestroyIcon(past);
}

// A full-size library icon drawn on a small cell's face, as the cell paints it: the glyph
// shows, and where the icon is transparent the face (bevel included) stays as it was.
TEST(Resources, LibraryIconDrawnOnASmallFaceLeavesTheBevelAlone) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring library = FolderOfThisProgram() + L"\\velmarin.icl";
  HBITMAP face = static_cast<HBITMAP>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDB_STORAGEOPEN_UP), IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(face, nullptr);
  HICON icon = ExtractIconW(instance, library.c_str(), ICL_SHELF_CLOSED);
  ASSERT_GT(reinterpret_cast<UINT_PTR>(icon), UINT_PTR{1});

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, face);
  const COLORREF bevelBottom = GetPixel(dc, 10, 15);
  ASSERT_TRUE(DrawIcon(dc, 1, 1, icon));
  EXPECT_EQ(GetPixel(dc, 1, 1), RGB(223, 223, 223));  // inner bevel, under the icon's corner
  EXPECT_EQ(GetPixel(dc, 10, 15), bevelBottom);       // lower bevel, under transparent rows
  EXPECT_EQ(GetPixel(dc, 5, 8), RGB(192, 192, 192));  // face left of the glyph
  EXPECT_EQ(GetPixel(dc, 11, 3), RGB(0, 0, 0));       // the cabinet's outline, top left
  EXPECT_EQ(GetPixel(dc, 25, 13), RGB(0, 0, 0));      // and bottom right
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
  DeleteObject(face);
}

TEST(Resources, FacesHaveTheSizesOfTheirCells) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  struct Face {
    int id;
    int width;
    int height;
  };
  const Face faces[] = {
      {IDB_CELL_UP, 37, 37},        {IDB_CELL_DOWN, 37, 37},
      {IDB_STORAGEOPEN_UP, 37, 17}, {IDB_STORAGEOPEN_PUSHED, 37, 17},
      {IDB_DDEXECUTE_UP, 19, 17},   {IDB_DDEXECUTE_PUSHED, 19, 17},
      {IDB_TCLOSE_UP, 17, 17},      {IDB_TCLOSE_PUSHED, 17, 17},
  };
  for (const Face& face : faces) {
    HANDLE bitmap = LoadImageW(instance, MAKEINTRESOURCEW(face.id), IMAGE_BITMAP, 0, 0, 0);
    ASSERT_NE(bitmap, nullptr) << "bitmap " << face.id;
    BITMAP info{};
    ASSERT_TRUE(GetObjectW(bitmap, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, face.width) << "bitmap " << face.id;
    EXPECT_EQ(info.bmHeight, face.height) << "bitmap " << face.id;
    DeleteObject(bitmap);
  }
  // Picture n of ImageList2 follows from its first id.
  EXPECT_EQ(IDB_IMAGELIST2 + 2 * 2 + 2 - 1, IDB_TCLOSE_PUSHED);
}

TEST(Resources, ShelfIconsAndProgramIconLoadAtSmallSize) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  std::set<std::vector<std::uint32_t>> seen;
  for (int n = 1; n <= FILEICONS_COUNT; ++n) {
    HANDLE icon =
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_FILEICONS + n - 1), IMAGE_ICON, 16, 16, 0);
    ASSERT_NE(icon, nullptr) << "shelf icon " << n;
    const IconPixels pixels = ReadIcon(static_cast<HICON>(icon));
    DestroyIcon(static_cast<HICON>(icon));
    EXPECT_EQ(pixels.width, 16) << "shelf icon " << n;
    EXPECT_TRUE(seen.insert(pixels.pixels).second) << "shelf icon " << n;
  }
  for (int size : {16, 32}) {
    HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(IDI_VELMARIN), IMAGE_ICON, size, size, 0);
    ASSERT_NE(icon, nullptr) << "program icon " << size;
    EXPECT_EQ(ReadIcon(static_cast<HICON>(icon)).width, size);
    DestroyIcon(static_cast<HICON>(icon));
  }
}

}  // namespace
}  // namespace velmarin::win32
