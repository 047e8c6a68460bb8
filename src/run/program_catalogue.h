#pragma once
// The programs of the Start menu as the Run box searches them: each program once, with the
// name the menu shows, the shortcut's own file name as a second name, the shortcut (what is
// launched) and its target (what tells two programs apart and finds the ones on a button).
//
// Built once per reading of the menu, away from the window, then only read: the strings lie
// in one block, and the programs are numbered in the order of their names, so a beginning is
// a binary search and every search answers in that order.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/name_readings.h"

namespace velmarin {

class ProgramCatalogue {
 public:
  // Adds a program unless the same one is there: a shortcut to the same target with the same
  // arguments, or, for a shortcut that names no target, one with the same name. The first one
  // added stays. False when it was left out.
  bool Add(std::string_view name, std::string_view fileName, std::string_view link,
           std::string_view target, std::string_view args);
  // Adds a program whose shortcut is not read yet: what it opens is not known, so the same
  // place under the other program folder (the path under it, given as place) is taken for the
  // same program. False when it was left out.
  bool AddUnread(std::string_view name, std::string_view fileName, std::string_view link,
                 std::string_view place);
  // Adds program n of another, finished catalogue as it is there, unless a program with the same
  // shortcut is there. False when it was left out.
  bool AddFrom(const ProgramCatalogue& other, uint32_t n);
  // Puts the programs in the order of their names; after the last Add, before any search.
  void Finish();

  size_t size() const { return entries_.size(); }
  std::string_view Name(uint32_t n) const { return At(entries_[n].name); }
  std::string_view FileName(uint32_t n) const { return At(entries_[n].fileName); }
  std::string_view Link(uint32_t n) const { return At(entries_[n].link); }
  std::string_view Target(uint32_t n) const { return At(entries_[n].target); }

  // Called with a program's number; false stops the search.
  using Found = std::function<bool(uint32_t)>;
  // Every program whose name or file name begins with typed (ASCII letters in either case),
  // then every other one whose name's reading begins with what typed reads as (romaji or
  // kana), each once, in the order of their names.
  void Find(std::string_view typed, const Found& found) const;
  // The program whose name or file name is text (ASCII letters in either case), the first
  // by name when two are.
  std::optional<uint32_t> Named(std::string_view text) const;
  // What the catalogue holds in memory, in bytes, its names' reading index not counted.
  size_t Bytes() const;

 private:
  static constexpr uint32_t kNone = UINT32_MAX;
  struct Entry {
    uint32_t name;
    uint32_t fileName;  // kNone when it is the name again
    uint32_t link;
    uint32_t target;
  };
  std::string_view At(uint32_t offset) const {
    return offset == kNone ? std::string_view() : std::string_view(text_.data() + offset);
  }
  uint32_t Keep(std::string_view s);
  bool AddKeyed(std::string key, std::string_view name, std::string_view fileName,
                std::string_view link, std::string_view target);
  // The names that begin with typed: a range of names_.
  std::pair<size_t, size_t> Beginning(std::string_view typed) const;

  std::string text_;                       // every string, each followed by a NUL
  std::vector<Entry> entries_;             // in the order of their names once finished
  std::vector<uint32_t> names_;            // program number * 2 (+1 for the file name), by the name
  NameReadings readings_;                  // the names by how they read, by program number
  std::unordered_set<std::string> added_;  // what tells programs apart, while adding
};

}  // namespace velmarin
