#pragma once
// The shelf's list view made on first need. A shelf that starts closed and empty is out of
// sight, so the list view and the common-controls library behind it wait until an entry arrives
// or the shelf opens; start-up stays as light as a bare window.
#include <functional>
#include <memory>
#include <string>

#include "platform/shelf_list.h"

namespace velmarin::win32 {

class LazyShelfList : public IShelfList {
 public:
  using Factory = std::function<std::unique_ptr<IShelfList>()>;
  explicit LazyShelfList(Factory make) : make_(std::move(make)) {}

  bool Created() const { return real_ != nullptr; }
  // The real list, made now if it does not exist yet (nullptr when it cannot be made).
  IShelfList* Real();

  int Count() const override { return real_ ? real_->Count() : 0; }
  ShelfAddResult Add(const std::string& key, const std::string& text) override;
  void RemoveAt(int index) override;
  std::string Key(int index) const override;
  std::string Text(int index) const override;
  void SetText(int index, const std::string& text) override;
  int SmallIcon(int index) const override;
  void SetSmallIcon(int index, int icon) override;
  bool Selected(int index) const override;
  void SetSelected(int index, bool selected) override;
  int Focused() const override { return real_ ? real_->Focused() : -1; }
  void SetFocused(int index) override;
  bool Enabled() const override { return real_ ? real_->Enabled() : enabled_; }
  void SetEnabled(bool enabled) override;
  bool HasKeyboard() const override { return real_ && real_->HasKeyboard(); }
  void SetToolTip(const std::string& text) override;
  void SortOnce() override;
  void SetKey(int index, const std::string& key) override;
  void StartLabelEdit(int index) override;

 private:
  Factory make_;
  std::unique_ptr<IShelfList> real_;
  bool enabled_ = true;
  std::string toolTip_;
  bool toolTipSet_ = false;
};

}  // namespace velmarin::win32
