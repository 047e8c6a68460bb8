#include "core/held_file_retry.h"

#include <algorithm>

namespace velmarin {

namespace {

constexpr int kFirstWaitMs = 50;
constexpr int kAllWaitsMs = 2000;

}  // namespace

bool RetryWhileHeld(const std::function<FileStep()>& step, const std::function<void(int)>& wait) {
  int waited = 0;
  int next = kFirstWaitMs;
  for (;;) {
    const FileStep result = step();
    if (result != FileStep::Held) return result == FileStep::Done;
    if (waited >= kAllWaitsMs) return false;
    const int ms = std::min(next, kAllWaitsMs - waited);
    wait(ms);
    waited += ms;
    next *= 2;
  }
}

}  // namespace velmarin
