#pragma once
// Start-up, layout and shutdown run their steps one by one: a step that fails is skipped and the
// next one runs. Seams that no part has filled yet do nothing.
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

template <typename Seam, typename... Args>
void CallSeam(const Seam& seam, Args&&... args) {
  if (seam) seam(std::forward<Args>(args)...);
}

}  // namespace velmarin
