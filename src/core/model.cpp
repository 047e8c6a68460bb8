#include "core/model.h"

#include "core/settings_keys.h"

namespace velmarin {

int32_t PackFlags(std::initializer_list<bool> options) {
  uint32_t word = 0;
  uint32_t bit = 1;
  for (bool on : options) {
    if (on) word |= bit;
    bit <<= 1;
  }
  return static_cast<int32_t>(word);
}

namespace {

bool Bit(int32_t word, size_t index) { return (static_cast<uint32_t>(word) >> index) & 1u; }

}  // namespace

void UnpackFlags(Settings& s) {
  for (const FlagWordKey& key : kFlagWordKeys) {
    for (size_t bit = 0; bit < kMaxFlagBits && key.bits[bit]; ++bit)
      s.options.*key.bits[bit] = Bit(s.flags.*key.word, bit);
  }
}

void PackAllFlags(Settings& s) {
  for (const FlagWordKey& key : kFlagWordKeys) {
    uint32_t word = 0;
    for (size_t bit = 0; bit < kMaxFlagBits && key.bits[bit]; ++bit) {
      if (s.options.*key.bits[bit]) word |= 1u << bit;
    }
    s.flags.*key.word = static_cast<int32_t>(word);
  }
}

void ClampLimits(Model& model) {
  Settings& s = model.settings;
  s.ButtonWidth = kCellSize;
  s.ButtonHeight = kCellSize;
  if (s.MaxButton < 1) s.MaxButton = 10;
  if (s.MaxButton > kButtonSlots) s.MaxButton = kButtonSlots;
  if (s.MaxDrawer < 1) s.MaxDrawer = 1;
  if (s.MaxDrawer > kDrawerSlots) s.MaxDrawer = kDrawerSlots;
  if (model.PageCount < 1) model.PageCount = 1;
  if (model.PageCount > kMaxPageCount) model.PageCount = kMaxPageCount;
  if (s.MaxMultiExecute < 0 || s.MaxMultiExecute > 999) s.MaxMultiExecute = 4;
  model.Pages.resize(static_cast<size_t>(model.PageCount));
  ++model.edits;
  if (model.CurrentPage < 0 || model.CurrentPage >= model.PageCount) model.CurrentPage = 0;
}

Page* PageAt(Model& model, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= model.Pages.size()) return nullptr;
  return &model.Pages[static_cast<size_t>(index)];
}

const Page* PageAt(const Model& model, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= model.Pages.size()) return nullptr;
  return &model.Pages[static_cast<size_t>(index)];
}

}  // namespace velmarin
