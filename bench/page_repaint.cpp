// How long a page of the button row takes to repaint on the real window under Wine: every page of
// the settings next to the program, first the first visit of each (its icons extracted), then
// twenty rounds of visits again. Each visit repaints the cells, sets their tool tips and paints
// the window. Prints the first visits, the median and the slowest of the repeats, in ms.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "panel/button_paint.h"
#include "resource_ids.h"
#include "shell/main_form.h"
#include "app/program_commands.h"
#include "win32/main_window.h"
#include "win32/win32_platform.h"
#include "win32/win32_system.h"

namespace {

using namespace velmarin;

double Now() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

double Visit(App& app, win32::MainWindow& window, int page) {
  const double start = Now();
  app.model.CurrentPage = page;
  RepaintPage(app);
  ApplyToolTips(app);
  UpdateWindow(window.Handle());
  return Now() - start;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  static App app;
  static win32::Win32Platform platform;
  platform.Wire(app);
  static win32::MainWindow window(app);
  static win32::Win32System system(window);
  app.platform.system = &system;
  app.platform.controls = &window;
  static ProgramCommands commands(app);
  app.commands = &commands;
  window.SetFaceResources(IDB_IMAGELIST1, IDB_IMAGELIST2);
  if (!window.Create(GetModuleHandleW(nullptr), IDI_VELMARIN)) return 1;
  app.platform.runList = &window.RunList();
  if (Form_Load(app) != StartResult::Running) return 1;
  window.FinishStart();
  PumpMessages();

  const int pages = static_cast<int>(app.model.Pages.size());
  std::printf("pages: %d, cells: %d\n", pages, VisibleCellCount(app));
  std::vector<double> first;
  for (int p = 0; p < pages; ++p) {
    first.push_back(Visit(app, window, p));
    std::printf("first visit of page %d: %.2f ms\n", p, first.back());
    PumpMessages();
  }
  std::vector<double> again;
  for (int round = 0; round < 20; ++round) {
    for (int p = 0; p < pages; ++p) {
      again.push_back(Visit(app, window, p));
      PumpMessages();
    }
  }
  std::printf("first visits: median %.2f ms, slowest %.2f ms\n", Median(first),
              *std::max_element(first.begin(), first.end()));
  std::printf("repeat visits (%zu): median %.2f ms, slowest %.2f ms\n", again.size(), Median(again),
              *std::max_element(again.begin(), again.end()));
  app.form.unloaded = true;  // nothing saved
  DestroyWindow(window.Handle());
  return 0;
}
