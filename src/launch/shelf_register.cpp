#include "launch/shelf_register.h"

#include "core/strings.h"
#include "launch/names.h"

namespace velmarin {

namespace {

void ShowMessage(App& app, const std::string& text, const std::string& title, MbIcon icon) {
  if (app.platform.messageBox) app.platform.messageBox->Show(text, title, MbButtons::Ok, icon);
}

int IconForExtension(const std::string& extension) {
  const std::string upper = UpperAscii(extension);
  if (upper == "EXE") return ShelfIcon::kProgram;
  if (upper == "CPL") return ShelfIcon::kApplet;
  if (upper == "LNK") return ShelfIcon::kShortcut;
  return ShelfIcon::kFile;
}

// Gives the entry just added (the last one) its icon. A name the file system calls bad takes
// the entry out again; any other failure is shown to the user and the entry stays.
void SetShelfIcon(App& app, const std::string& item, bool internal, const std::string& extension) {
  IShelfList* shelf = app.platform.shelf;
  const int last = shelf->Count() - 1;
  if (!FileExist(app, item)) {
    if (internal) shelf->SetSmallIcon(last, ShelfIcon::kInternal);
    return;
  }
  AttributeQuery query;
  if (app.platform.files) query = app.platform.files->QueryAttributes(item);
  if (query.attributes) {
    const bool plainFolder = *query.attributes == Attr::kDirectory;
    shelf->SetSmallIcon(last, plainFolder ? ShelfIcon::kFolder : IconForExtension(extension));
  } else if (query.failure == FileFailure::BadName) {
    shelf->RemoveAt(last);
  } else {
    ShowMessage(app, query.description, "エラーが発生しました", MbIcon::None);
  }
}

}  // namespace

void AddToShelf(App& app, const std::string& item) {
  IShelfList* shelf = app.platform.shelf;
  if (item.empty() || !shelf) return;
  const bool internal = isVelmName(app, item);
  Button temp;
  ShelfAddResult added;
  if (internal || IsDriveRoot(item)) {
    added = shelf->Add(item, item);
  } else {
    temp.Path = item;
    SetPathParts(app, temp);
    added = shelf->Add(item, temp.FileName);
  }
  if (added == ShelfAddResult::DuplicateKey) {
    if (app.model.settings.options.StorageNotifyDuplicate) {
      ShowMessage(app, item + "\r\n" + "同じファイルがあります。", "登録ファイルの重複",
                  MbIcon::Information);
    }
    return;
  }
  if (added != ShelfAddResult::Added) return;
  SetShelfIcon(app, item, internal, temp.Extension);
}

std::vector<std::string> SplitPathList(const std::string& paths) {
  std::vector<std::string> list;
  size_t start = 0;
  while (start < paths.size()) {
    const size_t end = paths.find('\0', start);
    std::string path = paths.substr(start, end == std::string::npos ? end : end - start);
    if (path.empty()) break;
    list.push_back(std::move(path));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return list;
}

int32_t FileDelete(App& app, const std::string& paths) {
  // The shell reads its list up to a double NUL; the backend builds that list itself from the
  // separate paths, so a caller's list without its final NUL cannot make it read on.
  const std::vector<std::string> list = SplitPathList(paths);
  if (list.empty() || !app.platform.shell) return kNothingToDelete;
  return app.platform.shell->DeleteToRecycleBin(list);
}

int32_t FormatFloppy(App& app, const std::string& drive) {
  const std::string target = drive.empty() ? FindRemovableDrive(app) : drive;
  if (target.empty()) {
    ShowMessage(app, "FDドライブが見つかりません。", "フォーマットのエラー", MbIcon::Error);
    return kFormatNoDrive;
  }
  const char letter = UpperAscii(target.substr(0, 1))[0];
  if (letter < 'A' || letter > 'Z' || !app.platform.shell) return kFormatError;
  return app.platform.shell->FormatDrive(letter - 'A');
}

}  // namespace velmarin
