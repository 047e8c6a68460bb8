#pragma once
// The shelf's list widget as the app logic talks to it: entries with a unique key, a text and a
// small icon; selection, focus, enabled state and a tool tip. The Win32 backend is a list view in
// list mode; the fake keeps the entries in memory.
#include <string>

namespace velmarin {

enum class ShelfAddResult {
  Added,         // appended at the end of the list
  DuplicateKey,  // an entry with that key exists (keys compare ignoring case); nothing added
  Failed,        // the list could not take the entry; nothing added
};

class IShelfList {
 public:
  virtual ~IShelfList() = default;
  virtual int Count() const = 0;
  virtual ShelfAddResult Add(const std::string& key, const std::string& text) = 0;
  virtual void RemoveAt(int index) = 0;
  virtual std::string Key(int index) const = 0;
  virtual std::string Text(int index) const = 0;
  virtual void SetText(int index, const std::string& text) = 0;
  // Index into the shelf icons 1..6; 0 = no icon.
  virtual int SmallIcon(int index) const = 0;
  virtual void SetSmallIcon(int index, int icon) = 0;
  virtual bool Selected(int index) const = 0;
  virtual void SetSelected(int index, bool selected) = 0;
  // The entry with the focus rectangle, -1 when none.
  virtual int Focused() const = 0;
  virtual void SetFocused(int index) = 0;
  virtual bool Enabled() const = 0;
  // A disabled list takes no input and loses the keyboard.
  virtual void SetEnabled(bool enabled) = 0;
  // Whether typing goes to the list now (its label edit included).
  virtual bool HasKeyboard() const = 0;
  virtual void SetToolTip(const std::string& text) = 0;
  // Sorts the entries by text once; later additions are appended unsorted.
  virtual void SortOnce() = 0;

  // The rename of an entry: its key replaced; its label opened for editing in place (the edit
  // ends in Storage_AfterLabelEdit).
  virtual void SetKey(int index, const std::string& key) = 0;
  virtual void StartLabelEdit(int index) = 0;
};

}  // namespace velmarin
