#pragma once
// A compact copy of every button's tool tip, in page and slot order, for the Run box's search as
// the user types: reading 12 000 tool tips out of the button records, and asking the platform's
// comparison about each of them, costs more than a keystroke may take. The copy is rebuilt on
// the first search after the model changed: after an edit that bumps Model::edits, or when the
// page table, the page count or the number of buttons differ from the ones it was built from.
// After Recheck (the Run box got the focus) the next search reads the tool tips again and
// rebuilds only when one of them differs.
//
// The search walks the tool tips sorted by their bytes, so that tips with the same beginning lie
// together, one more character of the typed text at a time: the platform's comparison is asked
// once for each distinct beginning (all the tips that begin "メモ" share one answer), and the
// tips whose beginning already differs are not asked about longer ones. Where both sides are
// ASCII the comparison is made here, ignoring the case of ASCII letters.
//
// Typed romaji, and kana typed without converting them, also find the tool tips whose reading
// begins with them (core/name_readings.h): "dentaku" and "でんたく" find 電卓. Those that begin
// with kana, whose reading is what is written, come before those read by their kanji.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/model.h"
#include "core/name_readings.h"
#include "core/romaji.h"

namespace velmarin {

class ToolTipIndex {
 public:
  // The platform's comparison: whether a beginning of a tool tip equals, ignoring case, a
  // beginning of the typed text with as many characters (UTF-16 units).
  using SameBeginning = std::function<bool(std::string_view tipPart, std::string_view namePart)>;
  // Called with each matching tool tip in page and slot order; false stops the search.
  using Visit = std::function<bool(const std::string& tip)>;

  // Every non-empty tool tip whose first characters, as many as name has, equal name ignoring
  // case. name must not be empty. Then, given byReading and when name is romaji, every other
  // tool tip whose reading begins with it, to byReading, each once: first those that begin with
  // kana, then the others, each group in page and slot order.
  void ForEachMatch(const Model& model, std::string_view name, const SameBeginning& same,
                    const Visit& visit, const Visit* byReading = nullptr);

  // Forgets the copy: the next search reads the model again.
  void Invalidate() { built_ = false; }
  // The next search compares the copy with the buttons and rebuilds it only when they differ.
  void Recheck() { recheck_ = true; }

  // Bytes of s that hold its first `units` UTF-16 units, a character cut by the end included
  // whole; std::string_view::npos when s is shorter.
  static size_t BytesOfUnits(std::string_view s, size_t units);

 private:
  void Build(const Model& model);
  bool Current(const Model& model);
  bool SameAsButtons(const Model& model) const;
  // Whether the tips' beginning equals the typed one: here for ASCII, else the platform's
  // answer, kept for the next keystroke.
  bool Same(std::string_view tipPart, std::string_view namePart, const SameBeginning& same);

  bool built_ = false;
  bool recheck_ = false;
  uint64_t edits_ = 0;
  const Page* pages_ = nullptr;
  size_t pageTable_ = 0;
  int32_t pageCount_ = 0;
  int16_t maxButton_ = 0;
  std::vector<std::string> tips_;      // every non-empty tool tip, in page and slot order
  std::vector<uint32_t> sorted_;       // numbers of tips_ sorted by the tips' bytes
  std::vector<uint64_t> matched_;      // one bit per tip, for the search under way
  NameReadings readings_;              // the tips' readings
  std::vector<uint64_t> kanaFirst_;    // one bit per tip that begins with kana
  std::vector<uint64_t> readMatched_;  // one bit per tip found by its reading
  Romaji romaji_;                      // the typed text's reading, room kept
  // The platform's answers, by tip beginning and typed beginning; kept until the copy changes.
  std::unordered_map<std::string, bool> answers_;
};

// ASCII letters in lower case; every other byte as it is.
inline char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

}  // namespace velmarin
