#pragma once
// The keys of velmarin.ini and the option bits of its flag words, written down once: reading,
// writing and the packing of the options all go by these lists.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/model.h"

namespace velmarin {

// A key whose value is one field of a record.
template <class Record, class Field>
struct FieldKey {
  std::string_view name;
  Field Record::*field;
};

// The lines before the pages, in the order they are written: the window position, the page
// count, the limits, then the keys that ForEachNumberKey walks.
inline constexpr std::string_view kKeyWindowLeft = "X";
inline constexpr std::string_view kKeyWindowTop = "Y";
inline constexpr std::string_view kKeyPageCount = "MaxPage";

inline constexpr FieldKey<Settings, int16_t> kLimitKeys[] = {
    {"MaxButton", &Settings::MaxButton},
    {"MaxDrawer", &Settings::MaxDrawer},
    {"MaxMultiExecute", &Settings::MaxMultiExecute},
};

// The most options one flag word carries.
inline constexpr size_t kMaxFlagBits = 6;

// A flag word and its options, bit 0 first; the slots after the last option are null. Bits
// without an option are never set, and a save drops them.
struct FlagWordKey {
  std::string_view name;
  int32_t FlagWords::*word;
  std::array<bool Options::*, kMaxFlagBits> bits;
};

inline constexpr FlagWordKey kFlagWordKeys[] = {
    {"FlgAppearance",
     &FlagWords::FlgAppearance,
     {&Options::ShowToolTips, &Options::ShowDrawerCount, &Options::MenuNumbers, &Options::UseSkin,
      &Options::PaintRunBox}},
    {"FlgSystem",
     &FlagWords::FlgSystem,
     {&Options::TrayIcon, &Options::AlwaysOnTop, &Options::UseHotKey}},
    {"FlgTitleBar", &FlagWords::FlgTitleBar, {&Options::PageButtonsMoveWindow}},
    {"FlgRunBehavior",
     &FlagWords::FlgRunBehavior,
     {&Options::RunToolTipParams, &Options::RunAutoDropDown, &Options::ClickClearsRun,
      &Options::TabClearsRun}},
    {"FlgStorageBehavior",
     &FlagWords::FlgStorageBehavior,
     {&Options::StorageMultiExecute, &Options::StorageDblClickExecute,
      &Options::StorageDblClickClose, &Options::StorageNotifyDuplicate, &Options::StorageKeepItems,
      &Options::StorageExecuteDropped}},
    {"FlgEdit",
     &FlagWords::FlgEdit,
     {&Options::RegisterLinkTarget, &Options::ToolTipWithExt, &Options::CplToolTip}},
    {"FlgMode",
     &FlagWords::FlgMode,
     {&Options::KeepDropMode, &Options::SavedDropMode, &Options::StartInExecuteMode,
      &Options::KeepStorageOpen, &Options::SavedStorageOpen}},
    {"FlgExecute", &FlagWords::FlgExecute, {&Options::ShortPathExecute}},
};

inline constexpr FieldKey<Settings, int32_t> kHotKeyKeys[] = {
    {"HotKeyFlg", &Settings::HotKeyFlg},
    {"HotKeyKey", &Settings::HotKeyKey},
};

inline constexpr FieldKey<Colors, int32_t> kColorKeys[] = {
    {"ColTitleBarActFore", &Colors::ColTitleBarActFore},
    {"ColTitleBarActBack", &Colors::ColTitleBarActBack},
    {"ColTitleBarInActFore", &Colors::ColTitleBarInActFore},
    {"ColTitleBarInActBack", &Colors::ColTitleBarInActBack},
    {"ColRunFore", &Colors::ColRunFore},
    {"ColRunBack", &Colors::ColRunBack},
    {"ColStorageFore", &Colors::ColStorageFore},
    {"ColStorageBack", &Colors::ColStorageBack},
};

// Calls fn(name, field) for every key that holds one 32-bit number, in the order they are
// written: the flag words, the hot key, the colours. S is Settings or const Settings.
template <class S, class Fn>
void ForEachNumberKey(S& settings, Fn&& fn) {
  for (const FlagWordKey& key : kFlagWordKeys) fn(key.name, settings.flags.*key.word);
  for (const auto& key : kHotKeyKeys) fn(key.name, settings.*key.field);
  for (const auto& key : kColorKeys) fn(key.name, settings.colors.*key.field);
}

// The record lines: a page, its caption, a button and its fields, a drawer item, a shelf item.
// Each is one letter.
inline constexpr std::string_view kKeyGroup = "G";
inline constexpr std::string_view kKeyCaption = "C";
inline constexpr std::string_view kKeyPath = "P";
inline constexpr std::string_view kKeyToolTip = "T";
inline constexpr std::string_view kKeyParams = "R";
inline constexpr std::string_view kKeyShowCmd = "S";
inline constexpr std::string_view kKeyIcon = "I";
inline constexpr std::string_view kKeyDrawer = "M";
inline constexpr std::string_view kKeyShelfItem = "O";

}  // namespace velmarin
