#pragma once
// The controls on the main window as the app logic places and paints them: the title cells, the
// Run box, the three small window cells, the button cells and the shelf list. Positions are client
// pixels. Each cell keeps what is drawn into it (a persistent surface), so a repaint of the window
// shows the last face, icon and text again.
#include <cstdint>
#include <optional>
#include <string>

namespace velmarin {

enum class ControlKind : uint8_t {
  TitleBar,     // index 1..6
  Run,          // the Run box
  StorageOpen,  // shelf toggle
  DDExecute,    // drop-mode cell
  TClose,       // close cell
  Picture1,     // button cells, index 0..11
  Storage,      // the shelf list
  Form,         // the main window itself, where no control is
};

struct ControlId {
  ControlKind kind = ControlKind::TitleBar;
  int index = 0;
  friend bool operator==(const ControlId&, const ControlId&) = default;
  friend auto operator<=>(const ControlId&, const ControlId&) = default;
};

// A font for text drawn into a cell: its size in points (0: the window's own font) and weight.
struct TextFont {
  int points = 0;
  bool bold = false;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// The picture lists of cell faces: ImageList1 holds the button cells' up (1) and down (2) faces,
// ImageList2 the small cells' faces (2k + 1 up, 2k + 2 pushed for small cell k).
enum class FaceList { ImageList1, ImageList2 };

// An extracted icon, to be destroyed after drawing.
using IconHandle = std::uintptr_t;

// What asking a file for one of its icons gave.
enum class IconLookup {
  Icon,         // the icon
  NotFound,     // the file is there, the icon could not be had
  NotIncluded,  // the file holds no icons
  NoSuchFile,
};

struct ExtractedIcon {
  IconLookup result = IconLookup::NotFound;
  IconHandle icon = 0;  // only with IconLookup::Icon
};

class IControls {
 public:
  virtual ~IControls() = default;
  // Moves and sizes a control. A negative width or height is refused and the control keeps its
  // old size (it still moves).
  virtual void Place(ControlId id, const PixelRect& rect) = 0;
  virtual void SetVisible(ControlId id, bool visible) = 0;
  // Whether dragged files may be dropped on the control.
  virtual void AcceptDrops(ControlId id, bool accept) = 0;

  // Painting into a cell's persistent surface.
  virtual void SetFace(ControlId id, FaceList list, int picture) = 0;
  // The icon at an index of a file (a drive root gives its drive's icon); any other file gives
  // the icon of the program it opens with.
  virtual ExtractedIcon ExtractFileIcon(const std::string& source, int index) = 0;
  // The icon the shell itself shows for a file or folder (a folder's, a document's association's,
  // a program's own), full size; NotFound when it has none. Asked when the file's icons give none.
  virtual ExtractedIcon ShellIcon(const std::string& path) = 0;
  virtual void DrawIcon(ControlId id, int x, int y, IconHandle icon) = 0;
  virtual void DestroyIcon(IconHandle icon) = 0;
  // Text lines joined by "\r\n", printed with the cell's font from its top-left corner.
  virtual void PrintText(ControlId id, const std::string& text) = 0;
  virtual void DrawLine(ControlId id, int x1, int y1, int x2, int y2) = 0;
  // Shows what was drawn.
  virtual void Refresh(ControlId id) = 0;

  // Where a control is now, in client pixels, and the tool tip a cell shows under the mouse.
  virtual std::optional<PixelRect> Bounds(ControlId id) = 0;
  virtual void SetToolTip(ControlId id, const std::string& text) = 0;
  // The look: colours (0x00BBGGRR), the caption font, the skin picture and cuts of it.
  // A cell's background colour also clears it; the Run box and the shelf draw in theirs.
  virtual void SetForeColor(ControlId id, int32_t color) = 0;
  virtual void SetBackColor(ControlId id, int32_t color) = 0;
  virtual void SetFont(ControlId id, int points, bool bold) = 0;
  // Loads a bitmap file as the skin picture and gives its size (nullopt: unreadable, and no
  // picture is held then). Clearing lets the picture go.
  virtual std::optional<PixelSize> LoadSkinPicture(const std::string& path) = 0;
  virtual void ClearSkinPicture() = 0;
  // Copies the rectangle `from` of the skin picture into a cell's persistent surface at (x, y):
  // it stays as the cell's background under what is drawn later.
  virtual void CopySkin(ControlId id, const PixelRect& from, int x, int y) = 0;
  // The shelf's background: a picture of `size` holding the skin's rectangle `from` at (x, y),
  // the rest in the shelf's background colour. An empty size takes the background away.
  virtual void SetShelfBackground(const PixelSize& size, const PixelRect& from, int x, int y) = 0;
  // ANDs the skin's rectangle `from` onto what a window control (the Run box) shows, at (x, y):
  // its light parts take the skin's colour, dark text stays dark.
  virtual void AndSkin(ControlId id, const PixelRect& from, int x, int y) = 0;
  // A cell cleared to a colour; a line of text drawn at a pixel
  // in a font and a colour (colours 0x00BBGGRR); the height of a line of text in a font.
  virtual void ClearCell(ControlId id, int32_t color) = 0;
  virtual void PrintTextAt(ControlId id, int x, int y, const std::string& text,
                           const TextFont& font, int32_t color) = 0;
  virtual int TextHeight(ControlId id, const std::string& text, const TextFont& font) = 0;
};

}  // namespace velmarin
