#pragma once
// The cells' tool tips: one tool-tip control owned by the main window, with one tool per cell
// rectangle. The control is made when the first text is set, so a window without tool tips
// never loads the common controls for them.
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
  // The tool-tip control, nullptr until a text was set.
  HWND Handle() const { return hwnd_; }

 private:
  bool Make();
  TOOLINFOW ToolOf(int slot) const;
  RECT ToolRect(int slot) const;

  HWND owner_ = nullptr;
  HINSTANCE instance_ = nullptr;
  const CellHost* cells_ = nullptr;
  HWND hwnd_ = nullptr;
  std::array<bool, 21> added_{};
  std::array<std::wstring, 21> texts_;
};

}  // namespace velmarin::win32
