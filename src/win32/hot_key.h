#pragma once
// The program's one system-wide hot key, registered under a global atom that names it.
#include <windows.h>

#include <string>

namespace velmarin::win32 {

class HotKey {
 public:
  HotKey() = default;
  HotKey(const HotKey&) = delete;
  HotKey& operator=(const HotKey&) = delete;
  ~HotKey() { Unregister(); }

  void Attach(HWND owner) { owner_ = owner; }
  bool Register(const std::string& atomName, int modifiers, int key);
  void Unregister();
  // Whether a hot-key message's id is this key's.
  bool IsOurs(WPARAM id) const { return atom_ != 0 && id == atom_; }

 private:
  HWND owner_ = nullptr;
  ATOM atom_ = 0;
};

}  // namespace velmarin::win32
