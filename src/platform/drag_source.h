#pragma once
// Files dragged out of the program to another window, offered for copying only.
#include <string>
#include <vector>

namespace velmarin {

class IDragSource {
 public:
  virtual ~IDragSource() = default;
  // Starts the drag and returns when it ends, dropped or not.
  virtual void StartFileDrag(const std::vector<std::string>& files) = 0;
};

}  // namespace velmarin
