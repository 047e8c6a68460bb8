#pragma once
// Dialog windows described as data. The app logic keeps a dialog's controls and their values in a
// DialogForm and answers the user's actions (DialogEvent); the backend builds the window from the
// form, writes what the user typed, checked or selected back into it before each event, and shows
// the form again after each event. Nothing of a dialog's meaning lives in the backend.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace velmarin {

enum class DialogControlKind : uint8_t {
  Label,
  TextBox,
  Button,
  CheckBox,
  Option,     // option buttons with the same group exclude each other
  Frame,      // a captioned box; controls whose parent is its name live inside it
  ListBox,    // one line selected at most
  MultiList,  // any lines selected
  DropList,   // a drop-down list to choose from
  Picture,    // a coloured swatch or an icon preview
  UpDown,     // arrows that step the number in the text box named by `buddy`
};

struct DialogControl {
  std::string name;
  int index = 0;
  DialogControlKind kind = DialogControlKind::Label;
  PixelRect rect;       // pixels, from the dialog's client corner
  std::string caption;  // "&" marks the access key
  std::string toolTip;
  std::string text;               // a text box's contents
  bool selectAllOnFocus = false;  // a text box selects its whole text when it takes the focus
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  int group = 0;  // options: the group they belong to
  // The frame that holds the control (hidden with it); an empty name: the dialog itself.
  std::string parent;
  int parentIndex = 0;
  std::vector<std::string> items;  // list lines
  std::vector<bool> selected;      // per line (a ListBox selects one at most)
  int32_t color = -1;              // a Picture's background (0x00BBGGRR); -1 the dialog's
  // A Picture's icon for item `iconItem` (a file, folder or internal name): icon `iconIndex` of
  // `iconFile`, or the shell's picture of that file when it holds none and is no icon library of
  // the program's (`iconLibrary`); the program's own icon when iconFile is empty. Nothing when
  // iconItem is empty.
  std::string iconItem;
  std::string iconFile;
  int16_t iconIndex = 0;
  bool iconLibrary = false;
  std::string buddy;  // UpDown: the text box it steps
  int upDownMin = 0;
  int upDownMax = 100;
  bool isDefault = false;     // Enter presses it
  bool isCancel = false;      // Escape presses it
  bool acceptsDrops = false;  // files may be dropped on it
};

struct DialogForm {
  std::string caption;
  PixelRect rect;  // outer position (screen pixels) and client size (layout pixels)
  std::vector<DialogControl> controls;
  bool enabled = true;
  // The control to give the focus next, and whether its caret goes to the end of its text; the
  // backend clears it after moving the focus.
  std::string focusName;
  int focusIndex = 0;
  bool caretAtEnd = false;
  bool closed = false;  // the dialog is done; the backend takes its window away
};

enum class DialogEventKind : uint8_t {
  Click,      // a button, check box, option or swatch; a list's line chosen
  Change,     // a text box's text changed
  GotFocus,   // a text box took the focus
  MouseDown,  // with button (1 left, 2 right) and the line under the mouse (-1 none)
  MouseUp,
  DblClick,
  Drop,      // files dropped on the control
  CloseBox,  // the window's own close box
};

struct DialogEvent {
  DialogEventKind kind = DialogEventKind::Click;
  std::string name;
  int index = 0;
  int button = 1;
  int line = -1;
  std::vector<std::string> files;
};

// A dialog's logic as the backend sees it.
class IDialog {
 public:
  virtual ~IDialog() = default;
  virtual DialogForm& Form() = 0;
  virtual void OnEvent(const DialogEvent& event) = 0;
};

struct IconChoice {
  std::string file;
  int index = 0;
};

class IDialogHost {
 public:
  virtual ~IDialogHost() = default;
  // Shows the dialog and returns when its form is closed.
  virtual void ShowModal(IDialog& dialog) = 0;
  // Shows the dialog and returns at once; the host keeps it until its form is closed. While a
  // dialog of the same kind is open, that one comes forward instead and `dialog` is dropped.
  virtual void ShowModeless(std::unique_ptr<IDialog> dialog) = 0;
  // The common file dialog for opening one file, with a filter ("text|pattern") and a title;
  // nothing when the user cancels.
  virtual std::optional<std::string> PickFile(const std::string& filter,
                                              const std::string& title) = 0;
  // The shell's icon picker offering `file`; nothing when the user cancels. The path returned
  // may be of any length.
  virtual std::optional<IconChoice> PickIcon(const std::string& file, int index) = 0;
  // The colour chooser starting at `initial` (0x00BBGGRR); nothing when the user cancels.
  virtual std::optional<int32_t> PickColor(int32_t initial) = 0;
  // The system folder, for example "C:\Windows\System32".
  virtual std::string SystemFolder() = 0;
};

}  // namespace velmarin
