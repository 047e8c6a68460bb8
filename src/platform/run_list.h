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
};

}  // namespace velmarin
