#pragma once
// The Run box's drop-down list as entries only, for the benchmarks: the search is measured, not
// the combo box.
#include <string>
#include <vector>

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

}  // namespace velmarin
