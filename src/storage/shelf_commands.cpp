#include "storage/shelf_commands.h"

#include <string>
#include <vector>

#include "launch/names.h"
#include "launch/path_argument.h"
#include "launch/shelf_paths.h"
#include "launch/shelf_register.h"
#include "storage/bin_clipboard.h"
#include "storage/shelf.h"
#include "storage/shelf_menu.h"

namespace velmarin {

namespace {

void Beep(App& app) {
  if (app.platform.shell) app.platform.shell->Beep();
}

void Tell(App& app, const std::string& text, const std::string& title) {
  if (app.platform.messageBox)
    app.platform.messageBox->Show(text, title, MbButtons::Ok, MbIcon::None);
}

std::string DesktopFolder(App& app) {
  if (!app.platform.shell) return {};
  return app.platform.shell->FolderPath(ShellFolder::Desktop).value_or("");
}

bool MakeLink(App& app, const ShellLink& link) {
  if (link.linkFile.empty() || link.target.empty() || !app.platform.shell) return false;
  return app.platform.shell->CreateShellLink(link);
}

void Execute(App& app) {
  IShelfList* shelf = app.platform.shelf;
  if (!app.model.settings.options.StorageMultiExecute) {
    LaunchShelfItem(app, FocusedKey(app), "", "");
    return;
  }
  if (!ConfirmLaunchOf(app, CountSelected(app))) return;
  const int count = shelf->Count();
  for (int i = 0; i < count; ++i) {
    if (!shelf->Selected(i)) continue;
    LaunchShelfItem(app, shelf->Key(i), "", "");
    RunPendingEvents(app);
  }
}

void SendTo(App& app, int index) {
  IShelfList* shelf = app.platform.shelf;
  const std::vector<std::string> list = SendToList(app);
  if (index < 0 || static_cast<size_t>(index) >= list.size()) return;
  if (!ConfirmLaunchOf(app, CountSelected(app))) return;
  const int count = shelf->Count();
  for (int i = 0; i < count; ++i) {
    if (!shelf->Selected(i)) continue;
    const std::string& program = list[static_cast<size_t>(index)];
    LaunchShelfItem(app, program, "open", ParamsWithPath(app, program, "", shelf->Key(i)));
    RunPendingEvents(app);
  }
}

// The selected files that exist, last entry first. A cut takes them off the shelf once the
// clipboard holds them: while another program keeps the clipboard, the shelf stays as it was
// (a paste would otherwise move the files of an earlier list). Either beeps when the clipboard
// would not take the list, so that a paste of the old one comes as no surprise.
void CutOrCopy(App& app, bool cut) {
  IShelfList* shelf = app.platform.shelf;
  std::vector<std::string> files;
  std::vector<int> rows;
  for (int i = shelf->Count() - 1; i >= 0; --i) {
    if (!shelf->Selected(i)) continue;
    const std::string key = shelf->Key(i);
    if (!FileExist(app, key)) continue;
    files.push_back(key);
    rows.push_back(i);
  }
  if (!CopyFilesToClipboard(app, files, cut ? kDropEffectMove : kDropEffectCopy)) {
    Beep(app);
    return;
  }
  if (!cut) return;
  for (int row : rows) shelf->RemoveAt(row);  // from the last row up: the others keep their place
}

// The name a shortcut to an item is given: the item's own name without its extension; a root,
// which has none, its drive letter ("C") or its share's name.
std::string LinkNameOf(const Button& parts) {
  if (!parts.BaseName.empty()) return parts.BaseName;
  if (!parts.FileName.empty()) return parts.FileName;  // ".profile"
  std::string root = parts.DriveName;
  const size_t cut = root.find_last_of("\\/");
  if (cut != std::string::npos) root.erase(0, cut + 1);
  if (root.size() == 2 && root[1] == ':') root.pop_back();
  return root;
}

// The first of "name", "name (2)", "name (3)", ... that no file or folder of the desktop takes
// with ".lnk" after it; empty when there is no desktop, no name, or no free one among the first
// thousand.
std::string FreeLinkName(App& app, const std::string& desktop, const std::string& name) {
  if (desktop.empty() || name.empty()) return {};
  constexpr int kMostTried = 1000;
  for (int n = 1; n <= kMostTried; ++n) {
    std::string candidate = n == 1 ? name : name + " (" + std::to_string(n) + ")";
    if (!FileExist(app, desktop + "\\" + candidate + ".lnk")) return candidate;
  }
  return {};
}

// A shortcut never replaces a file already on the desktop (another shortcut, or the very entry
// it is made from): it takes the next free name.
void Shortcut(App& app) {
  const std::string key = FocusedKey(app);
  if (!FileExist(app, key)) return;
  Button temp;
  temp.Path = key;
  SetPathParts(app, temp);
  // Without a desktop folder there is nowhere to put it (never "\\name.lnk" at the drive root).
  const std::string desktop = DesktopFolder(app);
  const std::string name = FreeLinkName(app, desktop, LinkNameOf(temp));
  ShellLink link;
  if (!name.empty()) link.linkFile = desktop + "\\" + name + ".lnk";
  link.target = key;
  link.iconFile = key;
  link.showCmd = 5;
  if (!MakeLink(app, link) && CreateDesktopShortcut(app, key, name) == 0) return;
  AddToShelf(app, link.linkFile);
}

// The selected files go to the recycle bin. An entry whose file is gone afterwards leaves the
// shelf, whether the delete took it or it was gone before; one whose file is still there (the
// user declined, or the delete failed) stays. Internal names are only deselected.
void Delete(App& app) {
  IShelfList* shelf = app.platform.shelf;
  std::string paths;
  for (int i = shelf->Count() - 1; i >= 0; --i) {
    if (!shelf->Selected(i)) continue;
    const std::string key = shelf->Key(i);
    if (isVelmName(app, key)) {
      shelf->SetSelected(i, false);
    } else if (FileExist(app, key)) {
      paths += key + '\0';
    }
  }
  paths += '\0';
  if (paths.size() > 1) {
    shelf->SetEnabled(false);
    FileDelete(app, paths);
    shelf->SetEnabled(app.model.StorageIsOpen);
  }
  for (int i = shelf->Count() - 1; i >= 0; --i) {
    if (shelf->Selected(i) && !FileExist(app, shelf->Key(i))) shelf->RemoveAt(i);
  }
  RefreshShelfToolTip(app);
}

void Rename(App& app) {
  IShelfList* shelf = app.platform.shelf;
  const int focused = shelf->Focused();
  if (focused >= 0 && FileExist(app, shelf->Key(focused))) shelf->StartLabelEdit(focused);
}

void Property(App& app) {
  if (!app.platform.shell) return;
  std::string failure;
  if (!app.platform.shell->ShowProperties(FocusedKey(app), failure)) Tell(app, failure, "");
}

}  // namespace

void RunShelfCommand(App& app, const std::string& word, int index) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return;
  if (word == "Execute") {
    Execute(app);
  } else if (word == "ParentFolder") {
    LaunchShelfItem(app, ParentFolderOf(app, FocusedKey(app)), "open", "");
  } else if (word == "DeleteEntry") {
    sDeleteSelected(app);
  } else if (word == "SelectAll") {
    for (int i = 0; i < shelf->Count(); ++i) shelf->SetSelected(i, true);
  } else if (word == "SendTo") {
    SendTo(app, index);
  } else if (word == "Cut" || word == "Copy") {
    CutOrCopy(app, word == "Cut");
  } else if (word == "Shortcut") {
    Shortcut(app);
  } else if (word == "Delete") {
    Delete(app);
  } else if (word == "Rename") {
    Rename(app);
  } else if (word == "Property") {
    Property(app);
  }
}

