#pragma once
// The process's current folder: where a relative name typed into the Run box, or handed to the
// shell, is looked for first. It is the user's profile folder, as for the system's own Run dialog,
// and never the program's folder, where anything unpacked beside the program may lie.
#include <windows.h>

#include <string>

namespace velmarin::win32 {

// Makes the user's profile folder (USERPROFILE) the current one; when there is none, or it cannot
// be entered, the system folder. Returns the folder made current (empty when neither could be).
std::wstring MoveToProfileFolder();

// Puts the current folder back when it goes out of scope: around a system dialog that may move
// it to wherever the user browsed (the file picker does, whatever its flags say).
class KeepCurrentFolder {
 public:
  KeepCurrentFolder();
  ~KeepCurrentFolder();
  KeepCurrentFolder(const KeepCurrentFolder&) = delete;
  KeepCurrentFolder& operator=(const KeepCurrentFolder&) = delete;

 private:
  std::wstring folder_;
};

}  // namespace velmarin::win32
