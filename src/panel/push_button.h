#pragma once
// The three small window cells (shelf toggle, drop mode, close) are drawn by one PushButton each:
// a face for up or pushed and the icon of the library that shows the cell's toggle value.
#include <cstdint>
#include <optional>

#include "platform/controls.h"

namespace velmarin {

struct App;

inline constexpr int16_t kStorageOpenIndex = 0;
inline constexpr int16_t kDDExecuteIndex = 1;
inline constexpr int16_t kTCloseIndex = 2;

class PushButton {
 public:
  int16_t Index() const { return index_; }
  // Setting the index binds the cell: 0 StorageOpen, 1 DDExecute, 2 tClose; any other value
  // binds nothing.
  void SetIndex(int16_t index);
  bool Pushed() const { return pushed_; }
  void SetPushed(bool pushed) { pushed_ = pushed; }
  int16_t Value() const { return value_; }
  void SetValue(int16_t value) { value_ = value; }
  const std::optional<ControlId>& Picture() const { return picture_; }
  void SetPicture(std::optional<ControlId> picture) { picture_ = picture; }
  int hDC() const { return 0; }
  // Redraws the bound cell: its face, the skin under the two toggles, and the library icon
  // 6 + 2 * Index + Value.
  void SetPicture(App& app) const;

 private:
  int16_t index_ = 0;
  bool pushed_ = false;
  int16_t value_ = 0;
  std::optional<ControlId> picture_;
};

}  // namespace velmarin
