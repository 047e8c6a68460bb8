#pragma once
// The main window: caption-less with a thin frame, holding the cells (CellHost), the Run box
// (RunBox) and the shelf list. Its window procedure only translates: mouse messages become
// portable mouse events for the app logic (OnControlMouse), the system's close and session-end
// requests call the shutdown, and the controls' placing and painting go to their owners.
//
// The cells are not windows: the main window paints them and gives each mouse message to the
// cell under it, so the window has two children (the Run box, made after the first paint, and
// the shelf, made when first needed) instead of twenty-three. What later needs a cell of its
// own goes the same way: a tool tip per cell is one tool per cell rectangle on a tool-tip
// control owned by this window, and a drop on a cell is a drop on this window at the cell: the
// window's one drop target finds the cell, or the child window, under the point.
#include <windows.h>

#include <functional>
#include <optional>

#include "core/app.h"
#include "core/dpi_scale.h"
#include "platform/controls.h"
#include "shell/window_events.h"
#include "win32/cell_host.h"
#include "win32/cell_tool_tips.h"
#include "win32/drop_target.h"
#include "win32/program_watch.h"
#include "win32/row_accessible.h"
#include "win32/run_box.h"
#include "win32/shelf_list_view.h"
#include "win32/skin_picture.h"
#include "win32/win32_desktop.h"

namespace velmarin::win32 {

inline constexpr int kStorageControlId = 1001;

class MainWindow : public IControls {
 public:
  explicit MainWindow(App& app) : app_(app) {}
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
  // The Start menu's programs are read for the Run box once the window has shown, and again
  // when the menu changes.
  void WatchPrograms() {
    watchPrograms_ = true;
    app_.platform.programReader = &programs_;
  }
  // The program's bitmaps of the cell faces (see CellHost).
  void SetFaceResources(int imageList1First, int imageList2First);
  // The shelf's list once it is made, and how its small icons are made at a size: the list takes
  // the fonts for the window's DPI now, and fonts and icons again at every change of it.
  using ShelfIcons = std::function<HIMAGELIST(int size)>;
  void AttachShelfList(Win32ShelfList& list, ShelfIcons icons);
  HWND Handle() const { return hwnd_; }
  // The tray icon, hot key and top-most state of this window, whose messages it hands over.
  void SetDesktop(Win32Desktop& desktop) { desktop_ = &desktop; }
  // The Run box, made now if it does not exist yet (nullptr only when it cannot be made).
  HWND RunBox() { return run_.Handle(); }
  bool HasRunBox() const { return run_.Made(); }
  IRunList& RunList() { return run_.List(); }
  // The cell of a control, or nullptr (the Run box and the shelf are windows, not cells).
  CellSurface* Cell(ControlId id) { return cells_.Cell(id); }
  // The window of the Run box or the shelf list; nullptr for a cell.
  HWND ControlHandle(ControlId id);
  // Where a control is, in screen pixels; false for a control that does not exist.
  bool ScreenRect(ControlId id, RECT& rect);
  // The topmost visible cell at a client point.
  std::optional<ControlId> CellAt(int x, int y) const { return cells_.CellAt(x, y); }
  // A mouse event of the shelf list (its client pixels at point). A release over a cell goes
  // to that cell: a shelf entry dragged onto the row lands there.
  void OnShelfMouse(MouseAction action, MouseButton button, int shift, POINT point);
  // Puts a shelf list made after the layout where the layout last placed the shelf.
  void PlaceStorageAgain();
  // The app logic speaks layout pixels (those of a 96-DPI screen) for sizes and places inside
  // the window; the window converts at its edge with the DPI of the monitor it is on. Its place
  // on the desktop is in the screen's own pixels and is not converted.
  const DpiScale& Scale() const { return scale_; }
  // The window's outer rectangle: its corner in screen pixels, its size in layout pixels (its
  // frame counted in screen pixels).
  PixelRect OuterLayoutRect();
  // Moves and sizes the whole window (as OuterLayoutRect gives it). While the window is hidden
  // the move waits and goes with the call that next places or shows it, which saves a round of
  // window placing per move under Wine (start-up moves the hidden window twice).
  void MoveTo(const PixelRect& outer);
  // Makes a waiting move now, for whoever reads the window's place or size.
  void ApplyPendingMove();
  // Shows or hides the window; showing makes a waiting move with it.
  void Show(bool visible);
  // Moves the window's outer corner to (left, top), screen pixels, keeping its size.
  void MoveCornerTo(int left, int top);

