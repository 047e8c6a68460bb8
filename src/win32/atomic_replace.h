#pragma once
// A file replaced whole or not at all: the bytes go to a temporary file beside it, which is
// flushed and then renamed over it. A program killed on the way leaves the old file, and the
// next replace clears away the temporary files such a program left. A file another program holds
// for a moment is waited for, about two seconds at most.
#include <windows.h>

#include <string>

namespace velmarin::win32 {

// False when the file could not be replaced; it is then as it was.
bool ReplaceFileAtomically(const std::wstring& path, const std::string& bytes);

}  // namespace velmarin::win32
