#pragma once
// The three small window cells (shelf toggle, drop mode, close) each have a PushButton: which
// cell it is bound to, whether it is pushed, and the toggle value its icon shows. The panel
// paints it (PaintPushButton).
#include <cstdint>
#include <optional>

#include "platform/controls.h"

namespace velmarin {

inline constexpr int16_t kStorageOpenIndex = 0;
inline constexpr int16_t kDDExecuteIndex = 1;
inline constexpr int16_t kTCloseIndex = 2;

class PushButton {
 public:
  int16_t Index() const { return index_; }
  // Setting the index binds the cell: 0 StorageOpen, 1 DDExecute, 2 tClose; any other value
  // binds nothing.
  void SetIndex(int16_t index) {
    index_ = index;
    if (index == kStorageOpenIndex) picture_ = ControlId{ControlKind::StorageOpen, 0};
    if (index == kDDExecuteIndex) picture_ = ControlId{ControlKind::DDExecute, 0};
    if (index == kTCloseIndex) picture_ = ControlId{ControlKind::TClose, 0};
  }
  bool Pushed() const { return pushed_; }
  void SetPushed(bool pushed) { pushed_ = pushed; }
  int16_t Value() const { return value_; }
  void SetValue(int16_t value) { value_ = value; }
  const std::optional<ControlId>& Picture() const { return picture_; }
  void SetPicture(std::optional<ControlId> picture) { picture_ = picture; }

 private:
  int16_t index_ = 0;
  bool pushed_ = false;
  int16_t value_ = 0;
  std::optional<ControlId> picture_;
};

}  // namespace velmarin
