#pragma once
// Scripted message boxes and a recorded Run-box list for tests.
#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/run_list.h"

namespace velmarin {

struct ShownMessage {
  std::string text;
  std::string title;  // as passed; empty means the default title
  MbButtons buttons;
  MbIcon icon;
};

class FakeMessageBox : public IMessageBox {
 public:
  // Answers are taken in order; when none is left, the first button of the box is pressed.
  void Script(MbResult answer) { answers_.push_back(answer); }
  MbResult Show(const std::string& text, const std::string& title, MbButtons buttons,
                MbIcon icon) override;
  std::vector<ShownMessage> shown;

 private:
  std::deque<MbResult> answers_;
};

class FakeRunList : public IRunList {
 public:
  int Count() const override { return static_cast<int>(items.size()); }
  void RemoveAt(int index) override;
  void Add(const std::string& text) override { items.push_back(text); }
  std::vector<std::string> items;
};

}  // namespace velmarin
