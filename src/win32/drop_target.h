#pragma once
// The main window's one drop target. OLE asks the window under the pointer or, failing that, its
// parents, so the target on the main window also serves its child windows (the Run box and the
// shelf list). For each point it asks where the drag is (which control takes drops there, and
// the point in that control), and turns enter, over, leave and drop into DragEvents: the
// control, the buttons held (for a drop, those held when the drag came in, as none are held any
// more), the shift keys, the point and the file list. What the app logic answers sets the
// effect shown: a copy, a link where the source offers no copy, a move where it offers only
// that; a move is never reported back after the drop, which would let the source delete the
// files.
#include <ole2.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/drag_events.h"
#include "win32/com_object.h"

namespace velmarin::win32 {

struct DropPlace {
  ControlId control;
  POINT point{};  // pixels, from the control's top-left corner
};

class DropTarget final : public ComObject<IDropTarget, IID_IDropTarget> {
 public:
  // Where a drag at a screen point is: nullopt where no control takes drops.
  using Locate = std::function<std::optional<DropPlace>(POINT screen)>;
  // Hands an event to the app logic and gives its answer.
  using Deliver = std::function<DropEffect(const DragEvent&)>;

  DropTarget(Locate locate, Deliver deliver);

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  ~DropTarget() override = default;
  // The control under the point now; a control left behind hears its Leave first.
  std::optional<DropPlace> Follow(POINTL point);
  void LeaveCurrent();
  DWORD Answer(const std::optional<DropPlace>& place, DragAction action, DWORD keys, int buttons,
               DWORD allowed);

  Locate locate_;
  Deliver deliver_;
  std::vector<std::string> files_;  // of the drag now over the window
  int buttons_ = 0;                 // held when it came in
  std::optional<ControlId> current_;
};

// The paths a data object offers as CF_HDROP (UTF-8); empty when it offers no file list.
std::vector<std::string> FilesOf(IDataObject* data);

// Registers the window's drop target (OLE set up for the thread first); false when OLE or the
// registration fails. Revoke before the window goes.
bool RegisterWindowDropTarget(HWND window, IDropTarget* target);
void RevokeWindowDropTarget(HWND window);

}  // namespace velmarin::win32
