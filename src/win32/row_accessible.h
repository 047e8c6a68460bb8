#pragma once
// The main window's client as a screen reader sees it: the visible cells, by child id 1..n in
// their order on the screen, each a simple element with the name, role, state, description and
// default action the app logic gives it (shell/cell_access); then the Run box and the open
// shelf, which are real controls and answer through the system's own objects. The window hands
// it out for WM_GETOBJECT, announces what changed (Announce) and forgets it when it goes.
#include <windows.h>

#include <vector>

#include "core/app.h"
#include "shell/cell_access.h"
#include "win32/accessible_base.h"

namespace velmarin::win32 {

class MainWindow;

// Posted to the main window by a reader's press on a cell: wParam is the cell (EncodeCell),
// lParam the page shown when the press was made; the press is carried out once the reader's call
// has returned, and not at all when the page has turned in between.
inline constexpr UINT kMsgAccessPress = WM_APP + 3;
WPARAM EncodeCell(ControlId id);
ControlId DecodeCell(WPARAM value);

class RowAccessible final : public AccessibleBase {
 public:
  RowAccessible(MainWindow& window, App& app);
  // The window is going: every later call fails, as for an object whose window is gone.
  void Detach() { window_ = nullptr; }
  // Raises the events for what changed since the last time: names, states, cells or controls
  // that came or went.
  void Announce();

  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG dir, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

 private:
  // What child id `id` is now: a cell, a control window, or nothing.
  struct Child {
    const CellAccess* cell = nullptr;
    HWND window = nullptr;
    const char* windowName = nullptr;
    LONG windowRole = 0;
  };
  // Reads the cells and controls again; false when the window is gone.
  bool Read();
  Child At(LONG id) const;
  // A cell's text of the kind field names; S_FALSE for a child that is no cell.
  HRESULT CellText(VARIANT child, std::string CellAccess::*field, BSTR* text);
  LONG Count() const { return static_cast<LONG>(cells_.size() + windows_.size()); }

  MainWindow* window_;
  App& app_;
  std::vector<CellAccess> cells_;  // as last read
  std::vector<HWND> windows_;      // the Run box, the shelf: those made and shown
  std::vector<CellAccess> told_;   // as last announced
  size_t windowsTold_ = 0;
  bool toldOnce_ = false;
};

}  // namespace velmarin::win32
