#pragma once
// The Run box's drop-down list, as the tool-tip search fills it, and the text in its field.
#include <string>

namespace velmarin {

class IRunList {
 public:
  virtual ~IRunList() = default;
  virtual int Count() const = 0;
  virtual void RemoveAt(int index) = 0;
  virtual void Add(const std::string& text) = 0;

  // The text in the box's field.
  virtual void SetText(const std::string& text) = 0;

  // The field as the user edits it: its text, the selection (start and length counted as the
  // field counts characters, in UTF-16 units), the focus and the drop-down list shown or closed.
  virtual std::string Text() const = 0;
  virtual void GetSelection(int& start, int& length) const = 0;
  virtual void SetSelection(int start, int length) = 0;
  virtual void Focus() = 0;
  virtual void ShowDropDown(bool show) = 0;
};

}  // namespace velmarin
