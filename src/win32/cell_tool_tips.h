#pragma once
// The cells' tool tips: one tool-tip control owned by the main window, with one tool per cell
// rectangle. Texts are kept from the start; the control is made when the mouse first comes over
// the window with a text to show, so a start-up (and a window nobody points at) never loads the
// common controls for them.
#include <windows.h>
// the common controls need windows.h first
#include <commctrl.h>

#include <array>
#include <string>

#include "win32/cell_host.h"

namespace velmarin::win32 {

class CellToolTips {
 public:
  CellToolTips() = default;
  ~CellToolTips();
  CellToolTips(const CellToolTips&) = delete;
  CellToolTips& operator=(const CellToolTips&) = delete;

  void Attach(HWND owner, HINSTANCE instance, const CellHost& cells);
  // The text shown over the cell in the given slot (CellHost's order); an empty text shows none.
  void SetText(int slot, const std::string& text);
  // The cells moved or were shown or hidden: the tools follow them.
  void CellsMoved();
  // The mouse is over the window: the control is made if a text waits for it.
  void MouseOver();
  // The window is on a monitor of `dpi`: the tips' font is made for it.
  void SetDpi(int dpi);
  // The tool-tip control, nullptr until the mouse came with a text to show.
  HWND Handle() const { return hwnd_; }

 private:
  bool Make();
  void AddOrUpdate(int slot);
  TOOLINFOW ToolOf(int slot) const;
  RECT ToolRect(int slot) const;

  HWND owner_ = nullptr;
  HINSTANCE instance_ = nullptr;
  const CellHost* cells_ = nullptr;
  HWND hwnd_ = nullptr;
  int dpi_ = 0;  // 0: the system's
  HFONT font_ = nullptr;
  std::array<bool, 21> added_{};
  std::array<bool, 21> set_{};  // a text was given, shown or still waiting for the control
  std::array<std::wstring, 21> texts_;
};

}  // namespace velmarin::win32
