#pragma once
// The main window: caption-less with a thin frame, holding the title cells, the Run box, the three
// small cells, the row of button cells and the shelf list. Its window procedure only translates
// messages into calls of the app logic's handlers; the cells draw what the logic asks.
#include <windows.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/app.h"
#include "platform/controls.h"
#include "platform/run_list.h"
#include "platform/win32/cell_window.h"

namespace velmarin::win32 {

// Control ids of the children.
inline constexpr int kRunControlId = 1000;
inline constexpr int kStorageControlId = 1001;

// The Run box's drop-down list.
class RunBoxList : public IRunList {
 public:
  void Bind(HWND comboBox) { combo_ = comboBox; }
  int Count() const override;
  void RemoveAt(int index) override;
  void Add(const std::string& text) override;

 private:
  HWND combo_ = nullptr;
};

class MainWindow : public IControls {
 public:
  explicit MainWindow(App& app) : app_(app) {}
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden, with all its cells and the Run box; iconId names the program's
  // icon resource (0: none).
  bool Create(HINSTANCE instance, int iconId = 0);
  // The program's bitmaps of the cell faces: picture n of a list is the bitmap resource
  // first + n - 1. Without them the faces are drawn as plain raised and sunken edges.
  void SetFaceResources(int imageList1First, int imageList2First);
  HWND Handle() const { return hwnd_; }
  HWND RunBox() const { return run_; }
  IRunList& RunList() { return runList_; }
  // The cell window of a control, or nullptr (the Run box and the shelf are not cells).
  CellWindow* Cell(ControlId id);
  HWND ControlHandle(ControlId id);
  // Puts a shelf list made after the layout where the layout last placed the shelf.
  void PlaceStorageAgain();

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
  bool CreateCell(std::unique_ptr<CellWindow>& cell, HINSTANCE instance, int controlId);
  void OnCellMouse(ControlId id, CellMouse what, int button);
  HBITMAP FaceBitmap(FaceList list, int picture);
  // A copy of icon `index` of an icon library, read whole on first use; nullptr when missing.
  HICON LibraryIcon(const std::wstring& path, int index);

  App& app_;
  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND run_ = nullptr;
  RunBoxList runList_;
  std::array<std::unique_ptr<CellWindow>, 7> titleBar_;  // 1..6
  std::unique_ptr<CellWindow> storageOpen_;
  std::unique_ptr<CellWindow> ddExecute_;
  std::unique_ptr<CellWindow> tClose_;
  std::array<std::unique_ptr<CellWindow>, 12> cells_;
  uint32_t lastError_ = 0;
  PixelRect storageRect_;
  bool storagePlaced_ = false;
  int imageList1First_ = 0;
  int imageList2First_ = 0;
  std::map<int, HBITMAP> faces_;                          // by resource id, loaded on first use
  std::map<std::wstring, std::vector<HICON>> libraries_;  // icon libraries by path
};

}  // namespace velmarin::win32
