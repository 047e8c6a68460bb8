#pragma once
// The icon libraries (velmarin.icl and any other .icl a button names), read by index the way
// ExtractIcon counts their icons. An icon is made on first use and kept: the arrow and small
// cells show the same ones on every repaint, and a kept icon is never destroyed by painting.
// Icons whose pictures carry alpha are kept as those pictures, ready to blend, which draws them
// exactly as the system draws the icon without making a system icon first.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace velmarin::win32 {

class IconLibraries {
 public:
  IconLibraries() = default;
  ~IconLibraries();
  IconLibraries(const IconLibraries&) = delete;
  IconLibraries& operator=(const IconLibraries&) = delete;

  // The size icons are taken at from now on (32 unless set); icons kept at another size go.
  void SetIconSize(int size);
  // Icon `index` of the library at path, at the icon size; 0 when the library or the icon is
  // missing.
  IconHandle Icon(const std::wstring& path, int index);
  // Whether the handle is a kept icon, which painting must not destroy.
  bool IsKept(IconHandle icon) const { return FindKept(icon) != nullptr; }
  // Draws a kept icon or any system icon at its own full size.
  void Draw(HDC dc, int x, int y, IconHandle icon);

 private:
  struct KeptIcon {
    HBITMAP picture = nullptr;  // colours multiplied by alpha, top-down
    int width = 0;
    int height = 0;
    HICON icon = nullptr;  // for pictures of another kind
    IconHandle Handle() const {
      return icon ? reinterpret_cast<IconHandle>(icon) : reinterpret_cast<IconHandle>(this);
    }
  };
  struct Library {
    HMODULE module = nullptr;
    std::vector<std::wstring> groups;              // icon group names ("#id" for numbers)
    std::vector<std::unique_ptr<KeptIcon>> icons;  // by index, made on first use
  };

  Library& Open(const std::wstring& path);
  const KeptIcon* Find(const std::wstring& path, int index);
  const KeptIcon* FindKept(IconHandle icon) const;
  static std::unique_ptr<KeptIcon> Make(const Library& library, int index, int iconSize);
  void ForgetIcons();

  std::map<std::wstring, Library> libraries_;  // by path, opened on first use
  HDC pictureDc_ = nullptr;                    // holds a picture while it is blended
  int iconSize_ = 32;
};

}  // namespace velmarin::win32
