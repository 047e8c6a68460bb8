#pragma once
// What the Run box's benchmarks share: a clock, the drop-down list as entries only (the search
// is measured, not the combo box) and a model of 12 000 buttons with tool tips made of words.
#include <windows.h>

#include <iterator>
#include <string>
#include <vector>

#include "core/app.h"
#include "platform/run_list.h"

namespace velmarin {

class ListOnly : public IRunList {
 public:
  int Count() const override { return static_cast<int>(items_.size()); }
  void RemoveAt(int index) override {
    if (index >= 0 && index < Count()) items_.erase(items_.begin() + index);
  }
  void Add(const std::string& text) override { items_.push_back(text); }
  void SetText(const std::string& text) override { text_ = text; }
  std::string Text() const override { return text_; }
  void GetSelection(int& start, int& length) const override { start = length = 0; }
  void SetSelection(int, int) override {}
  void Focus() override {}
  void ShowDropDown(bool) override {}

 private:
  std::vector<std::string> items_;
  std::string text_;
};

// Milliseconds on the performance counter.
inline double Now() {
  LARGE_INTEGER count;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// 1 000 pages of 12 buttons, each tool tip a word of words and the button's number.
template <size_t N>
void FillToolTips(App& app, const char* const (&words)[N]) {
  app.model.settings.MaxButton = 12;
  app.model.Pages.resize(1000);
  app.model.PageCount = 1000;
  int n = 0;
  for (Page& page : app.model.Pages) {
    for (Button& b : page.Buttons) {
      b.Path = "C:\\Programs\\p" + std::to_string(n) + ".exe";
      b.ToolTip = std::string(words[n % N]) + " " + std::to_string(n);
      ++n;
    }
  }
}

}  // namespace velmarin
