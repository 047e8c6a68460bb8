#pragma once
// Start-up, layout and shutdown run their steps one by one: a step that fails is skipped and the
// next one runs.
#include <utility>

namespace velmarin {

template <typename Step>
void Guarded(Step&& step) noexcept {
  try {
    std::forward<Step>(step)();
  } catch (...) {
    // The step is skipped; the program keeps going with the next one.
  }
}

}  // namespace velmarin