int32_t CreateDesktopShortcut(App& app, const std::string& target, const std::string& name) {
  bool made = false;
  if (FileExist(app, target)) {
    Button temp;
    temp.Path = target;
    SetPathParts(app, temp);
    ShellLink link;
    const std::string desktop = DesktopFolder(app);
    if (!desktop.empty() && !name.empty()) link.linkFile = desktop + "\\" + name + ".lnk";
    link.target = target;
    // The second way has values of its own: the target's folder to work in, window style 4.
    link.workDir = temp.ParentFolder;
    link.iconFile = target;
    link.showCmd = 4;
    made = MakeLink(app, link);
  }
  if (made) return 1;
  Beep(app);
  Tell(app, "ショートカットを作成できませんでした。", "ショートカット作成エラー");
  return 0;
}

bool Storage_AfterLabelEdit(App& app, const std::string& newText) {
  IShelfList* shelf = app.platform.shelf;
  if (!shelf) return false;
  const int focused = shelf->Focused();
  const std::string key = focused < 0 ? std::string() : shelf->Key(focused);
  // A name with a separator would move the file elsewhere: refused like an empty name.
  const bool usable = !newText.empty() && newText.find_first_of("\\/") == std::string::npos;
  if (usable && FileExist(app, key) && app.platform.files) {
    Button temp;
    temp.Path = key;
    SetPathParts(app, temp);
    if (!temp.FileName.empty() && !temp.ParentFolder.empty()) {
      const std::string folder =
          temp.ParentFolder.back() == '\\' ? temp.ParentFolder : temp.ParentFolder + "\\";
      const std::string newPath = folder + newText;
      if (app.platform.files->Rename(key, newPath)) {
        shelf->SetKey(focused, newPath);
        shelf->SetText(focused, newText);
        shelf->SetToolTip(newPath);
        return true;
      }
      if (FileExist(app, newPath)) {
        Tell(app, newPath + " は既に存在しています。", "名前の変更のエラー");
      }
    }
  }
  Beep(app);
  return false;
}

}  // namespace velmarin
