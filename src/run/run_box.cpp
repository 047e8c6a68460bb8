#include "run/run_box.h"

#include <algorithm>
#include <optional>

#include "core/guarded.h"
#include "launch/execute.h"
#include "launch/names.h"
#include "panel/button_paint.h"
#include "run/edit_position.h"
#include "run/program_search.h"

namespace velmarin {

namespace {

constexpr int kCtrlA = 1;
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;

// The last three cells of the row lie under the box's drop-down list.
void RepaintCellsUnderList(App& app) {
  const int last = app.model.settings.MaxButton - 1;
  for (int i = last; i >= last - 2; --i) {
    if (i >= 0 && i < kButtonSlots) Guarded([&] { RepaintButton(app, i); });
  }
}

// The text without its selected part.
std::string TypedPart(const IRunList& box, const std::string& text) {
  int start = 0;
  int length = 0;
  box.GetSelection(start, length);
  start = std::max(start, 0);
  length = std::max(length, 0);
  const size_t from = ByteOffsetOfEditPosition(text, start);
  const size_t to = ByteOffsetOfEditPosition(text, start + length);
  return text.substr(0, from) + text.substr(to);
}

std::string WithoutOuterQuotes(std::string s) {
  if (!s.empty() && s.front() == '"') s.erase(0, 1);
  if (!s.empty() && s.back() == '"') s.pop_back();
  return s;
}

// Neither a button nor an existing path: what the system's run dialog would start for the
// command ("notepad", "%windir%\system32\cmd.exe"), as a fresh record; an empty one when
// the shell knows nothing by that name.
Button ProgramNamed(App& app, const std::string& command) {
  Button record;
  if (command.empty() || !app.platform.shell) return record;
  if (std::optional<std::string> found = app.platform.shell->FindProgram(command)) {
    record.Path = std::move(*found);
    SetPathParts(app, record);
  }
  return record;
}

}  // namespace

void SetRunText(App& app, const std::string& text) {
  IRunList* box = app.platform.runList;
  if (!box) return;
  box->SetText(text);
  Run_Change(app);
}

void PutInRunBox(App& app, const std::string& text) {
  IRunList* box = app.platform.runList;
  if (!box) return;
  const std::string old = box->Text();
  SetRunText(app, old.empty() ? text : text + " " + old);
  if (!old.empty()) box->Focus();
}

void SetRunBoxText(App& app, const std::string& text, bool focus) {
  IRunList* box = app.platform.runList;
  if (!box) return;
  SetRunText(app, text);
  if (focus) box->Focus();
}

void Run_Change(App& app) {
  IRunList* box = app.platform.runList;
  if (!box) return;
  RunBoxState& run = app.form.run;
  const Options& options = app.model.settings.options;
  std::string text = box->Text();
  const bool emptied = text.empty() && box->Count() > 0;
  if (emptied) {
    Guarded([&] {
      for (int i = box->Count() - 1; i >= 0; --i) box->RemoveAt(i);
    });
    RepaintCellsUnderList(app);
    // An open list closes.
    Guarded([&] {
      box->Focus();
      box->ShowDropDown(false);
    });
  }
  // What an input method is still composing is not the user's text yet: the list does not
  // open and the box does not complete.
  if (run.composing) return;
  if (!emptied && box->Count() >= 2 && options.RunAutoDropDown && !run.RunDropInProgress) {
    Guarded([&] { box->ShowDropDown(true); });
  }
  if (run.SuppressCompletion) {
    run.SuppressCompletion = false;
    return;
  }
  const int len = EditLength(text);
  if (text != run.LastTypedText && !run.BackspacePressed) {
    const std::string match = SearchToolTip(app, text, true);
    ListPrograms(app, text);
    if (!match.empty()) {
      run.SuppressCompletion = true;
      SetRunText(app, match);
      // A change that did not come back (no change handling) must not hold the next one.
      run.SuppressCompletion = false;
      box->SetSelection(len, std::max(EditLength(match) - len, 0));
      text = box->Text();
    }
  }
  run.LastTypedText = TypedPart(*box, text);
  run.BackspacePressed = false;
}

void Run_GotFocus(App& app) {
  // The user is about to type: the tool tips are compared with the buttons at the first letter,
  // so that no edit of the buttons made since can be missed.
  app.toolTips.Recheck();
  if (app.programs) app.programs->Recheck();
  // An app installed since the folder was read is found from the next letters on.
  if (IProgramReader* reader = app.platform.programReader) reader->LookForNewApps();
  IRunList* box = app.platform.runList;
  if (!box) return;
  box->SetSelection(0, EditLength(box->Text()));
}

int Run_KeyPress(App& app, int keyAscii) {
  RunBoxState& run = app.form.run;
  const Options& options = app.model.settings.options;
  if (options.RunAutoDropDown) {
    // The drop-down list may lie over the shelf and the last cells.
    if (IControls* controls = app.platform.controls) {
      Guarded([&] { controls->Refresh({ControlKind::Storage, 0}); });
    }
    RepaintCellsUnderList(app);
  }
  run.BackspacePressed = false;
  switch (keyAscii) {
    case kCtrlA:
      Run_GotFocus(app);
      return 0;
    case kBackspace:
      run.BackspacePressed = true;
      return keyAscii;
    case kTab:
      if (!options.TabClearsRun) return keyAscii;
      SetRunText(app, "");
      return 0;
    case kEnter:
      RunTheText(app);
      return 0;
    default:
      return keyAscii;
  }
}

void Run_CompositionStart(App& app) { app.form.run.composing = true; }

void Run_CompositionEnd(App& app) {
  RunBoxState& run = app.form.run;
  if (!run.composing) return;
  run.composing = false;
  Run_Change(app);
}

void RunTheText(App& app) {
  IRunList* box = app.platform.runList;
  if (!box) return;
  const std::string t = box->Text();
  // The box is emptied before the launch: a launch may end the program.
  if (isVelmName(app, t)) {
    SetRunText(app, "");
    VelmExec(app, t, "");
    return;
  }
  RunParts parts = SplitRunText(app, t);
  if (SearchToolTip(app, parts.Command, false).empty()) {
    parts.Command = WithoutOuterQuotes(parts.Command);
  }
  Button record;
  if (FileExist(app, parts.Command)) {
    record.Path = parts.Command;
    SetPathParts(app, record);
  } else {
    record = FindButtonByToolTip(app.model, parts.Command);
  }
  if (record.Path.empty()) {
    // A program of the Start menu by its whole name, as its list entry puts it in the box: its
    // shortcut opens with the arguments it holds.
    if (Button program = ProgramOfMenu(app, t); !program.Path.empty()) {
      SetRunText(app, "");
      std::string verb = "open";
      int16_t showCmd = 0;
      ExecuteItem(app, program.Path, program.FileName, program.Extension, verb, showCmd, "");
      return;
    }
    record = ProgramNamed(app, parts.Command);
  }
  SetRunText(app, "");
  if (record.Path.empty()) return;
  if (!app.model.settings.options.RunToolTipParams) {
    record.Params.clear();
    record.ShowCmd = 0;
  }
  std::string verb = "open";
  int16_t showCmd = record.ShowCmd;
  ExecuteItem(app, record.Path, record.FileName, record.Extension, verb, showCmd,
              record.Params + " " + parts.Rest);
}

bool InsideQuotes(std::string_view text, size_t p) {
  const size_t end = std::min(p, text.size());
  return std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(end), '"') % 2 == 1;
}

RunParts SplitRunText(App& app, const std::string& text) {
  size_t cut = std::string::npos;
  for (size_t i = text.find(' '); i != std::string::npos; i = text.find(' ', i + 1)) {
    if (!InsideQuotes(text, i + 1) || !SearchToolTip(app, text.substr(0, i), false).empty()) {
      cut = i;
      break;
    }
  }
  const std::string command = cut == std::string::npos ? text : text.substr(0, cut);
  if (command.empty()) return {text, {}};
  return {command, text.substr(command.size())};
}

}  // namespace velmarin
