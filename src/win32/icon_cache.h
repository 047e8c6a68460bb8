#pragma once
// Icons extracted from item files, kept so that a page seen before is painted again without
// asking the shell for every icon once more. Keyed by the file (any letter case) and the icon
// index. A kept icon is destroyed only when the cache lets it go: painting's DestroyIcon of a
// kept icon does nothing. The cache holds a bounded number of icons, letting the one used
// longest ago go first, so a user with hundreds of pages does not run out of graphics objects.
#include <windows.h>

#include <list>
#include <map>
#include <string>

namespace velmarin::win32 {

class IconCache {
 public:
  explicit IconCache(size_t capacity = 600) : capacity_(capacity) {}
  ~IconCache();
  IconCache(const IconCache&) = delete;
  IconCache& operator=(const IconCache&) = delete;

  // The kept icon of a file at an index, or nullptr.
  HICON Find(const std::wstring& file, int index);
  // Keeps an icon just extracted; the cache owns it from now on.
  void Keep(const std::wstring& file, int index, HICON icon);
  bool IsKept(HICON icon) const { return byIcon_.count(icon) != 0; }
  // Lets every kept icon go (they were made for a monitor of another DPI).
  void Clear();
  size_t Size() const { return order_.size(); }

 private:
  struct Entry {
    std::wstring key;
    HICON icon = nullptr;
  };
  static std::wstring KeyOf(const std::wstring& file, int index);

  size_t capacity_;
  std::list<Entry> order_;  // most recently used first
  std::map<std::wstring, std::list<Entry>::iterator> byKey_;
  std::map<HICON, std::wstring> byIcon_;
};

}  // namespace velmarin::win32
