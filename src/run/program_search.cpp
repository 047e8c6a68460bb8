#include "run/program_search.h"

#include <algorithm>
#include <unordered_set>

#include "launch/names.h"

namespace velmarin {

namespace {

std::string FoldedPath(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = FoldAscii(c);
  return out;
}

}  // namespace

void ProgramSearch::ReadButtons(const Model& model) {
  std::unordered_set<std::string> buttonPaths;  // ASCII letters in lower case
  const auto pages = static_cast<size_t>(
      std::clamp<int64_t>(model.PageCount, 0, static_cast<int64_t>(model.Pages.size())));
  const int buttons = std::clamp<int>(model.settings.MaxButton, 0, static_cast<int>(kButtonSlots));
  for (size_t p = 0; p < pages; ++p) {
    for (int b = 0; b < buttons; ++b) {
      const std::string& path = model.Pages[p].Buttons[static_cast<size_t>(b)].Path;
      if (!path.empty()) buttonPaths.insert(FoldedPath(path));
    }
  }
  onButtons_.assign(catalogue_.size(), false);
  for (uint32_t n = 0; n < catalogue_.size() && !buttonPaths.empty(); ++n) {
    const std::string_view target = catalogue_.Target(n);
    onButtons_[n] = buttonPaths.contains(FoldedPath(catalogue_.Link(n))) ||
                    (!target.empty() && buttonPaths.contains(FoldedPath(target)));
  }
  stale_ = false;
  edits_ = model.edits;
  pages_ = model.Pages.data();
  pageCount_ = model.PageCount;
  maxButton_ = model.settings.MaxButton;
}

bool ProgramSearch::OnAButton(const Model& model, uint32_t n) {
  if (stale_ || edits_ != model.edits || pages_ != model.Pages.data() ||
      pageCount_ != model.PageCount || maxButton_ != model.settings.MaxButton) {
    ReadButtons(model);
  }
  return n < onButtons_.size() && onButtons_[n];
}

void ProgramsRead(App& app, ProgramCatalogue catalogue) {
  app.programs = std::make_shared<ProgramSearch>(std::move(catalogue));
}

void ListPrograms(App& app, const std::string& typed) {
  IRunList* list = app.platform.runList;
  ProgramSearch* programs = app.programs.get();
  if (!list || !programs || typed.empty()) return;
  const ProgramCatalogue& catalogue = programs->Catalogue();
  int listed = 0;
  catalogue.Find(typed, [&](uint32_t n) {
    if (programs->OnAButton(app.model, n)) return true;
    list->Add(std::string(catalogue.Name(n)));
    return ++listed < kListedPrograms;
  });
}

Button ProgramOfMenu(App& app, const std::string& text) {
  Button record;
  ProgramSearch* programs = app.programs.get();
  if (!programs) return record;
  if (const std::optional<uint32_t> n = programs->Catalogue().Named(text)) {
    // The shell opens the shortcut itself, with its arguments, folder and window.
    record.Path = std::string(programs->Catalogue().Link(*n));
    SetPathParts(app, record);
  }
  return record;
}

}  // namespace velmarin
