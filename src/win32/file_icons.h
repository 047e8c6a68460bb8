#pragma once
// Icons read from files without the shell: a program's own icons and the shell's pictures of a
// folder and of a program without icons.
// The shell's own answers (SHGetFileInfo) build its whole list of system icons, about 7 MB under
// Wine, which a start whose first page holds programs and folders does not need.
#include <windows.h>

#include <string>

namespace velmarin::win32 {

bool IsFolder(const std::wstring& path);
bool IsFile(const std::wstring& path);
// Programs, libraries, applets and icon files: files whose icons are their own resources.
bool HasOwnIcons(const std::wstring& path);
// The icon at an index of a file's own resources (a negative index is a resource number), square
// of `size` pixels; nullptr when it has none there.
HICON FileOwnIcon(const std::wstring& path, int index, int size);
// The pictures of the shell's library, square of `size` pixels: a closed folder, and a program
// that holds no icons of its own.
HICON ShellFolderIcon(int size);
HICON ShellProgramIcon(int size);
bool IsProgram(const std::wstring& path);

}  // namespace velmarin::win32
