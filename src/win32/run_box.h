#pragma once
// The Run box: a drop-down combo box in the title strip. Making it costs as much as a third of a
// bare window's start under Wine, so until the window's first paint a picture of an empty box
// stands in its place (the same pixels), and what the layout did to it meanwhile (place,
// visibility, drop acceptance) is kept and given to it when it is made. Where cells lie over
// it, its window region leaves them out.
#include <windows.h>

#include <optional>
#include <string>

#include "core/app.h"
#include "platform/controls.h"
#include "platform/run_list.h"
#include "win32/cell_host.h"

namespace velmarin::win32 {

inline constexpr int kRunControlId = 1000;

class RunBox;

// The box's drop-down list. A box not made yet has an empty list; adding to it makes the box.
class RunBoxList : public IRunList {
 public:
  explicit RunBoxList(RunBox& box) : box_(box) {}
  int Count() const override;
  void RemoveAt(int index) override;
  void Add(const std::string& text) override;
  void SetText(const std::string& text) override;
  std::string Text() const override;
  void GetSelection(int& start, int& length) const override;
  void SetSelection(int start, int length) override;
  void Focus() override;
  void ShowDropDown(bool show) override;

 private:
  RunBox& box_;
};

class RunBox {
 public:
  RunBox() : list_(*this) {}
  ~RunBox();
  RunBox(const RunBox&) = delete;
  RunBox& operator=(const RunBox&) = delete;

  // The window the box belongs to, whether that window is on the screen (a hidden one is
  // painted whole when shown), and the cells that may lie over the box.
  void Attach(HWND parent, HINSTANCE instance, const bool& parentShown, const CellHost& cells);
  // The box, made now if it does not exist yet (nullptr only when it cannot be made).
  HWND Handle();
  bool Made() const { return hwnd_ != nullptr; }
  // The box's edit field's keys, focus and compositions go to the app logic once it is made.
  void WatchEdits(App& app) { app_ = &app; }
  // The program is setting the text: the field's change notice is not the user's change.
  bool SettingText() const { return settingText_; }
  IRunList& List() { return list_; }

  void Place(const PixelRect& rect);
  // The edit field where the layout put it (the drop-down list not counted), client pixels.
  PixelRect FieldBounds() const { return {rect_.left, rect_.top, rect_.width, fieldHeight_}; }
  void SetVisible(bool visible);
  // Whether files dragged over the box are reported (the main window's drop target asks).
  void AcceptDrops(bool accept);
  bool AcceptsDrops() const { return acceptsDrops_; }

  // The cells over the box moved: its region is made again now or when the window shows.
  void CellsMoved();
  void UpdateRegionIfStale();
  // The stand-in, while there is no box.
  void PaintStandIn(HDC dc);
  // The edit field's place in client pixels (the drop-down list not counted).
  // The field's background colour, for its stand-in too.
  void SetBackColor(COLORREF color);
  // The box's font and drop button at the size for a monitor of `dpi`.
  void SetDpi(int dpi);

 private:
  RECT FieldRect() const;  // the edit field, in client pixels
  HFONT Font() const;
  void InvalidateField();
  void UpdateRegion();

  HWND parent_ = nullptr;
  HINSTANCE instance_ = nullptr;
  const CellHost* cells_ = nullptr;
  HWND hwnd_ = nullptr;
  RunBoxList list_;
  PixelRect rect_;        // its height includes the drop-down list
  int fieldHeight_ = 21;  // the edit field's height as placed
  bool visible_ = true;
  bool acceptsDrops_ = false;
  bool regionStale_ = false;
  const bool* parentShown_ = nullptr;
  std::optional<COLORREF> backColor_;
  App* app_ = nullptr;
  bool settingText_ = false;
  int dpi_ = 0;           // the monitor's; 0 until the window tells it
  HFONT font_ = nullptr;  // the interface font made for dpi_; nullptr: the system's own
  friend class RunBoxList;
};

}  // namespace velmarin::win32
