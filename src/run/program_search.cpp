#include "run/program_search.h"

#include <algorithm>

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
  buttonPaths_.clear();
  const auto pages = static_cast<size_t>(
      std::clamp<int64_t>(model.PageCount, 0, static_cast<int64_t>(model.Pages.size())));
  const int buttons = std::clamp<int>(model.settings.MaxButton, 0, static_cast<int>(kButtonSlots));
  for (size_t p = 0; p < pages; ++p) {
    for (int b = 0; b < buttons; ++b) {
      const std::string& path = model.Pages[p].Buttons[static_cast<size_t>(b)].Path;
      if (!path.empty()) buttonPaths_.insert(FoldedPath(path));
    }
  }
  stale_ = false;
  edits_ = model.edits;
  pages_ = model.Pages.data();
  pageCount_ = pages;
}

bool ProgramSearch::OnAButton(const Model& model, uint32_t n) {
  if (stale_ || edits_ != model.edits || pages_ != model.Pages.data() ||
      pageCount_ != static_cast<size_t>(std::max<int32_t>(model.PageCount, 0))) {
    ReadButtons(model);
  }
  if (buttonPaths_.empty()) return false;
  const std::string_view target = catalogue_.Target(n);
  return buttonPaths_.contains(FoldedPath(catalogue_.Link(n))) ||
         (!target.empty() && buttonPaths_.contains(FoldedPath(target)));
}

void ProgramsRead(App& app, ProgramCatalogue catalogue) {
  app.programs = std::make_shared<ProgramSearch>(std::move(catalogue));
}

void ListPrograms(App& app, const std::string& typed) {
  IRunList* list = app.platform.runList;
  ProgramSearch* programs = app.programs.get();
  if (!list || !programs || typed.empty()) return;
  const ProgramCatalogue& catalogue = programs->Catalogue();
  catalogue.Find(typed, [&](uint32_t n) {
    if (!programs->OnAButton(app.model, n)) list->Add(std::string(catalogue.Name(n)));
    return true;
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
