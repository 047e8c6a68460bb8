#include "win32/hot_key.h"

#include "win32/wide.h"

namespace velmarin::win32 {

bool HotKey::Register(const std::string& atomName, int modifiers, int key) {
  Unregister();
  if (!owner_) return false;
  const ATOM atom = GlobalAddAtomW(Widen(atomName).c_str());
  if (!atom) return false;
  if (!RegisterHotKey(owner_, atom, static_cast<UINT>(modifiers), static_cast<UINT>(key))) {
    GlobalDeleteAtom(atom);
    return false;
  }
  atom_ = atom;
  return true;
}

void HotKey::Unregister() {
  if (!atom_) return;
  if (owner_) UnregisterHotKey(owner_, atom_);
  GlobalDeleteAtom(atom_);
  atom_ = 0;
}

}  // namespace velmarin::win32
