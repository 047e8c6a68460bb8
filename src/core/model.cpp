#include "core/model.h"

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

bool Bit(int32_t word, int index) { return (static_cast<uint32_t>(word) >> index) & 1u; }

}  // namespace

void UnpackFlags(Settings& s) {
  Options& o = s.options;
  const FlagWords& f = s.flags;
  o.ShowToolTips = Bit(f.FlgAppearance, 0);
  o.ShowDrawerCount = Bit(f.FlgAppearance, 1);
  o.MenuNumbers = Bit(f.FlgAppearance, 2);
  o.UseSkin = Bit(f.FlgAppearance, 3);
  o.PaintRunBox = Bit(f.FlgAppearance, 4);
  o.TrayIcon = Bit(f.FlgSystem, 0);
  o.AlwaysOnTop = Bit(f.FlgSystem, 1);
  o.UseHotKey = Bit(f.FlgSystem, 2);
  o.PageButtonsMoveWindow = Bit(f.FlgTitleBar, 0);
  o.RunToolTipParams = Bit(f.FlgRunBehavior, 0);
  o.RunAutoDropDown = Bit(f.FlgRunBehavior, 1);
  o.ClickClearsRun = Bit(f.FlgRunBehavior, 2);
  o.TabClearsRun = Bit(f.FlgRunBehavior, 3);
  o.StorageMultiExecute = Bit(f.FlgStorageBehavior, 0);
  o.StorageDblClickExecute = Bit(f.FlgStorageBehavior, 1);
  o.StorageDblClickClose = Bit(f.FlgStorageBehavior, 2);
  o.StorageNotifyDuplicate = Bit(f.FlgStorageBehavior, 3);
  o.StorageKeepItems = Bit(f.FlgStorageBehavior, 4);
  o.StorageExecuteDropped = Bit(f.FlgStorageBehavior, 5);
  o.RegisterLinkTarget = Bit(f.FlgEdit, 0);
  o.ToolTipWithExt = Bit(f.FlgEdit, 1);
  o.CplToolTip = Bit(f.FlgEdit, 2);
  o.KeepDropMode = Bit(f.FlgMode, 0);
  o.SavedDropMode = Bit(f.FlgMode, 1);
  o.StartInExecuteMode = Bit(f.FlgMode, 2);
  o.KeepStorageOpen = Bit(f.FlgMode, 3);
  o.SavedStorageOpen = Bit(f.FlgMode, 4);
  o.ShortPathExecute = Bit(f.FlgExecute, 0);
}

void PackAllFlags(Settings& s) {
  const Options& o = s.options;
  FlagWords& f = s.flags;
  f.FlgAppearance =
      PackFlags({o.ShowToolTips, o.ShowDrawerCount, o.MenuNumbers, o.UseSkin, o.PaintRunBox});
  f.FlgSystem = PackFlags({o.TrayIcon, o.AlwaysOnTop, o.UseHotKey});
  f.FlgTitleBar = PackFlags({o.PageButtonsMoveWindow});
  f.FlgRunBehavior =
      PackFlags({o.RunToolTipParams, o.RunAutoDropDown, o.ClickClearsRun, o.TabClearsRun});
  f.FlgStorageBehavior =
      PackFlags({o.StorageMultiExecute, o.StorageDblClickExecute, o.StorageDblClickClose,
                 o.StorageNotifyDuplicate, o.StorageKeepItems, o.StorageExecuteDropped});
  f.FlgEdit = PackFlags({o.RegisterLinkTarget, o.ToolTipWithExt, o.CplToolTip});
  f.FlgMode = PackFlags({o.KeepDropMode, o.SavedDropMode, o.StartInExecuteMode,
                         o.KeepStorageOpen, o.SavedStorageOpen});
  f.FlgExecute = PackFlags({o.ShortPathExecute});
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
