#include "dialogs/dialog_form.h"

#include <algorithm>

#include "core/desktop_units.h"

namespace velmarin {

DialogControl& AddControl(DialogForm& form, const std::string& name, int index,
                          DialogControlKind kind, const PixelRect& rect,
                          const std::string& caption) {
  DialogControl& control = form.controls.emplace_back();
  control.name = name;
  control.index = index;
  control.kind = kind;
  control.rect = rect;
  control.caption = caption;
  return control;
}

DialogControl* FindControl(DialogForm& form, const std::string& name, int index) {
  for (DialogControl& control : form.controls) {
    if (control.name == name && control.index == index) return &control;
  }
  return nullptr;
}

int SelectedLine(const DialogControl& list) {
  const size_t lines = std::min(list.items.size(), list.selected.size());
  for (size_t i = 0; i < lines; ++i) {
    if (list.selected[i]) return static_cast<int>(i);
  }
  return -1;
}

void SelectOnly(DialogControl& list, int line) {
  list.selected.assign(list.items.size(), false);
  if (line >= 0 && line < static_cast<int>(list.items.size())) list.selected[line] = true;
}

void AddLine(DialogControl& list, const std::string& text) {
  list.selected.resize(list.items.size(), false);
  list.items.push_back(text);
  list.selected.push_back(false);
}

void RemoveLine(DialogControl& list, int line) {
  if (line < 0 || line >= static_cast<int>(list.items.size())) return;
  list.selected.resize(list.items.size(), false);
  list.items.erase(list.items.begin() + line);
  list.selected.erase(list.selected.begin() + line);
}

std::string OneLine(std::string text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

PixelRect PlaceOneThirdToCentre(const App& app, int width, int height) {
  PixelRect rect{0, 0, width, height};
  IScreen* screen = app.platform.screen;
  if (!screen) return rect;
  // Places on the desktop, in twips at the session's one scale.
  const DesktopUnits desktop(screen->SystemDpi());
  const double formLeft = app.model.WindowLeft;
  const double formTop = app.model.WindowTop;
  const double left = (desktop.Twips(screen->WidthPixels()) / 2 - formLeft) / 3 + formLeft;
  const double top = (desktop.Twips(screen->HeightPixels()) / 2 - formTop) / 3 + formTop;
  rect.left = desktop.Pixels(left);
  rect.top = desktop.Pixels(top);
  return rect;
}

DialogControl& FormDialog::C(const std::string& name, int index) {
  if (DialogControl* control = FindControl(form_, name, index)) return *control;
  missing_ = DialogControl{};
  return missing_;
}

void FormDialog::Focus(const std::string& name, int index, bool caretAtEnd) {
  form_.focusName = name;
  form_.focusIndex = index;
  form_.caretAtEnd = caretAtEnd;
}

}  // namespace velmarin
