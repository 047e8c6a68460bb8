#include "win32/icon_cache.h"

namespace velmarin::win32 {

IconCache::~IconCache() { Clear(); }

void IconCache::Clear() {
  for (const Entry& entry : order_) DestroyIcon(entry.icon);
  order_.clear();
  byKey_.clear();
  byIcon_.clear();
}

std::wstring IconCache::KeyOf(const std::wstring& file, int index) {
  std::wstring key = file;
  if (!key.empty()) CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key + L"#" + std::to_wstring(index);
}

HICON IconCache::Find(const std::wstring& file, int index) {
  const auto found = byKey_.find(KeyOf(file, index));
  if (found == byKey_.end()) return nullptr;
  order_.splice(order_.begin(), order_, found->second);
  return found->second->icon;
}

void IconCache::Keep(const std::wstring& file, int index, HICON icon) {
  if (!icon || capacity_ == 0 || IsKept(icon)) return;
  std::wstring key = KeyOf(file, index);
  if (byKey_.count(key) != 0) return;  // the caller keeps its own and destroys it
  while (order_.size() >= capacity_) {
    const Entry& last = order_.back();
    byKey_.erase(last.key);
    byIcon_.erase(last.icon);
    DestroyIcon(last.icon);
    order_.pop_back();
  }
  order_.push_front({key, icon});
  byKey_[key] = order_.begin();
  byIcon_[icon] = std::move(key);
}

}  // namespace velmarin::win32
