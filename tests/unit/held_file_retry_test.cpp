#include "core/held_file_retry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace velmarin {
namespace {

// A file held for a moment is waited for, longer each time, some two seconds in all; a step that
// fails for good is not tried again.
TEST(HeldFileRetry, WaitsLongerEachTimeForAboutTwoSecondsAndOnlyForAHeldFile) {
  using enum FileStep;
  struct Case {
    const char* name;
    std::vector<FileStep> answers;  // what each try answers; the last one repeats
    bool done;
    std::vector<int> waits;
  };
  const Case cases[] = {
      {"done at once", {Done}, true, {}},
      {"held once", {Held, Done}, true, {50}},
      {"held for half a second", {Held, Held, Held, Held, Done}, true, {50, 100, 200, 400}},
      {"held throughout", {Held}, false, {50, 100, 200, 400, 800, 450}},
      {"no folder", {Failed}, false, {}},
      {"held, then no room", {Held, Failed}, false, {50}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    size_t tries = 0;
    std::vector<int> waits;
    const bool done =
        RetryWhileHeld([&] { return c.answers[std::min(tries++, c.answers.size() - 1)]; },
                       [&](int ms) { waits.push_back(ms); });
    EXPECT_EQ(done, c.done);
    EXPECT_EQ(waits, c.waits);
    EXPECT_EQ(tries, waits.size() + 1) << "one try after each wait";
  }
}

}  // namespace
}  // namespace velmarin
