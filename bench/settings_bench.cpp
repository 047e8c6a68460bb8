// Loading and saving a large settings file: 1 000 pages of 12 buttons, each with a tool tip,
// parameters, an icon and 4 drawer items; page captions and some tool tips and drawer items in
// Japanese. The same bytes are also read by inih, a small C INI parser, for comparison.
//   cmake --preset bench && cmake --build build/bench && build/bench/bench/settings_bench
// BM_LoadAndSave/0 is the same without converting text (see Wired).
#include <benchmark/benchmark.h>
#include <ini.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "core/settings.h"
#include "launch/settings_items.h"
#include "fake/fake_platform.h"

namespace {

using namespace velmarin;

constexpr const char* kPath = "C:\\velmarin\\velmarin.ini";

// codePage 932 converts through iconv, as the tests do; 0 passes the bytes through unchanged,
// which shows what the reading and writing cost without the Linux stand-in's conversion.
struct Wired {
  FakePlatform fake;
  FakeText plain{0};
  App app;
  explicit Wired(int codePage = 932) {
    fake.Wire(app);
    if (codePage == 0) app.platform.text = &plain;
    fake.files.AddFolder("C:\\velmarin");
  }
};

void FillLargeModel(App& app) {
  Model& m = app.model;
  m.WindowLeft = 4500;
  m.WindowTop = 3000;
  m.PageCount = 1000;
  m.Pages.resize(1000);
  m.settings.MaxButton = 12;
  m.settings.MaxDrawer = 4;
  m.settings.MaxMultiExecute = 4;
  m.settings.options.ShowToolTips = true;
  m.settings.options.StorageKeepItems = true;
  for (int i = 0; i < 1000; ++i) {
    Page& page = m.Pages[static_cast<size_t>(i)];
    page.Caption = "ページ" + std::to_string(i);
    for (int j = 0; j < 12; ++j) {
      Button& b = page.Buttons[static_cast<size_t>(j)];
      const std::string n = std::to_string(j);
      b.Path = "C:\\Program Files\\Vendor" + std::to_string(i) + "\\app" + n + ".exe";
      b.ToolTip = j % 4 == 0 ? "表計算ソフト" + n : "app" + n + "_" + std::to_string(i);
      b.Params = "/open \"C:\\Users\\user\\Documents\\file" + n + ".txt\"";
      b.IconFile = "C:\\Windows\\System32\\shell32.dll";
      b.IconIndex = static_cast<int16_t>(j);
      b.ShowCmd = static_cast<int16_t>(j % 3 == 0 ? 3 : 1);
      for (int k = 0; k < 4; ++k) {
        b.Drawer[static_cast<size_t>(k)] =
            k == 3 ? "C:\\資料\\メモ" + n + ".txt"
                   : "C:\\Users\\user\\Documents\\drawer" + std::to_string(k) + ".txt";
      }
    }
  }
  for (int i = 0; i < 20; ++i) {
    const std::string item = "C:\\Users\\user\\Desktop\\item" + std::to_string(i) + ".txt";
    app.platform.shelf->Add(item, item);
  }
}

std::string MakeLargeFile(int codePage) {
  Wired w(codePage);
  FillLargeModel(w.app);
  if (!SaveSettings(w.app)) std::abort();
  return w.fake.files.Contents(kPath);
}

const std::string& LargeFile(int codePage = 932) {
  static const std::string cp932 = MakeLargeFile(932);
  static const std::string utf8 = MakeLargeFile(0);
  return codePage == 0 ? utf8 : cp932;
}

void BM_Load(benchmark::State& state) {
  const std::string& bytes = LargeFile();
  for (auto _ : state) {
    state.PauseTiming();
    auto w = std::make_unique<Wired>();
    w->fake.files.AddFile(kPath, bytes);
    state.ResumeTiming();
    if (LoadSettings(w->app) != LoadResult::Loaded) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(w->app.model.Pages.data());
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_Save(benchmark::State& state) {
  const std::string& bytes = LargeFile();
  Wired w;
  w.fake.files.AddFile(kPath, bytes);
  LoadSettings(w.app);
  ClampLimits(w.app.model);
  UnpackFlags(w.app.model.settings);
  for (auto _ : state) {
    if (!SaveSettings(w.app)) state.SkipWithError("save failed");
  }
  if (w.fake.files.Contents(kPath) != bytes) state.SkipWithError("save differs from the file");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

// What start-up and shutdown do with the file together; argument: the code page (0 = none).
void BM_LoadAndSave(benchmark::State& state) {
  const int codePage = static_cast<int>(state.range(0));
  const std::string& bytes = LargeFile(codePage);
  for (auto _ : state) {
    state.PauseTiming();
    auto w = std::make_unique<Wired>(codePage);
    w->fake.files.AddFile(kPath, bytes);
    state.ResumeTiming();
    LoadSettings(w->app);
    ClampLimits(w->app.model);
    UnpackFlags(w->app.model.settings);
    if (!SaveSettings(w->app)) state.SkipWithError("save failed");
    state.PauseTiming();
    w.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadAndSave)->Arg(932)->Arg(0)->Unit(benchmark::kMillisecond);

struct InihSink {
  size_t pairs = 0;
  size_t valueBytes = 0;
};

int InihHandler(void* user, const char*, const char*, const char* value) {
  auto* sink = static_cast<InihSink*>(user);
  ++sink->pairs;
  sink->valueBytes += std::char_traits<char>::length(value);
  return 1;
}

void BM_InihParse(benchmark::State& state) {
  const std::string& bytes = LargeFile();
  for (auto _ : state) {
    InihSink sink;
    ini_parse_string(bytes.c_str(), InihHandler, &sink);
    benchmark::DoNotOptimize(sink);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_InihParse)->Unit(benchmark::kMillisecond);

// Prints the usual table, then the file size and the load-to-inih ratio per byte.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // With repetitions the median stands for the benchmark.
      if (run.run_type == Run::RT_Iteration ||
          (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("file: %zu bytes\n", LargeFile().size());
    if (times_.count("BM_Load") && times_.count("BM_InihParse")) {
      std::printf("load per byte vs inih (CPU time): ratio %.2f (above 1: ours is faster)\n",
                  times_["BM_InihParse"] / times_["BM_Load"]);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
