#pragma once
// The main window: caption-less with a thin frame, holding the title cells, the Run box, the three
// small cells, the row of button cells and the shelf list. Its window procedure only translates
// messages into calls of the app logic's handlers; the cells draw what the logic asks.
//
// The cells are not windows: the main window keeps their rectangles and surfaces, paints them and
// gives each mouse message to the cell under it (CellAt), so the window has two children (the
// Run box, made after the first paint, and the shelf, made when first needed) instead of
// twenty-three. Where the Run box and a cell overlap, the cell lies on top: the Run box's window
// region leaves the cells out. What later needs a cell of its own goes the same way: a tool tip
// per cell is one tool per cell rectangle on a tool-tip control owned by this window (moved along
// in Place), and files dropped on a cell arrive as WM_DROPFILES on this window, whose drop point
// CellAt turns into the cell (the window accepts files while any cell does).
#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>

#include "core/app.h"
#include "platform/controls.h"
#include "platform/run_list.h"
#include "win32/cell_surface.h"
#include "win32/icon_library.h"

namespace velmarin::win32 {

// Control ids of the children.
inline constexpr int kRunControlId = 1000;
inline constexpr int kStorageControlId = 1001;

class MainWindow;

// The Run box's drop-down list. A box not made yet has an empty list; adding to it makes the box.
class RunBoxList : public IRunList {
 public:
  explicit RunBoxList(MainWindow& window) : window_(window) {}
  int Count() const override;
  void RemoveAt(int index) override;
  void Add(const std::string& text) override;

 private:
  MainWindow& window_;
};

class MainWindow : public IControls {
 public:
  explicit MainWindow(App& app) : app_(app), runList_(*this) {}
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden, with all its cells; iconId names the program's icon resource (0:
  // none). The Run box and the window's icon come just after the window is first painted
  // (FinishStart), or earlier when something needs the box.
  bool Create(HINSTANCE instance, int iconId = 0);
  // Makes what waited for the first paint: at once when the window is not shown after start-up
  // (no paint would come), otherwise once that paint is done.
  void FinishStart();
  // The program's bitmaps of the cell faces: picture n of a list is the bitmap resource
  // first + n - 1. Without them the faces are drawn as plain raised and sunken edges.
  void SetFaceResources(int imageList1First, int imageList2First);
  HWND Handle() const { return hwnd_; }
  // The Run box, made now if it does not exist yet (nullptr only when it cannot be made).
  HWND RunBox();
  // Whether the Run box exists yet.
  bool HasRunBox() const { return run_ != nullptr; }
  IRunList& RunList() { return runList_; }
  // The cell of a control, or nullptr (the Run box and the shelf are windows, not cells).
  CellSurface* Cell(ControlId id);
  // The window of the Run box or the shelf list; nullptr for a cell.
  HWND ControlHandle(ControlId id);
  // Where a control is, in screen pixels; false for a control that does not exist.
  bool ScreenRect(ControlId id, RECT& rect);
  // The topmost visible cell at a client point.
  std::optional<ControlId> CellAt(int x, int y) const;
  // Puts a shelf list made after the layout where the layout last placed the shelf.
  void PlaceStorageAgain();
  // Moves and sizes the whole window (outer rectangle, screen pixels). While the window is hidden
  // the move waits and goes with the call that next places or shows it, which saves a round of
  // window placing per move under Wine (start-up moves the hidden window twice).
  void MoveTo(const PixelRect& outer);
  // Makes a waiting move now, for whoever reads the window's place or size.
  void ApplyPendingMove();

  // IControls
  void Place(ControlId id, const PixelRect& rect) override;
  void SetVisible(ControlId id, bool visible) override;
  void AcceptDrops(ControlId id, bool accept) override;
  void SetFace(ControlId id, FaceList list, int picture) override;
  IconHandle ExtractAssociatedIconFrom(const std::string& source, int index) override;
  IconHandle ExtractIconFrom(const std::string& source, int index) override;
  uint32_t LastError() override { return lastError_; }
  void DrawIcon(ControlId id, int x, int y, IconHandle icon) override;
  void DestroyIcon(IconHandle icon) override;
  void PrintText(ControlId id, const std::string& text) override;
  void DrawLine(ControlId id, int x1, int y1, int x2, int y2) override;
  void Refresh(ControlId id) override;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  enum class CellMouse { Down, Up };
  void OnCellMouse(ControlId id, CellMouse what, int button);
  bool OnMouseMessage(UINT msg, LPARAM lParam);
  void Paint();
  void InvalidateCell(const CellSurface& cell);
  // The Run box's window region: its rectangle without the visible cells over it. Made when the
  // window is shown, and at once while it is visible.
  void CellsMoved();
  void UpdateRunRegion();
  void UpdateDropAcceptance();
  // The Run box, a drop-down combo box: a real one from the first paint on, drawn in its place
  // before that (making it costs as much as a third of a bare window's start under Wine).
  void PaintRunBoxStandIn(HDC dc);
  void MakeDeferredParts();
  void InvalidateRunBoxArea();
  RECT RunFieldRect() const;  // the Run box's edit field, in client pixels
  void TakePendingMove(WINDOWPOS& pos);
  HBITMAP FaceBitmap(FaceList list, int picture);

  App& app_;
  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND run_ = nullptr;
  RunBoxList runList_;
  // Title cells 1..6, the shelf toggle, the drop-mode cell, the close cell, then button cells
  // 0..11; an earlier cell lies over a later one.
  std::array<CellSurface, 21> cells_;
  std::optional<ControlId> mouseCell_;  // the cell that holds the mouse between press and release
  PixelRect runRect_;                   // its height includes the drop-down list
  int runFieldHeight_ = 21;             // the edit field's height as placed
  bool runVisible_ = true;
  bool runAcceptsDrops_ = false;
  bool runRegionStale_ = false;
  std::optional<PixelRect> pendingMove_;  // a move of the hidden window, still to be made
  bool deferredPosted_ = false;           // the message that makes the deferred parts is on its way
  bool deferredMade_ = false;
  int iconId_ = 0;
  HICON icons_[2] = {};  // the window's big and small icons
  bool shown_ = false;   // the window is visible
  uint32_t lastError_ = 0;
  PixelRect storageRect_;
  bool storagePlaced_ = false;
  int imageList1First_ = 0;
  int imageList2First_ = 0;
  std::map<int, HBITMAP> faces_;  // by resource id, loaded on first use
  IconLibraries libraries_;
  HDC faceDc_ = nullptr;  // holds a face picture while it is copied
};

}  // namespace velmarin::win32
