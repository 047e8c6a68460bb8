#pragma once
// The main window and its controls in memory: what was placed, shown and drawn, for tests.
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/system.h"

namespace velmarin {

class FakeSystem : public ISystem {
 public:
  bool AcquireSingleInstance() override;
  int OuterWidth() override { return clientWidth + 2 * frame; }
  int ClientWidth() override { return clientWidth; }
  void ShowMainWindow(bool visible) override;
  void MoveMainWindow(const PixelRect& outer) override;
  bool IsCursorOverControl(ControlId) override { return cursorOver; }
  void CloseOtherWindows() override;
  void EndProgram() override;
  void EndProgramNow() override;
  void RegisterForRestart() override { restartRegistered = true; }
  bool CursorClientPosition(int& x, int& y) override;
  void EnableMainWindow(bool enabled) override;
  std::optional<ScreenPoint> CursorPosition() override { return cursor; }
  void MoveMainWindowTo(int left, int top) override;
  void LetPendingEventsRun() override { ++pendingEventRuns; }
  bool DragFilesOut(const std::vector<std::string>& paths) override {
    draggedOut.push_back(paths);
    if (whileDragging) whileDragging();
    return true;
  }
  PixelSize DragDistance() override { return dragDistance; }
  void SetMainWindowHeight(int outerHeight) override {
    outer.height = outerHeight;
    ++moves;
  }

  // Set-up.
  bool anotherInstance = false;  // the lock is held by another program
  bool cursorOver = true;        // the cursor is over any control asked about
  int frame = 1;                 // frame width on each side
  int clientWidth = 445;
  bool cursorKnown = true;  // false: reading the cursor fails
  int cursorX = 0;          // the cursor in client pixels
  int cursorY = 0;
  std::optional<ScreenPoint> cursor = ScreenPoint{};  // where the mouse is, screen pixels
  PixelSize dragDistance{4, 4};
  // What happens while files are dragged out (drops on the window, say); runs inside the drag.
  std::function<void()> whileDragging;
  // Shared record of calls, in order; may be null.
  std::vector<std::string>* log = nullptr;

  // What happened.
  bool visible = false;
  PixelRect outer;
  int otherWindowsClosed = 0;
  bool ended = false;
  bool endedNow = false;  // ended from inside whatever loop ran
  bool restartRegistered = false;
  bool enabled = true;       // the main window takes input
  int pendingEventRuns = 0;  // times the waiting window events were let run
  int moves = 0;             // moves of the main window, by the layout or a drag
  std::vector<std::vector<std::string>> draggedOut;  // the files of each drag out

 private:
  void Log(const std::string& what) {
    if (log) log->push_back(what);
  }
};

class FakeControls : public IControls {
 public:
  struct Drawn {
    std::string kind;  // "icon", "text", "line", "caption" (text in a font and colour)
    std::string detail;
  };
  struct Control {
    PixelRect rect;
    bool placed = false;
    bool visible = true;
    bool acceptsDrops = false;
    FaceList faceList = FaceList::ImageList1;
    int face = 0;
    int refreshes = 0;
    int32_t clearedTo = -1;    // the colour of the last clearing
    std::vector<Drawn> drawn;  // since the last face was set
    std::string toolTip;
    int32_t fore = 0;
    int32_t back = -1;  // -1: never set
    int fontPoints = 0;
    bool bold = false;
  };
  struct ShelfBackground {
    PixelSize size;  // empty: none
    PixelRect from;
    int x = 0;
    int y = 0;
  };

  void Place(ControlId id, const PixelRect& rect) override;
  void SetVisible(ControlId id, bool visible) override { controls[id].visible = visible; }
  void AcceptDrops(ControlId id, bool accept) override { controls[id].acceptsDrops = accept; }
  void SetFace(ControlId id, FaceList list, int picture) override;
  ExtractedIcon ExtractFileIcon(const std::string& source, int index) override;
  ExtractedIcon ShellIcon(const std::string& path) override;
  void DrawIcon(ControlId id, int x, int y, IconHandle icon) override;
  void DestroyIcon(IconHandle icon) override;
  void PrintText(ControlId id, const std::string& text) override;
  void DrawLine(ControlId id, int x1, int y1, int x2, int y2) override;
  void Refresh(ControlId id) override { ++controls[id].refreshes; }
  std::optional<PixelRect> Bounds(ControlId id) override;
  void SetToolTip(ControlId id, const std::string& text) override { controls[id].toolTip = text; }
  void SetForeColor(ControlId id, int32_t color) override { controls[id].fore = color; }
  void SetBackColor(ControlId id, int32_t color) override;
  void SetFont(ControlId id, int points, bool bold) override;
  std::optional<PixelSize> LoadSkinPicture(const std::string& path) override;
  void ClearSkinPicture() override { skinPicture.reset(); }
  void CopySkin(ControlId id, const PixelRect& from, int x, int y) override;
  void SetShelfBackground(const PixelSize& size, const PixelRect& from, int x, int y) override {
    shelfBackground = {size, from, x, y};
  }
  void AndSkin(ControlId id, const PixelRect& from, int x, int y) override;
  void ClearCell(ControlId id, int32_t color) override;
  void PrintTextAt(ControlId id, int x, int y, const std::string& text, const TextFont& font,
                   int32_t color) override;
  int TextHeight(ControlId, const std::string&, const TextFont& font) override {
    return font.points > 0 ? font.points + 3 : 12;
  }

  // Set-up: icon sources the fake extracts from (upper-cased path -> icon count; 0: a file that
  // holds no icons); a source not listed is a missing file.
  std::map<std::string, int> iconFiles;
  // Set-up: paths (upper-cased) the shell has an icon of its own for; every question is noted.
  std::set<std::string> shellIcons;
  std::vector<std::string> shellIconQuestions;

  // Set-up: bitmap files the fake can load as the skin (path as given -> size); a file not
  // listed cannot be read as a picture.
  std::map<std::string, PixelSize> skinFiles;

  std::map<ControlId, Control> controls;
  int liveIcons = 0;
  std::optional<PixelSize> skinPicture;  // the skin picture held
  int skinLoads = 0;
  ShelfBackground shelfBackground;  // extracted and not yet destroyed

 private:
  std::map<IconHandle, std::string> handles_;  // handle -> "source#index"
  IconHandle next_ = 100;
};

}  // namespace velmarin
