#pragma once
// Scripted message boxes and a recorded Run-box list for tests.
#include <deque>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/run_list.h"
#include "platform/screen.h"
#include "platform/shelf_list.h"

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
  // A text set by the program leaves the caret at the start with nothing selected.
  void SetText(const std::string& value) override {
    text = value;
    selStart = 0;
    selLength = 0;
  }
  std::string Text() const override { return text; }
  void GetSelection(int& start, int& length) const override {
    start = selStart;
    length = selLength;
  }
  void SetSelection(int start, int length) override {
    selStart = start;
    selLength = length;
  }
  void Focus() override { ++focusCount; }
  void ShowDropDown(bool show) override { droppedDown = show; }

  std::vector<std::string> items;
  std::string text;  // the box's field
  int selStart = 0;  // UTF-16 units, as the field counts
  int selLength = 0;
  int focusCount = 0;
  bool droppedDown = false;
};

class FakeScreen : public IScreen {
 public:
  int WidthPixels() override { return width; }
  int HeightPixels() override { return height; }
  int TwipsPerPixelX() override { return 15; }
  int TwipsPerPixelY() override { return 15; }
  int SystemDpi() override { return systemDpi; }
  std::vector<PixelRect> WorkAreas() override {
    return workAreas.empty() ? IScreen::WorkAreas() : workAreas;
  }
  int width = 1024;
  int height = 768;
  int systemDpi = 96;
  std::vector<PixelRect> workAreas;  // none: the one screen
};

// The shelf list in memory. Keys compare ignoring ASCII case, as the list view's keys do.
class FakeShelfList : public IShelfList {
 public:
  struct Entry {
    std::string key;
    std::string text;
    int icon = 0;
    bool selected = false;
  };
  int Count() const override { return static_cast<int>(entries.size()); }
  ShelfAddResult Add(const std::string& key, const std::string& text) override;
  void RemoveAt(int index) override;
  std::string Key(int index) const override;
  std::string Text(int index) const override;
  void SetText(int index, const std::string& text) override;
  int SmallIcon(int index) const override;
  void SetSmallIcon(int index, int icon) override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  int Focused() const override { return focused; }
  void SetFocused(int index) override { focused = index; }
  bool Enabled() const override { return enabled; }
  void SetEnabled(bool on) override {
    enabled = on;
    if (!on) hasKeyboard = false;
  }
  bool HasKeyboard() const override { return hasKeyboard; }
  void SetToolTip(const std::string& text) override { toolTip = text; }
  void SortOnce() override;
  void SetKey(int index, const std::string& key) override;
  void StartLabelEdit(int index) override { editing = index; }

  std::vector<Entry> entries;
  int editing = -1;  // the entry whose label was opened for editing
  int focused = -1;
  bool enabled = true;
  bool hasKeyboard = false;  // typing goes to the list
  std::string toolTip;
  int sorts = 0;

 private:
  bool Valid(int index) const { return index >= 0 && index < Count(); }
};

}  // namespace velmarin
