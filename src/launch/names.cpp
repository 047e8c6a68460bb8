#include "launch/names.h"

#include <array>

#include "core/strings.h"
#include "launch/cpl_list.h"

namespace velmarin {

namespace {

// The most tool tips the Run box lists for what they read as.
constexpr int kListedByReading = 100;

constexpr std::array<std::string_view, 21> kCommandWords = {
    "EXIT", "QUIT", "CONFIG", "WINEXIT", "DELETE", "BEEP", "FORMAT", "STORE", "SORT", "1", "2",
    "3",    "4",    "5",      "6",       "7",      "8",    "9",      "10",    "11",   "12"};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Drive part: "C:" for "C:\x", "\\server\share" for a UNC path, "" otherwise.
std::string DrivePart(std::string_view path) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, 2));
  if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    size_t server = path.find_first_of("\\/", 2);
    if (server == std::string_view::npos) return std::string(path);
    size_t share = path.find_first_of("\\/", server + 1);
    return std::string(path.substr(0, share == std::string_view::npos ? path.size() : share));
  }
  return {};
}

// The path without trailing separators, unless that would eat the root itself.
std::string_view WithoutTrailingSeparators(std::string_view path, size_t rootLength) {
  while (path.size() > rootLength && IsSeparator(path.back())) path.remove_suffix(1);
  return path;
}

}  // namespace

bool isVelmName(const App& app, std::string_view name) {
  if (name.empty() || name[0] != ',') return false;
  const std::string_view rest = name.substr(1);
  const std::string upper = UpperAscii(rest);
  for (std::string_view word : kCommandWords) {
    if (upper == word) return true;
  }
  return SearchGroupName(app.model, rest) != -1;
}

int16_t SearchGroupName(const Model& model, std::string_view gName) {
  if (gName.empty()) return 0;
  for (size_t i = 0; i < model.Pages.size() && i <= 32767; ++i) {
    if (model.Pages[i].Caption == gName) return static_cast<int16_t>(i);
  }
  return -1;
}

std::string SearchToolTip(App& app, const std::string& name, bool comboFlg) {
  IRunList* list = app.platform.runList;
  if (comboFlg && list) {
    for (int i = list->Count() - 1; i >= 0; --i) list->RemoveAt(i);
  }
  if (name.empty() || !app.platform.text) return {};
  IText& text = *app.platform.text;
  std::string first;
  // Romaji and kana also list the tool tips they read as, after the others; they never complete
  // the box. A hundred at most: one kana can read as a thousand names, a list no one reads
  // through, and filling it would cost the keystroke more than the search.
  int byReading = 0;
  const ToolTipIndex::Visit listed = [&](const std::string& tip) {
    if (list) list->Add(tip);
    return ++byReading < kListedByReading;
  };
  app.toolTips.ForEachMatch(
      app.model, name,
      [&](std::string_view tipPart, std::string_view namePart) {
        return text.StartsWithNoCase(std::string(tipPart), std::string(namePart));
      },
      [&](const std::string& tip) {
        // A match is never empty: name is not, and an empty tip starts with nothing else.
        if (first.empty()) {
          first = tip;
          if (!comboFlg) return false;
        }
        if (comboFlg && list) list->Add(tip);
        return true;
      },
      comboFlg ? &listed : nullptr);
  return first;
}

Button FindButtonByToolTip(const Model& model, const std::string& toolTip) {
  if (toolTip.empty()) return {};
  const int buttons = std::min<int>(model.settings.MaxButton, kButtonSlots);
  for (const Page& page : model.Pages) {
    for (int b = 0; b < buttons; ++b) {
      if (page.Buttons[b].ToolTip == toolTip) return page.Buttons[b];
    }
  }
  return {};
}

int SearchRCh(std::string_view str, std::string_view ch, int pos) {
  if (ch.empty() || pos < 0) return pos;
  const size_t found = str.rfind(ch);
  if (found == std::string_view::npos) return pos;
  const int position = static_cast<int>(found) + 1;
  return position > pos ? position : pos;
}

std::string GetFileName(std::string_view path) {
  const int p = SearchRCh(path, "\\", 0);
  return std::string(path.substr(static_cast<size_t>(p)));
}

std::string GetExt(std::string_view s) {
  const int p = SearchRCh(s, ".", 0);
  if (p == 0) return {};
  return UpperAscii(s.substr(static_cast<size_t>(p)));
}

std::string AddDQs(std::string_view s) {
  std::string out(s);
  if (out.empty() || out.front() != '"') out.insert(out.begin(), '"');
  if (out.back() != '"') out.push_back('"');
  return out;
}

std::string FindRemovableDrive(App& app) {
  if (!app.platform.files) return {};
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const std::string drive{letter, ':'};
    if (app.platform.files->TypeOfDrive(drive) == DriveType::Removable) return drive;
  }
  return {};
}

bool FileExist(App& app, const std::string& path) {
  if (path.empty() || !app.platform.files) return false;
  const auto withFolders = app.platform.files->MatchExists(path, true);
  const auto filesOnly = app.platform.files->MatchExists(path, false);
  if (withFolders && filesOnly) return *withFolders || *filesOnly;
  if ((withFolders && *withFolders) || (filesOnly && *filesOnly)) return true;
  // The query failed: items on an empty floppy drive stay valid.
  const std::string removable = FindRemovableDrive(app);
  return !removable.empty() && path.size() >= 2 && path.compare(0, 2, removable) == 0;
}

bool IsDriveRoot(std::string_view path) {
  if (Utf8Length(path) >= 4 || path.empty()) return false;
  const char last = path.back();
  return last == ':' || last == '\\';
}

void SetPathParts(const App& app, Button& button) {
  const std::string& path = button.Path;
  if (isVelmName(app, path)) return;
  const std::string drive = DrivePart(path);
  // The root keeps its separator: "C:\" is the parent of "C:\ed.exe".
  size_t rootLength = drive.size();
  if (rootLength < path.size() && IsSeparator(path[rootLength])) ++rootLength;
  const std::string_view trimmed = WithoutTrailingSeparators(path, rootLength);
  size_t cut = trimmed.find_last_of("\\/");
  std::string fileName;
  std::string parent;
  if (trimmed.size() <= rootLength) {
    // A bare root ("C:\") or an empty path has no name and no parent.
  } else if (cut == std::string_view::npos || cut < drive.size()) {
    fileName = std::string(trimmed.substr(drive.size()));
    parent = drive;
  } else {
    fileName = std::string(trimmed.substr(cut + 1));
    std::string_view folder = trimmed.substr(0, cut);
    if (folder.size() < rootLength) folder = trimmed.substr(0, rootLength);
    parent = std::string(WithoutTrailingSeparators(folder, rootLength));
  }
  const size_t dot = fileName.rfind('.');
  button.DriveName = drive;
  button.ParentFolder = parent;
  button.FileName = fileName;
  button.Extension = dot == std::string::npos ? std::string() : fileName.substr(dot + 1);
  button.BaseName = dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

std::string DefaultToolTip(const App& app, const Button& button) {
  const int16_t i = CplListSearch(app, button.FileName);
  if (IsDriveRoot(button.Path)) return button.Path;
  const Options& o = app.model.settings.options;
  if (i != -1 && o.CplToolTip) return app.CplList[static_cast<size_t>(i)].displayName;
  return o.ToolTipWithExt ? button.FileName : button.BaseName;
}

std::string GetLinkTarget(App& app, const std::string& path) {
  if (!app.platform.files) return path;
  auto target = app.platform.files->LinkTarget(path);
  return target && !target->empty() ? *target : path;
}

}  // namespace velmarin
