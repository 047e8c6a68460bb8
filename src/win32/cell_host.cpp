#include "win32/cell_host.h"

#include <shellapi.h>

#include <climits>

#include "win32/file_icons.h"
#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

// The cells in their order: title cells 1..6, the three small cells, button cells 0..11.
constexpr int kSmallCellsSlot = 6;
constexpr int kButtonCellsSlot = 9;
constexpr int kCellSlots = 21;

int CellSlot(ControlId id) {
  switch (id.kind) {
    case ControlKind::TitleBar:
      return id.index >= 1 && id.index <= 6 ? id.index - 1 : -1;
    case ControlKind::StorageOpen:
      return kSmallCellsSlot;
    case ControlKind::DDExecute:
      return kSmallCellsSlot + 1;
    case ControlKind::TClose:
      return kSmallCellsSlot + 2;
    case ControlKind::Picture1:
      return id.index >= 0 && id.index < kCellSlots - kButtonCellsSlot ? kButtonCellsSlot + id.index
                                                                       : -1;
    default:
      return -1;
  }
}

ControlId CellOfSlot(int slot) {
  if (slot < kSmallCellsSlot) return {ControlKind::TitleBar, slot + 1};
  if (slot == kSmallCellsSlot) return {ControlKind::StorageOpen, 0};
  if (slot == kSmallCellsSlot + 1) return {ControlKind::DDExecute, 0};
  if (slot == kSmallCellsSlot + 2) return {ControlKind::TClose, 0};
  return {ControlKind::Picture1, slot - kButtonCellsSlot};
}

// "C:" or "C:\": the shell reports such a root as missing even when it gives its icon.
bool IsDriveRoot(const std::wstring& path) {
  return !path.empty() && path.size() < 4 && (path.back() == L':' || path.back() == L'\\');
}

// The cache's index for the shell's own icon of a file: no icon index a file can be asked for.
constexpr int kShellIconIndex = INT_MIN;

bool IsIconLibrary(const std::wstring& path) {
  return path.size() > 4 && _wcsicmp(path.c_str() + path.size() - 4, L".icl") == 0;
}

}  // namespace

CellHost::~CellHost() {
  for (auto& [id, bitmap] : faces_) {
    if (bitmap) DeleteObject(bitmap);
  }
  if (faceDc_) DeleteDC(faceDc_);
  for (auto& [key, font] : fonts_) {
    if (font) DeleteObject(font);
  }
  for (auto& [height, font] : lineFonts_) {
    if (font) DeleteObject(font);
  }
}

void CellHost::SetFaceResources(HINSTANCE instance, int imageList1First, int imageList2First) {
  instance_ = instance;
  imageList1First_ = imageList1First;
  imageList2First_ = imageList2First;
}

HBITMAP CellHost::FaceBitmap(FaceList list, int picture) {
  const int first = list == FaceList::ImageList1 ? imageList1First_ : imageList2First_;
  if (first <= 0 || picture < 1) return nullptr;
  const int id = first + picture - 1;
  auto found = faces_.find(id);
  if (found == faces_.end()) {
    // As a picture of its own rather than one of the display's: copying from it then needs
    // nothing of the display either.
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    found = faces_.emplace(id, bitmap).first;
  }
  return found->second;
}

void CellHost::SetScale(const DpiScale& scale) {
  if (scale == scale_) return;
  scale_ = scale;
  for (auto& [key, font] : fonts_) {
    if (font) DeleteObject(font);
  }
  fonts_.clear();
  libraries_.SetIconSize(scale_.IconSize());
  // Files' icons come again at this monitor's icon size when the cells are painted again.
  fileIcons_.Clear();
}

int CellHost::SlotOf(ControlId id) { return CellSlot(id); }

CellSurface* CellHost::Cell(ControlId id) {
  const int slot = CellSlot(id);
  return slot < 0 ? nullptr : &cells_[static_cast<size_t>(slot)];
}

std::optional<ControlId> CellHost::CellAt(int x, int y) const {
  for (size_t slot = 0; slot < cells_.size(); ++slot) {
    const CellSurface& cell = cells_[slot];
    if (cell.Visible() && cell.Contains(x, y)) return CellOfSlot(static_cast<int>(slot));
  }
  return std::nullopt;
}

