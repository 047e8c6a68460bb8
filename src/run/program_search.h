#pragma once
// The Start menu's programs in the Run box: listed after the tool tips as the user types, each
// once and none that is on a button already, and launched by their shortcut when Enter finds
// nothing else by the box's text.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"
#include "run/program_catalogue.h"

namespace velmarin {

class ProgramSearch {
 public:
  explicit ProgramSearch(ProgramCatalogue catalogue) : catalogue_(std::move(catalogue)) {}
  const ProgramCatalogue& Catalogue() const { return catalogue_; }
  // Whether program n is a button's item: its shortcut or its target.
  bool OnAButton(const Model& model, uint32_t n);
  // The buttons are read again at the next question (they may have changed unseen).
  void Recheck() { stale_ = true; }

 private:
  void ReadButtons(const Model& model);

  ProgramCatalogue catalogue_;
  std::vector<bool> onButtons_;  // by program number
  bool stale_ = true;
  uint64_t edits_ = 0;
  const Page* pages_ = nullptr;
  int32_t pageCount_ = 0;
  int16_t maxButton_ = 0;
};

// The programs have been read (again): the Run box lists these from its next change on.
void ProgramsRead(App& app, ProgramCatalogue catalogue);
// The most programs one keystroke lists: a longer list is read by no one, and filling it would
// cost the keystroke.
inline constexpr int kListedPrograms = 100;
// Adds to the Run box's list, after the tool tips, the programs found by typed.
void ListPrograms(App& app, const std::string& typed);
// The program whose name is text, as a record that launches its shortcut; an empty record
// when there is none.
Button ProgramOfMenu(App& app, const std::string& text);

}  // namespace velmarin
