#include "win32/lazy_shelf_list.h"

namespace velmarin::win32 {

IShelfList* LazyShelfList::Real() {
  if (!real_ && make_) {
    real_ = make_();
    if (real_) {
      real_->SetEnabled(enabled_);
      if (toolTipSet_) real_->SetToolTip(toolTip_);
    }
  }
  return real_.get();
}

ShelfAddResult LazyShelfList::Add(const std::string& key, const std::string& text) {
  IShelfList* list = Real();
  return list ? list->Add(key, text) : ShelfAddResult::Failed;
}

// Before the list exists it has no entries: every index is outside it.
void LazyShelfList::RemoveAt(int index) {
  if (real_) real_->RemoveAt(index);
}

std::string LazyShelfList::Key(int index) const { return real_ ? real_->Key(index) : ""; }

std::string LazyShelfList::Text(int index) const { return real_ ? real_->Text(index) : ""; }

void LazyShelfList::SetText(int index, const std::string& text) {
  if (real_) real_->SetText(index, text);
}

int LazyShelfList::SmallIcon(int index) const { return real_ ? real_->SmallIcon(index) : 0; }

void LazyShelfList::SetSmallIcon(int index, int icon) {
  if (real_) real_->SetSmallIcon(index, icon);
}

bool LazyShelfList::Selected(int index) const { return real_ && real_->Selected(index); }

void LazyShelfList::SetSelected(int index, bool selected) {
  if (real_) real_->SetSelected(index, selected);
}

void LazyShelfList::SetFocused(int index) {
  if (real_) real_->SetFocused(index);
}

void LazyShelfList::SetEnabled(bool enabled) {
  enabled_ = enabled;
  // An opening shelf is seen: the list must be there.
  if (enabled) {
    if (IShelfList* list = Real()) list->SetEnabled(true);
  } else if (real_) {
    real_->SetEnabled(false);
  }
}

void LazyShelfList::SetToolTip(const std::string& text) {
  toolTip_ = text;
  toolTipSet_ = true;
  if (real_) real_->SetToolTip(text);
}

// Sorting an empty list changes nothing.
void LazyShelfList::SortOnce() {
  if (real_) real_->SortOnce();
}

void LazyShelfList::SetKey(int index, const std::string& key) {
  if (real_) real_->SetKey(index, key);
}

void LazyShelfList::StartLabelEdit(int index) {
  if (real_) real_->StartLabelEdit(index);
}

}  // namespace velmarin::win32