void CellHost::SetFace(ControlId id, FaceList list, int picture) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  RECT rc{0, 0, cell->Width(), cell->Height()};
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  if (HBITMAP face = FaceBitmap(list, picture)) {
    // The picture sits at the cell's top-left corner, as a picture box shows it.
    if (!faceDc_) faceDc_ = CreateCompatibleDC(dc);
    if (faceDc_) {
      BITMAP info{};
      GetObjectW(face, sizeof(info), &info);
      HGDIOBJ old = SelectObject(faceDc_, face);
      // Enlarged for the screen pixel by pixel, never smoothed: the bevel stays crisp. A face of
      // the cell's size fills the cell, which between whole factors may be a pixel larger.
      if (scale_.IsLayoutDpi()) {
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, faceDc_, 0, 0, SRCCOPY);
      } else {
        int width = scale_.ToScreen(info.bmWidth);
        int height = scale_.ToScreen(info.bmHeight);
        if (width - rc.right == 1 || width - rc.right == -1) width = rc.right;
        if (height - rc.bottom == 1 || height - rc.bottom == -1) height = rc.bottom;
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, width, height, faceDc_, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
      }
      SelectObject(faceDc_, old);
      return;
    }
  }
  // Without the pictures: odd pictures are the up faces, even ones the held-down faces.
  const bool down = picture % 2 == 0;
  DrawEdge(dc, &rc, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
}

ExtractedIcon CellHost::ExtractFileIcon(const std::string& source, int index) {
  const std::wstring wide = Widen(source);
  // An icon the library holds itself is what the shell's call would give first; only for other
  // files does the shell look for the icon of the program they open with.
  if (IsIconLibrary(wide)) {
    if (const IconHandle icon = libraries_.Icon(wide, index)) return {IconLookup::Icon, icon};
  }
  if (HICON kept = fileIcons_.Find(wide, index)) {
    return {IconLookup::Icon, reinterpret_cast<IconHandle>(kept)};
  }
  // A program's own icon is what the shell's call gives for it; read without the shell, which a
  // start with programs and folders on its first page then never loads.
  if (HasOwnIcons(wide) && IsFile(wide)) {
    if (HICON own = FileOwnIcon(wide, index, MetricForDpi(SM_CXICON, scale_.Dpi()))) {
      fileIcons_.Keep(wide, index, own);
      return {IconLookup::Icon, reinterpret_cast<IconHandle>(own)};
    }
    // No such icon in it: the shell's calls would find none of its own either.
    return {IconLookup::NotFound, 0};
  }
  const bool driveRoot = IsDriveRoot(wide);
  // A folder holds no icons: the shell's calls would load the shell only to say so. Its picture
  // is the shell's folder icon (ShellIcon).
  if (!driveRoot && IsFolder(wide)) return {IconLookup::NotFound, 0};
  HICON icon = nullptr;
  DWORD error = ERROR_FILE_NOT_FOUND;
  if (wide.size() < MAX_PATH) {
    wchar_t path[MAX_PATH] = {};
    wide.copy(path, wide.size());
    WORD iconIndex = static_cast<WORD>(index);
    SetLastError(0);
    icon = ExtractAssociatedIconW(instance_, path, &iconIndex);
    error = GetLastError();
  }
  // Nothing from the associated program, or a file the shell says is missing: ask the file
  // itself, which tells an empty file from a missing one.
  if (!icon || (error == ERROR_FILE_NOT_FOUND && !driveRoot)) {
    if (icon) ::DestroyIcon(icon);
    SetLastError(0);
    icon = ExtractIconW(instance_, wide.c_str(), static_cast<UINT>(index));
    error = GetLastError();
  }
  const auto handle = reinterpret_cast<IconHandle>(icon);
  if (error == ERROR_FILE_NOT_FOUND && !driveRoot) {
    if (handle > 1) ::DestroyIcon(icon);
    return {IconLookup::NoSuchFile, 0};
  }
  if (handle == 0) return {IconLookup::NotFound, 0};
  if (handle == 1) return {IconLookup::NotIncluded, 0};  // ExtractIcon's "not an icon file"
  fileIcons_.Keep(wide, index, icon);
  return {IconLookup::Icon, handle};
}

ExtractedIcon CellHost::ShellIcon(const std::string& path) {
  const std::wstring wide = Widen(path);
  if (wide.empty() || wide.size() >= MAX_PATH || wide.find(L'\0') != std::wstring::npos) {
    return {IconLookup::NotFound, 0};
  }
  // Kept apart from the file's numbered icons.
  if (HICON kept = fileIcons_.Find(wide, kShellIconIndex)) {
    return {IconLookup::Icon, reinterpret_cast<IconHandle>(kept)};
  }
  SHFILEINFOW info = {};
  const bool folder = !IsDriveRoot(wide) && IsFolder(wide);
  if (folder || (IsProgram(wide) && IsFile(wide))) {
    // The shell shows a program's first icon, or its program picture when it has none.
    const int size = MetricForDpi(SM_CXICON, scale_.Dpi());
    if (folder) {
      info.hIcon = ShellFolderIcon(size);
    } else {
      info.hIcon = FileOwnIcon(wide, 0, size);
      if (!info.hIcon) info.hIcon = ShellProgramIcon(size);
    }
    if (!info.hIcon) return {IconLookup::NotFound, 0};
  } else if (!SHGetFileInfoW(wide.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_LARGEICON) ||
             !info.hIcon) {
    return {IconLookup::NotFound, 0};
  }
  fileIcons_.Keep(wide, kShellIconIndex, info.hIcon);
  return {IconLookup::Icon, reinterpret_cast<IconHandle>(info.hIcon)};
}

