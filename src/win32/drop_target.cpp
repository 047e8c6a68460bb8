#include "win32/drop_target.h"

#include "win32/drag_source.h"

namespace velmarin::win32 {

namespace {

int ButtonsOf(DWORD keys) {
  int buttons = 0;
  if (keys & MK_LBUTTON) buttons |= kDragLeftButton;
  if (keys & MK_RBUTTON) buttons |= kDragRightButton;
  if (keys & MK_MBUTTON) buttons |= kDragMiddleButton;
  return buttons;
}

int ShiftOf(DWORD keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= kShiftMask;
  if (keys & MK_CONTROL) shift |= kCtrlMask;
  if (keys & MK_ALT) shift |= kAltMask;
  return shift;
}

// A copy where the source offers one, else a link, else the move some sources offer alone.
DWORD EffectOf(DropEffect answer, DWORD allowed) {
  if (answer != DropEffect::Copy) return DROPEFFECT_NONE;
  if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
  if (allowed & DROPEFFECT_LINK) return DROPEFFECT_LINK;
  if (allowed & DROPEFFECT_MOVE) return DROPEFFECT_MOVE;
  return DROPEFFECT_NONE;
}

}  // namespace

std::vector<std::string> FilesOf(IDataObject* data) {
  if (!data) return {};
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return {};
  std::vector<std::string> files;
  if (medium.tymed == TYMED_HGLOBAL) files = ReadFileListBlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
  return files;
}

DropTarget::DropTarget(Locate locate, Deliver deliver)
    : locate_(std::move(locate)), deliver_(std::move(deliver)) {}

std::optional<DropPlace> DropTarget::Follow(POINTL point) {
  const std::optional<DropPlace> place = locate_ ? locate_(POINT{point.x, point.y}) : std::nullopt;
  if (current_ && (!place || place->control != *current_)) LeaveCurrent();
  return place;
}

void DropTarget::LeaveCurrent() {
  if (!current_) return;
  DragEvent event;
  event.action = DragAction::Leave;
  event.control = *current_;
  event.buttons = buttons_;
  current_.reset();
  if (deliver_) deliver_(event);
}

DWORD DropTarget::Answer(const std::optional<DropPlace>& place, DragAction action, DWORD keys,
                         int buttons, DWORD allowed) {
  if (!place) return DROPEFFECT_NONE;
  if (action != DragAction::Drop && current_ != place->control) {
    current_ = place->control;
    action = DragAction::Enter;
  }
  DragEvent event{action,         place->control, buttons, ShiftOf(keys),
                  place->point.x, place->point.y, files_};
  const DropEffect answer = deliver_ ? deliver_(event) : DropEffect::None;
  return EffectOf(answer, allowed);
}

HRESULT STDMETHODCALLTYPE DropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                                DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  files_ = FilesOf(data);
  buttons_ = ButtonsOf(keys);
  current_.reset();
  const std::optional<DropPlace> place = Follow(point);
  *effect = Answer(place, DragAction::Enter, keys, buttons_, *effect);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragOver(DWORD keys, POINTL point, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  const std::optional<DropPlace> place = Follow(point);
  *effect = Answer(place, DragAction::Over, keys, ButtonsOf(keys), *effect);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::DragLeave() {
  LeaveCurrent();
  files_.clear();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE DropTarget::Drop(IDataObject* data, DWORD keys, POINTL point,
                                           DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  files_ = FilesOf(data);
  const std::optional<DropPlace> place = Follow(point);
  current_.reset();
  // The drop may show a menu or a question and end the program: nothing here is touched after.
  const int buttons = buttons_;
  const DWORD allowed = *effect;
  *effect = DROPEFFECT_NONE;
  std::vector<std::string> files = std::move(files_);
  files_.clear();
  if (place) {
    DragEvent event{DragAction::Drop, place->control, buttons,         ShiftOf(keys),
                    place->point.x,   place->point.y, std::move(files)};
    const DropEffect answer = deliver_ ? deliver_(event) : DropEffect::None;
    // The files stay where they are: a move is reported as nothing done, so that the source
    // deletes none of them.
    *effect = EffectOf(answer, allowed);
    if (*effect == DROPEFFECT_MOVE) *effect = DROPEFFECT_NONE;
  }
  return S_OK;
}

bool RegisterWindowDropTarget(HWND window, IDropTarget* target) {
  if (!window || !target) return false;
  if (FAILED(OleInitialize(nullptr))) return false;
  if (SUCCEEDED(RegisterDragDrop(window, target))) return true;
  OleUninitialize();
  return false;
}

void RevokeWindowDropTarget(HWND window) {
  if (FAILED(RevokeDragDrop(window))) return;
  OleUninitialize();
}

}  // namespace velmarin::win32
