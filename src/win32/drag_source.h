#pragma once
// Files dragged out of the window: a data object offering the file list (CF_HDROP, wide paths)
// and a drop source that drops when the mouse buttons are released and gives up on Escape. Only
// a copy is offered, so no drop target can move the files away.
#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

namespace velmarin::win32 {

// A block for CF_HDROP holding the paths (wide); nullptr when it cannot be allocated.
HGLOBAL MakeFileListBlock(const std::vector<std::wstring>& paths);

// The paths of a CF_HDROP block, wide or ANSI, as UTF-8.
std::vector<std::string> ReadFileListBlock(HGLOBAL block);

// A data object offering the paths as CF_HDROP; the caller owns the one reference.
IDataObject* MakeFileDataObject(const std::vector<std::wstring>& paths);

// Drags the files (UTF-8 paths) as a copy until the mouse buttons are released or Escape is
// pressed. False when no drag could start (no paths, or OLE unusable). `effect`, when given,
// receives what the drop did: DROPEFFECT_NONE when nothing took the files.
bool DragFilesOut(const std::vector<std::string>& paths, DWORD* effect = nullptr);

// How many drags have run on this thread so far. A drag takes the mouse until its release, so
// a press whose handling ran one has no release of its own to come.
unsigned DragsRun();

}  // namespace velmarin::win32
