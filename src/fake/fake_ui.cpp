#include "fake/fake_ui.h"

#include <algorithm>

#include "core/strings.h"

namespace velmarin {

MbResult FakeMessageBox::Show(const std::string& text, const std::string& title, MbButtons buttons,
                              MbIcon icon) {
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

ShelfAddResult FakeShelfList::Add(const std::string& key, const std::string& text) {
  const std::string wanted = UpperAscii(key);
  for (const Entry& e : entries) {
    if (UpperAscii(e.key) == wanted) return ShelfAddResult::DuplicateKey;
  }
  entries.push_back({key, text, 0, false});
  return ShelfAddResult::Added;
}

// As the list view does, the focus goes with its entry: none when that entry leaves.
void FakeShelfList::RemoveAt(int index) {
  if (!Valid(index)) return;
  entries.erase(entries.begin() + index);
  if (focused == index) focused = -1;
  if (focused > index) --focused;
}

void FakeShelfList::SetKey(int index, const std::string& key) {
  if (Valid(index)) entries[index].key = key;
}

std::string FakeShelfList::Key(int index) const { return Valid(index) ? entries[index].key : ""; }
std::string FakeShelfList::Text(int index) const { return Valid(index) ? entries[index].text : ""; }

void FakeShelfList::SetText(int index, const std::string& text) {
  if (Valid(index)) entries[index].text = text;
}

int FakeShelfList::SmallIcon(int index) const { return Valid(index) ? entries[index].icon : 0; }

void FakeShelfList::SetSmallIcon(int index, int icon) {
  if (Valid(index)) entries[index].icon = icon;
}

bool FakeShelfList::Selected(int index) const { return Valid(index) && entries[index].selected; }

void FakeShelfList::SetSelected(int index, bool selected) {
  if (Valid(index)) entries[index].selected = selected;
}

void FakeShelfList::SortOnce() {
  ++sorts;
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.text < b.text; });
}

}  // namespace velmarin
