#include "fake/fake_dialogs.h"

#include <typeinfo>

namespace velmarin {

namespace {

DialogControl* Find(IDialog& dialog, const std::string& name, int index) {
  for (DialogControl& control : dialog.Form().controls) {
    if (control.name == name && control.index == index) return &control;
  }
  return nullptr;
}

void Send(IDialog& dialog, DialogEventKind kind, const std::string& name, int index, int button = 1,
          int line = -1) {
  DialogEvent event;
  event.kind = kind;
  event.name = name;
  event.index = index;
  event.button = button;
  event.line = line;
  dialog.OnEvent(event);
}

void Select(DialogControl& list, int line) {
  list.selected.assign(list.items.size(), false);
  if (line >= 0 && line < static_cast<int>(list.items.size())) list.selected[line] = true;
}

}  // namespace

void UserTypes(IDialog& dialog, const std::string& name, int index, const std::string& text) {
  DialogControl* box = Find(dialog, name, index);
  if (!box || !box->enabled) return;
  box->text = text;
  Send(dialog, DialogEventKind::Change, name, index);
}

void UserClicks(IDialog& dialog, const std::string& name, int index) {
  DialogControl* control = Find(dialog, name, index);
  if (!control || !control->enabled || !dialog.Form().enabled) return;
  if (control->kind == DialogControlKind::CheckBox) control->checked = !control->checked;
  if (control->kind == DialogControlKind::Option) {
    for (DialogControl& other : dialog.Form().controls) {
      if (other.kind == DialogControlKind::Option && other.group == control->group &&
          other.parent == control->parent && other.parentIndex == control->parentIndex) {
        other.checked = false;
      }
    }
    control->checked = true;
  }
  Send(dialog, DialogEventKind::Click, name, index);
}

void UserChoosesLine(IDialog& dialog, const std::string& name, int line) {
  DialogControl* list = Find(dialog, name, 0);
  if (!list || !list->enabled) return;
  Select(*list, line);
  Send(dialog, DialogEventKind::MouseDown, name, 0, 1, line);
  Send(dialog, DialogEventKind::MouseUp, name, 0, 1, line);
  Send(dialog, DialogEventKind::Click, name, 0, 1, line);
}

void UserDragsLine(IDialog& dialog, const std::string& name, int from, int to, int button) {
  DialogControl* list = Find(dialog, name, 0);
  if (!list || !list->enabled) return;
  Select(*list, from);
  Send(dialog, DialogEventKind::MouseDown, name, 0, button, from);
  if (!(list = Find(dialog, name, 0))) return;
  Select(*list, to);
  Send(dialog, DialogEventKind::MouseUp, name, 0, button, to);
}

void UserDrops(IDialog& dialog, const std::string& name, int index,
               const std::vector<std::string>& files) {
  DialogEvent event;
  event.kind = DialogEventKind::Drop;
  event.name = name;
  event.index = index;
  event.files = files;
  dialog.OnEvent(event);
}

void UserPresses(IDialog& dialog, const std::string& name, int button, int line) {
  Send(dialog, DialogEventKind::MouseDown, name, 0, button, line);
}

void UserSelects(IDialog& dialog, const std::string& name, const std::vector<bool>& lines) {
  if (DialogControl* list = Find(dialog, name, 0)) {
    list->selected = lines;
    list->selected.resize(list->items.size(), false);
  }
}

void UserClosesWindow(IDialog& dialog) { Send(dialog, DialogEventKind::CloseBox, "", 0); }

const DialogControl* Shown(IDialog& dialog, const std::string& name, int index) {
  return Find(dialog, name, index);
}

void FakeDialogHost::ShowModal(IDialog& dialog) {
  opened.push_back(dialog.Form());
  if (!scripts.empty()) {
    Script script = std::move(scripts.front());
    scripts.pop_front();
    script(dialog);
  }
  if (!dialog.Form().closed) UserClosesWindow(dialog);
}

void FakeDialogHost::ShowModeless(std::unique_ptr<IDialog> dialog) {
  if (!dialog) return;
  std::erase_if(modeless, [](const auto& open) { return open->Form().closed; });
  const IDialog& asked = *dialog;
  for (const auto& open : modeless) {
    const IDialog& shown = *open;
    if (typeid(shown) == typeid(asked)) return;  // the open one comes forward
  }
  opened.push_back(dialog->Form());
  modeless.push_back(std::move(dialog));
}

std::optional<std::string> FakeDialogHost::PickFile(const std::string& filter,
                                                    const std::string& title) {
  fileRequests.push_back(filter + "|" + title);
  return fileAnswer;
}

std::optional<IconChoice> FakeDialogHost::PickIcon(const std::string& file, int) {
  iconOffers.push_back(file);
  return iconAnswer;
}

std::optional<int32_t> FakeDialogHost::PickColor(int32_t initial) {
  colorStarts.push_back(initial);
  return colorAnswer;
}

}  // namespace velmarin
