#pragma once
// The shelf as a list view in list mode: small icons from an image list the caller owns, the
// entries' keys kept beside the items, and one tool tip for the whole list.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <commctrl.h>
// clang-format on

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "core/panel_state.h"
#include "platform/shelf_list.h"
#include "shell/window_events.h"
#include "win32/shelf_file_icons.h"

namespace velmarin::win32 {

class Win32ShelfList : public IShelfList {
 public:
  // Creates the list view as a child of parent with the given control id. In smallIcons,
  // image i - 1 is shelf icon i (1 file, 2 folder, 3 program, 4 applet, 5 shortcut, 6 internal
  // name); the list does not destroy it.
  Win32ShelfList(HWND parent, int controlId, HIMAGELIST smallIcons = nullptr);
  ~Win32ShelfList() override;
  Win32ShelfList(const Win32ShelfList&) = delete;
  Win32ShelfList& operator=(const Win32ShelfList&) = delete;

  HWND Handle() const { return list_; }
  HWND ToolTipHandle() const { return tip_; }
  void SetSmallIcons(HIMAGELIST smallIcons);
  // The list on a monitor of `dpi`: it and its tool tip take the fonts made for it, and, given
  // small icons made at that size, every item its picture from them (a file's own icon read
  // again). Returns the icons used before (or the new ones when there is no list), for the
  // caller to destroy; nullptr without new ones.
  HIMAGELIST FollowDpi(int dpi, HIMAGELIST smallIcons);
  std::string ToolTip() const { return toolTip_; }

  int Count() const override;
  ShelfAddResult Add(const std::string& key, const std::string& text) override;
  void RemoveAt(int index) override;
  std::string Key(int index) const override;
  std::string Text(int index) const override;
  void SetText(int index, const std::string& text) override;
  int SmallIcon(int index) const override;
  void SetSmallIcon(int index, int icon) override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  int Focused() const override;
  void SetFocused(int index) override;
  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  bool HasKeyboard() const override;
  void SetToolTip(const std::string& text) override;
  void SortOnce() override;
  void SetKey(int index, const std::string& key) override;
  void StartLabelEdit(int index) override;

  // Who hears the list's presses, the moves of the mouse held after them, releases and double
  // clicks: the action, the button, the shift value and the point in the list's client pixels. A
  // press the list follows with a drag of its own keeps the mouse until the release; a move that
  // drags files out through the system ends the press without a release.
  using MouseHandler = std::function<void(MouseAction, MouseButton, int shift, POINT point)>;
  void SetMouseHandler(MouseHandler handler) { mouse_ = std::move(handler); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void Tell(MouseAction action, MouseButton button, WPARAM keys, LPARAM lParam);
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  // The id each item carries in its lParam; 0 for an index outside the list.
  LPARAM IdAt(int index) const;

  HWND list_ = nullptr;
  HWND tip_ = nullptr;
  HFONT listFont_ = nullptr;  // made for a DPI other than the system's, else the list's own
  HFONT tipFont_ = nullptr;
  std::map<LPARAM, std::wstring> keys_;  // by item id
  std::map<LPARAM, int> kinds_;          // the shelf icon (1..6) each item was given, by id
  ShelfFileIcons fileIcons_;
  LPARAM nextId_ = 1;
  std::wstring tipText_;  // the tool tip control reads it from here
  std::string toolTip_;
  WNDPROC listProc_ = nullptr;  // the list view's own procedure
  MouseHandler mouse_;
  std::optional<MouseButton> held_;  // a press whose release is still to come
};

}  // namespace velmarin::win32
