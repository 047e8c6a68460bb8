#include "platform/fake/fake_ui.h"

namespace velmarin {

MbResult FakeMessageBox::Show(const std::string& text, const std::string& title,
                              MbButtons buttons, MbIcon icon) {
  shown.push_back({text, title, buttons, icon});
  if (!answers_.empty()) {
    const MbResult answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return (buttons == MbButtons::YesNo || buttons == MbButtons::YesNoCancel) ? MbResult::Yes
                                                                           : MbResult::Ok;
}

void FakeRunList::RemoveAt(int index) {
  if (index >= 0 && index < Count()) items.erase(items.begin() + index);
}

}  // namespace velmarin
