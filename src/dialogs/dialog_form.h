#pragma once
// Building and reading a dialog's form: adding controls, finding them by name and index, the
// selected line of a list, a text made single-line, and where a dialog opens.
#include <string>

#include "core/app.h"
#include "platform/dialogs.h"

namespace velmarin {

// Appends a control and answers it (valid until the next control is added).
DialogControl& AddControl(DialogForm& form, const std::string& name, int index,
                          DialogControlKind kind, const PixelRect& rect,
                          const std::string& caption = "");

// The control, or nullptr when the form has none of that name and index.
DialogControl* FindControl(DialogForm& form, const std::string& name, int index = 0);

// The first selected line of a list, -1 when none is.
int SelectedLine(const DialogControl& list);
// Selects only `line` (none when it is outside the list).
void SelectOnly(DialogControl& list, int line);
// Lines added and removed with their selection marks.
void AddLine(DialogControl& list, const std::string& text);
void RemoveLine(DialogControl& list, int line);

// The text with every CR and LF taken out: a box holds one line, whatever was typed, pasted or
// dropped into it.
std::string OneLine(std::string text);

// Where a dialog of the given client size opens: one third of the way from the main window's
// top-left corner towards the centre of the screen: its corner in screen pixels, the size as it
// is given (layout pixels).
PixelRect PlaceOneThirdToCentre(const App& app, int width, int height);

// A dialog's logic with its form and the controls looked up by name.
class FormDialog : public IDialog {
 public:
  DialogForm& Form() override { return form_; }

 protected:
  // The control, which the dialog itself created; a missing one is a stand-in that nothing shows.
  DialogControl& C(const std::string& name, int index = 0);
  void Focus(const std::string& name, int index = 0, bool caretAtEnd = false);
  void Close() { form_.closed = true; }

  DialogForm form_;

 private:
  DialogControl missing_;
};

}  // namespace velmarin
