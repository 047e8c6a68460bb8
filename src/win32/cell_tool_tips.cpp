#include "win32/cell_tool_tips.h"

#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

// The tool record the common controls of every version take (there is no manifest asking for
// a newer one).
const UINT kToolInfoSize = TTTOOLINFOW_V2_SIZE;

}  // namespace

CellToolTips::~CellToolTips() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

void CellToolTips::SetDpi(int dpi) {
  dpi_ = dpi;
  if (hwnd_) GiveControlFont(hwnd_, font_, ControlFont::Status, dpi_);
}

void CellToolTips::Attach(HWND owner, HINSTANCE instance, const CellHost& cells) {
  owner_ = owner;
  instance_ = instance;
  cells_ = &cells;
}

bool CellToolTips::Make() {
  if (hwnd_) return true;
  if (!owner_) return false;
  INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  hwnd_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_,
                          nullptr, instance_, nullptr);
  if (hwnd_ && dpi_) GiveControlFont(hwnd_, font_, ControlFont::Status, dpi_);
  return hwnd_ != nullptr;
}

RECT CellToolTips::ToolRect(int slot) const {
  const CellSurface& cell = cells_->Cells()[static_cast<size_t>(slot)];
  // A hidden cell keeps its tool, with nothing to point at.
  if (!cell.Visible()) return RECT{0, 0, 0, 0};
  return cell.ClientRect();
}

TOOLINFOW CellToolTips::ToolOf(int slot) const {
  TOOLINFOW tool{};
  tool.cbSize = kToolInfoSize;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = static_cast<UINT_PTR>(slot) + 1;
  tool.rect = ToolRect(slot);
  tool.hinst = instance_;
  tool.lpszText = const_cast<wchar_t*>(texts_[static_cast<size_t>(slot)].c_str());
  return tool;
}

void CellToolTips::SetText(int slot, const std::string& text) {
  if (slot < 0 || slot >= static_cast<int>(texts_.size()) || !cells_) return;
  const auto k = static_cast<size_t>(slot);
  std::wstring wide = Widen(text);
  if (set_[k] && wide == texts_[k]) return;
  texts_[k] = std::move(wide);
  set_[k] = true;
  if (hwnd_) AddOrUpdate(slot);
}

void CellToolTips::AddOrUpdate(int slot) {
  const auto k = static_cast<size_t>(slot);
  TOOLINFOW tool = ToolOf(slot);
  if (!added_[k]) {
    added_[k] = SendMessageW(hwnd_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
  } else {
    SendMessageW(hwnd_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void CellToolTips::MouseOver() {
  if (hwnd_ || !cells_) return;
  bool anyText = false;
  for (const std::wstring& text : texts_) anyText = anyText || !text.empty();
  if (!anyText || !Make()) return;
  for (size_t k = 0; k < set_.size(); ++k) {
    if (set_[k]) AddOrUpdate(static_cast<int>(k));
  }
}

void CellToolTips::CellsMoved() {
  if (!hwnd_) return;
  for (size_t k = 0; k < added_.size(); ++k) {
    if (!added_[k]) continue;
    TOOLINFOW tool = ToolOf(static_cast<int>(k));
    SendMessageW(hwnd_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace velmarin::win32
