#pragma once
// The dialog host of the tests: each modal dialog runs a script of the user's actions (typing,
// clicking, dropping, closing) given by the test; the pickers answer what the test set.
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace velmarin {

// What the user does in a dialog, as the real window hands it over: the control's value changes
// first, then the event.
void UserTypes(IDialog& dialog, const std::string& name, int index, const std::string& text);
// A button pressed, a check box toggled, an option chosen (the others of its group cleared), a
// swatch clicked.
void UserClicks(IDialog& dialog, const std::string& name, int index = 0);
// A list's line chosen with the left button (pressed, released, clicked).
void UserChoosesLine(IDialog& dialog, const std::string& name, int line);
// A list's line pressed with a button and released over another line (a drag within the list).
void UserDragsLine(IDialog& dialog, const std::string& name, int from, int to, int button = 1);
void UserDrops(IDialog& dialog, const std::string& name, int index,
               const std::vector<std::string>& files);
void UserClosesWindow(IDialog& dialog);
// A mouse button (1 left, 2 right) pressed on a control, over a list's line (-1 none).
void UserPresses(IDialog& dialog, const std::string& name, int button, int line = -1);
// The lines of a multiple-selection list selected as given.
void UserSelects(IDialog& dialog, const std::string& name, const std::vector<bool>& lines);
// The control as the window shows it now; nullptr when there is none.
const DialogControl* Shown(IDialog& dialog, const std::string& name, int index = 0);

class FakeDialogHost : public IDialogHost {
 public:
  using Script = std::function<void(IDialog&)>;

  void ShowModal(IDialog& dialog) override;
  void ShowModeless(std::unique_ptr<IDialog> dialog) override;
  std::optional<std::string> PickFile(const std::string& filter, const std::string& title) override;
  std::optional<IconChoice> PickIcon(const std::string& file, int index) override;
  std::optional<int32_t> PickColor(int32_t initial) override;
  std::string SystemFolder() override { return systemFolder; }

  // Set-up: the scripts of the next modal dialogs, in order (a dialog without one, or whose
  // script leaves it open, is closed with the close box); the pickers' answers.
  std::deque<Script> scripts;
  std::optional<std::string> fileAnswer;
  std::optional<IconChoice> iconAnswer;
  std::optional<int32_t> colorAnswer;
  std::string systemFolder = "C:\\WINDOWS\\system32";

  // What happened: each dialog's form as it opened, the modeless dialogs still open, what the
  // pickers were given.
  std::vector<DialogForm> opened;
  std::vector<std::unique_ptr<IDialog>> modeless;
  std::vector<std::string> fileRequests;  // filter + "|" + title
  std::vector<std::string> iconOffers;
  std::vector<int32_t> colorStarts;
};

}  // namespace velmarin
