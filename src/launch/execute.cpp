#include "launch/execute.h"

#include <algorithm>
#include <bitset>
#include <optional>
#include <string_view>

#include "core/strings.h"
#include "launch/cpl_list.h"
#include "launch/names.h"
#include "launch/path_argument.h"
#include "launch/shelf_paths.h"
#include "launch/shelf_register.h"

namespace velmarin {

namespace {

// The slots of the current page that a chain of slot references (",2" held by slot 0, ",1" held
// by slot 1) has already passed. A slot met twice ends the chain with a beep.
using SlotChain = std::bitset<kButtonSlots>;

void Beep(App& app) {
  if (app.platform.shell) app.platform.shell->Beep();
}

int16_t NormalisedShowCmd(int16_t showCmd) {
  if (showCmd == Show::kMinimized || showCmd == Show::kMaximized) return showCmd;
  return Show::kNormal;
}

// The whole part of a number written as text ("7", " -3 ", "2.9"); nullopt when the text is
// not a number or too long to be a slot.
std::optional<int64_t> WholePart(std::string_view text) {
  text = TrimSpaces(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if ((whole.empty() && fraction.empty()) || whole.size() > 18) return std::nullopt;
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  if (!std::all_of(whole.begin(), whole.end(), isDigit) ||
      !std::all_of(fraction.begin(), fraction.end(), isDigit)) {
    return std::nullopt;
  }
  int64_t value = 0;
  for (char c : whole) value = value * 10 + (c - '0');
  return negative ? -value : value;
}

// The runner is named by its place in the system folder: a program of the same name lying
// beside velmarin.exe is not started instead of it. Without the system folder nothing starts.
std::string AppletCommandLine(const App& app, const std::string& applet) {
  std::string folder = app.platform.files ? app.platform.files->SystemFolder() : std::string();
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (folder.empty()) return {};
  return PathArgument(folder + "\\" + kAppletRunnerProgram) + " " + kAppletRunnerEntry +
         PathArgument(applet);
}

int MaxButtons(const App& app) { return std::clamp<int>(app.model.settings.MaxButton, 1, 12); }

void ExecuteInChain(App& app, const std::string& path, const std::string& fileName,
                    const std::string& extension, std::string& verb, int16_t& showCmd,
                    const std::string& params, SlotChain& chain);
void VelmExecInChain(App& app, const std::string& cmd, const std::string& path, SlotChain& chain);

// ",1" .. ",12": the button in slot (number - 1) mod MaxButton of the current page. A slot that
// holds an internal name runs only when it is a reference to another slot not yet in the chain.
void ExecuteSlot(App& app, int number, SlotChain& chain) {
  const int slot = (number - 1) % MaxButtons(app);
  const Page* page = PageAt(app.model, app.model.CurrentPage);
  if (!page) return;
  if (chain.test(static_cast<size_t>(slot))) {
    Beep(app);
    return;
  }
  chain.set(static_cast<size_t>(slot));
  const Button button = page->Buttons[static_cast<size_t>(slot)];
  if (isVelmName(app, button.Path)) {
    const auto target = WholePart(std::string_view(button.Path).substr(1));
    if (!target || (*target - 1) % MaxButtons(app) == slot) {
      Beep(app);
      return;
    }
  }
  std::string verb;
  int16_t showCmd = 0;  // the button's own window state is not used here
  ExecuteInChain(app, button.Path, button.FileName, button.Extension, verb, showCmd, button.Params,
                 chain);
}

void FormatCommand(App& app, const std::string& drive) {
  const int result = FormatFloppy(app, drive);
  const char* text = nullptr;
  if (result == kFormatCannotFormat) text = "フォーマットできませんでした。";
  if (result == kFormatError) text = "フォーマットエラーです。";
  if (text && app.platform.messageBox) {
    app.platform.messageBox->Show(text, "", MbButtons::Ok, MbIcon::None);
  }
}

// ",STORE": a quoted path is stored without its quotes. Files dropped on a ",STORE" button come
// as one list, each path ended by a NUL: each becomes an entry of its own.
void StoreCommand(App& app, const std::string& path) {
  if (path.find('\0') != std::string::npos) {
    for (const std::string& file : SplitPathList(path)) AddToShelf(app, file);
    return;
  }
  std::string_view item = path;
  if (!item.empty() && item.front() == '"') item.remove_prefix(1);
  item = item.substr(0, item.find('"'));
  AddToShelf(app, std::string(item));
}

void VelmExecInChain(App& app, const std::string& cmd, const std::string& argument,
                     SlotChain& chain) {
  if (cmd.empty() || cmd[0] != ',') return;
  // A path handed over by a gesture, a menu or the Run box may come with a space before it and
  // in quotes, as a program's argument would: the command takes the path itself.
  const std::string path = CommandArgument(argument);
  const std::string rest = cmd.substr(1);
  const std::string word = UpperAscii(rest);
  ICommands& commands = app.Commands();
  IShell* shell = app.platform.shell;
  if (word == "EXIT" || word == "QUIT") {
    commands.EndProgram();
  } else if (word == "CONFIG") {
    commands.ShowSettingsDialog();
  } else if (word == "WINEXIT") {
    if (shell) shell->FindWindowByClassAndClose("ProgMan");
  } else if (word == "DELETE") {
    if (!path.empty()) FileDelete(app, path);
  } else if (word == "BEEP") {
    Beep(app);
  } else if (word == "FORMAT") {
    FormatCommand(app, path);
  } else if (word == "STORE") {
    StoreCommand(app, path);
  } else if (word == "SORT") {
    IShelfList* shelf = app.platform.shelf;
    if (shelf && shelf->Enabled()) shelf->SortOnce();
  } else if (auto number = WholePart(word);
             number && *number >= 1 && *number <= 12 && word == std::to_string(*number)) {
    ExecuteSlot(app, static_cast<int>(*number), chain);
  } else {
    const int16_t page = SearchGroupName(app.model, rest);
    if (page != -1) commands.PageChange(page, false, false);
  }
}

void ExecuteInChain(App& app, const std::string& path, const std::string& fileName,
                    const std::string& extension, std::string& verb, int16_t& showCmd,
                    const std::string& params, SlotChain& chain) {
  if (isVelmName(app, path)) {
    VelmExecInChain(app, path, params, chain);
    return;
  }
  // An empty item (an empty slot reached through ",3") names nothing: the shell is not asked
  // to open an empty name.
  if (path.empty()) return;
  IShell* shell = app.platform.shell;
  if (UpperAscii(extension) == "CPL") {
    // Only the applets the program knows open, and then the very file the item names, through
    // the system's own runner.
    if (CplListSearch(app, fileName) == -1) return;
    const std::string commandLine = AppletCommandLine(app, path);
    if (shell && !commandLine.empty()) shell->StartCommandLine(commandLine, Show::kMinimized);
    return;
  }
  if (verb != "explore" && verb != "print") verb.clear();
  const std::string file =
      app.model.settings.options.ShortPathExecute ? ToShortPath(app, path) : path;
  showCmd = NormalisedShowCmd(showCmd);
  if (shell) shell->Execute(verb, file, params, kLaunchFolder, showCmd);
}

}  // namespace

void ExecuteItem(App& app, const std::string& path, const std::string& fileName,
                 const std::string& extension, std::string& verb, int16_t& showCmd,
                 const std::string& params) {
  SlotChain chain;
  ExecuteInChain(app, path, fileName, extension, verb, showCmd, params, chain);
}

void VelmExec(App& app, const std::string& cmd, const std::string& path) {
  SlotChain chain;
  VelmExecInChain(app, cmd, path, chain);
}

}  // namespace velmarin
