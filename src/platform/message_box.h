#pragma once
// The modal message box: every message the program shows goes through here.
#include <string>

namespace velmarin {

enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MbIcon { None, Information, Question, Exclamation, Error };
enum class MbResult { Ok, Cancel, Yes, No };

// Title of boxes that have none of their own.
inline constexpr const char* kDefaultTitle = "velmarin";

class IMessageBox {
 public:
  virtual ~IMessageBox() = default;
  // Shows the box and returns the button pressed. An empty title means kDefaultTitle.
  virtual MbResult Show(const std::string& text, const std::string& title, MbButtons buttons,
                        MbIcon icon) = 0;
};

}  // namespace velmarin
