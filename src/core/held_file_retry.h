#pragma once
// A file another program holds for a moment (a virus scanner, the search indexer, a backup or
// sync tool opens a fresh file without letting others delete it) is waited for: the step is
// tried again, waiting longer each time, for about two seconds in all.
#include <functional>

namespace velmarin {

enum class FileStep {
  Done,
  Held,    // refused because another program has the file open: worth another try
  Failed,  // refused for good (no folder, no room): no try will change it
};

// Runs `step` until it is done, fails for good, or the file is still held after the last wait;
// `wait` sleeps the given milliseconds (50 first, then twice as long each time, 2000 in all).
// True when the step was done.
bool RetryWhileHeld(const std::function<FileStep()>& step, const std::function<void(int)>& wait);

}  // namespace velmarin