void CellHost::DrawIcon(ControlId id, int x, int y, IconHandle icon) {
  CellSurface* cell = Cell(id);
  if (!cell || icon == 0) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  // Full size, as the icon library's pictures are laid out for it; the cell clips the rest.
  libraries_.Draw(dc, x, y, icon);
}

void CellHost::DestroyIcon(IconHandle icon) {
  if (icon == 0 || libraries_.IsKept(icon)) return;
  if (fileIcons_.IsKept(reinterpret_cast<HICON>(icon))) return;
  ::DestroyIcon(reinterpret_cast<HICON>(icon));
}

void CellHost::PrintText(ControlId id, const std::string& text) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  // Without a font of its own a cell prints in lines small enough for three of them (a missing
  // icon's three words) to fit inside its face.
  const int margin = 2;
  HGDIOBJ old =
      SelectObject(dc, cell->Font() ? cell->Font() : LineFont((cell->Height() - 2 * margin) / 3));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, cell->ForeColor());
  RECT rc{margin, margin, cell->Width(), cell->Height()};
  const std::wstring wide = Widen(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rc, DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, old);
}

void CellHost::DrawLine(ControlId id, int x1, int y1, int x2, int y2) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  // As wide as a layout pixel on this screen.
  const int width = scale_.ToScreen(1);
  HPEN pen = width > 1 ? CreatePen(PS_SOLID, width, RGB(0, 0, 0)) : nullptr;
  HGDIOBJ old = SelectObject(dc, pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(BLACK_PEN));
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
  SelectObject(dc, old);
  if (pen) DeleteObject(pen);
}

void CellHost::SetForeColor(ControlId id, COLORREF color) {
  if (CellSurface* cell = Cell(id)) cell->SetForeColor(color);
}

void CellHost::SetBackColor(ControlId id, COLORREF color) {
  if (CellSurface* cell = Cell(id)) cell->SetBackColor(color);
}

void CellHost::SetFont(ControlId id, int points, bool bold) {
  if (CellSurface* cell = Cell(id)) cell->SetFont(points, bold);
}

void CellHost::CopySkin(ControlId id, const SkinPicture& skin, const PixelRect& from, int x,
                        int y) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  if (HDC dc = cell->Surface()) skin.CopyTo(dc, from, x, y);
}

HFONT CellHost::Font(const TextFont& font) {
  if (font.points <= 0) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  const auto key = std::make_pair(font.points, font.bold);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    LOGFONTW logFont{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
    logFont.lfHeight = -scale_.FontPixels(font.points);
    logFont.lfWidth = 0;
    logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    found = fonts_.emplace(key, CreateFontIndirectW(&logFont)).first;
  }
  return found->second ? found->second : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT CellHost::LineFont(int lineHeight) {
  HFONT fallback = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (lineHeight < 6) return fallback;
  auto found = lineFonts_.find(lineHeight);
  if (found == lineFonts_.end()) {
    LOGFONTW logFont{};
    GetObjectW(fallback, sizeof(logFont), &logFont);
    logFont.lfHeight = lineHeight;  // positive: the whole line, leading included
    logFont.lfWidth = 0;
    found = lineFonts_.emplace(lineHeight, CreateFontIndirectW(&logFont)).first;
  }
  return found->second ? found->second : fallback;
}

void CellHost::ClearCell(ControlId id, int32_t color) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  RECT rc{0, 0, cell->Width(), cell->Height()};
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(color) & 0x00FFFFFF);
  if (!brush) return;
  FillRect(dc, &rc, brush);
  DeleteObject(brush);
}

void CellHost::PrintTextAt(ControlId id, int x, int y, const std::string& text,
                           const TextFont& font, int32_t color) {
  CellSurface* cell = Cell(id);
  if (!cell) return;
  HDC dc = cell->Surface();
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, Font(font));
  SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, static_cast<COLORREF>(color) & 0x00FFFFFF);
  const std::wstring wide = Widen(text);
  TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
  SetTextColor(dc, oldColor);
  SelectObject(dc, old);
}

int CellHost::TextHeight(ControlId id, const std::string& text, const TextFont& font) {
  CellSurface* cell = Cell(id);
  HDC dc = cell ? cell->Surface() : nullptr;
  if (!dc) return 0;
  HGDIOBJ old = SelectObject(dc, Font(font));
  const std::wstring wide = Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(dc, old);
  return size.cy;
}

void CellHost::PaintOn(HDC dc, const RECT& area) {
  for (size_t slot = cells_.size(); slot-- > 0;) {
    CellSurface& cell = cells_[slot];
    RECT cellRc = cell.ClientRect();
    RECT overlap{};
    if (cell.Visible() && IntersectRect(&overlap, &area, &cellRc)) cell.PaintOn(dc);
  }
}

}  // namespace velmarin::win32