  // IControls
  void Place(ControlId id, const PixelRect& rect) override;
  void SetVisible(ControlId id, bool visible) override;
  void AcceptDrops(ControlId id, bool accept) override;
  void SetFace(ControlId id, FaceList list, int picture) override;
  ExtractedIcon ExtractFileIcon(const std::string& source, int index) override;
  ExtractedIcon ShellIcon(const std::string& path) override;
  void DrawIcon(ControlId id, int x, int y, IconHandle icon) override;
  void DestroyIcon(IconHandle icon) override;
  void PrintText(ControlId id, const std::string& text) override;
  void DrawLine(ControlId id, int x1, int y1, int x2, int y2) override;
  void Refresh(ControlId id) override;
  std::optional<PixelRect> Bounds(ControlId id) override;
  void SetToolTip(ControlId id, const std::string& text) override;
  // The cells' tool-tip control, nullptr until a cell got a tool tip.
  HWND ToolTips() const { return tips_.Handle(); }
  // The look (main_window_look.cpp).
  void SetForeColor(ControlId id, int32_t color) override;
  void SetBackColor(ControlId id, int32_t color) override;
  void SetFont(ControlId id, int points, bool bold) override;
  std::optional<PixelSize> LoadSkinPicture(const std::string& path) override;
  void ClearSkinPicture() override;
  void CopySkin(ControlId id, const PixelRect& from, int x, int y) override;
  void SetShelfBackground(const PixelSize& size, const PixelRect& from, int x, int y) override;
  void AndSkin(ControlId id, const PixelRect& from, int x, int y) override;
  void ClearCell(ControlId id, int32_t color) override;
  void PrintTextAt(ControlId id, int x, int y, const std::string& text, const TextFont& font,
                   int32_t color) override;
  int TextHeight(ControlId id, const std::string& text, const TextFont& font) override;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  bool OnMouse(UINT msg, WPARAM wParam, LPARAM lParam);
  // The mouse was taken away from the window: a press still waiting for its release is cancelled.
  void OnCaptureLost();
  void OnPaint();
  void OnCommand(WPARAM wParam);
  // The shelf's label edit ended; the answer keeps the new text (TRUE) or restores the old.
  LRESULT OnShelfNotify(const NMHDR& header);
  void OnWindowPosChanged(const WINDOWPOS& pos);
  void OnWindowPosChanging(WINDOWPOS& pos);
  // The child window the keyboard goes back to when the window itself gets the focus: the one
  // that had it when the window was last deactivated, else the Run box (nullptr: none yet).
  HWND FocusTarget();
  // The window came onto a monitor of another DPI: the new size for it, then every control
  // again at the new scale.
  void OnDpiChanged(int dpi, const RECT& suggested);
  // The system's frame on each side, in screen pixels.
  int FrameWidth() const;
  // SetWindowPos for the program's own moves (outer rectangle, screen pixels).
  void PlaceWindow(const PixelRect& outer, UINT flags);
  void InvalidateCell(ControlId id);
  void CellsChanged();
  void MakeDeferredParts();
  // The window's big and small icons at the sizes of its monitor.
  void LoadWindowIcons();
  // The drop target (main_window_drops.cpp): registered after the first paint, revoked when the
  // window goes; where a drag at a screen point is.
  void RegisterDropTarget();
  void RevokeDropTarget();
  std::optional<DropPlace> DropPlaceAt(POINT screen);
  // The Run box's colours for its field and list; nullopt leaves the default.
  std::optional<LRESULT> OnControlColor(HDC dc, HWND control);
  // A screen reader asked for the window's client (WM_GETOBJECT): the row's object, made on the
  // first request, handed over by the system's rules.
  LRESULT OnGetObject(WPARAM wParam);
  // A cell or control may have changed how it reads: once the change is done, the reader is told
  // (only when one ever asked).
  void AccessMayChange();
  void ForgetAccess();
  // The shelf's colours and background, given again to a list made after they were set.
  void ApplyStorageLook();
  // A paint reached the title cells in `painted` (client pixels): each one's paint handler runs,
  // after the Run box has painted itself, so what it draws onto the box stays.
  void OnTitleCellsPainted(const RECT& painted);

  App& app_;
  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  CellHost cells_;
  win32::RunBox run_;
  Win32Desktop* desktop_ = nullptr;
  CellToolTips tips_;
  Win32ShelfList* shelfList_ = nullptr;
  ShelfIcons shelfIcons_;
  HWND lastFocus_ = nullptr;  // the child that had the keyboard when the window was deactivated
  std::optional<ControlId> mouseCell_;    // the cell that holds the mouse between press and release
  bool handlingMouse_ = false;            // a mouse handler of the app logic is running
  std::optional<ControlId> pressLost_;    // a press whose mouse was taken while it was handled
  std::optional<PixelRect> pendingMove_;  // a move of the hidden window (screen), still to be made
  std::optional<POINT> movingTo_;         // the corner of the program's move under way
  DpiScale scale_;
  bool deferredPosted_ = false;  // the message that makes the deferred parts is on its way
  bool deferredMade_ = false;
  bool watchPrograms_ = false;
  ProgramWatch programs_;
  int iconId_ = 0;
  HICON icons_[2] = {};  // the window's big and small icons
  bool shown_ = false;   // the window is visible
  PixelRect storageRect_;
  bool storagePlaced_ = false;
  bool storageAcceptsDrops_ = false;
  DropTarget* dropTarget_ = nullptr;  // one reference held here
  RowAccessible* access_ = nullptr;   // one reference held here; made for the first reader
  bool accessCheckPosted_ = false;
  bool dropRegistered_ = false;
  int imageList1First_ = 0;
  int imageList2First_ = 0;
  // The look.
  SkinPicture skin_;
  struct Colors {
    std::optional<COLORREF> fore;
    std::optional<COLORREF> back;
  };
  Colors runColors_;
  Colors storageColors_;
  HBRUSH runBrush_ = nullptr;            // the Run box's background
  HBITMAP storageBackground_ = nullptr;  // the shelf's background picture, cut from the skin
};

}  // namespace velmarin::win32
