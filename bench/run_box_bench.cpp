// A keystroke in the Run box with 1 000 pages of 12 buttons, each with a tool tip (12 000 tool
// tips; some in Japanese): the search for the first tool tip that begins with the typed text,
// refilling the drop-down list with every match, and the whole change handling that completes
// the text in place.
//   cmake --preset bench && cmake --build build/bench && build/bench/bench/run_box_bench
#include <benchmark/benchmark.h>

#include <string>

#include "fake/fake_platform.h"
#include "launch/names.h"
#include "run/run_box.h"

namespace {

using namespace velmarin;

constexpr const char* kWords[] = {"Notepad", "Calc",  "Paint",    "Word",   "Excel",  "Mail",
                                  "Browser", "Music", "Terminal", "メモ帳", "電卓",   "Editor",
                                  "Viewer",  "Zip",   "Backup",   "Games",  "Photos", "Notes"};

struct Wired {
  FakePlatform fake;
  App app;
  Wired() {
    fake.Wire(app);
    app.model.settings.MaxButton = 12;
    app.model.settings.options.RunAutoDropDown = true;
    app.model.Pages.resize(1000);
    app.model.PageCount = 1000;
    int n = 0;
    for (Page& page : app.model.Pages) {
      for (Button& b : page.Buttons) {
        const std::string word = kWords[n % std::size(kWords)];
        b.Path = "C:\\Programs\\" + word + std::to_string(n) + ".exe";
        b.ToolTip = word + " " + std::to_string(n);
        ++n;
      }
    }
  }
};

// The first match in the last page, and the list refilled with the matches (2 000 for "no").
void BM_SearchToolTip(benchmark::State& state) {
  Wired w;
  const std::string typed = state.range(0) == 0 ? "Notes 11" : "no";
  for (auto _ : state) {
    benchmark::DoNotOptimize(SearchToolTip(w.app, typed, true));
  }
}
BENCHMARK(BM_SearchToolTip)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A letter typed after "Notes 1199": the change handling completes "Notes 11993".
void BM_RunChange(benchmark::State& state) {
  Wired w;
  for (auto _ : state) {
    w.fake.runList.SetText("Notes 1199");
    w.app.form.run.LastTypedText.clear();
    Run_Change(w.app);
    benchmark::DoNotOptimize(w.fake.runList.text);
  }
}
BENCHMARK(BM_RunChange)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
