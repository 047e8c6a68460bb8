// Reading velmarin.ini: the file, its lines and what each key does to the model.
#include <cmath>
#include <optional>
#include <string>

#include "core/desktop_units.h"
#include "core/number.h"
#include "core/real_text.h"
#include "core/settings.h"
#include "core/settings_keys.h"
#include "core/settings_text.h"

namespace velmarin {

namespace {

MbResult Ask(App& app, const std::string& text, const std::string& title, MbButtons buttons) {
  if (!app.platform.messageBox) return MbResult::Ok;
  return app.platform.messageBox->Show(text, title, buttons, MbIcon::None);
}

// A line whose value has no CR before its LF: OK takes the value uncut, Cancel ends start-up.
ParseResult AskReadError(App& app) {
  if (Ask(app, "ファイルの読み込みエラー...", "エラー", MbButtons::OkCancel) != MbResult::Cancel)
    return ParseResult::Continue;
  Ask(app, "velmarinの起動を中断します", "起動の中止", MbButtons::Ok);
  return ParseResult::Cancelled;
}

ParseResult AskUnknownKey(App& app, std::string_view key) {
  const std::string text = std::string(key) + ": Invalid parameter.";
  if (Ask(app, text, "", MbButtons::OkCancel) != MbResult::Cancel) return ParseResult::Continue;
  Ask(app, "velmarinの起動を中止します。", "起動の中止", MbButtons::Ok);
  return ParseResult::Cancelled;
}

// A number with an optional sign, fraction and exponent, as the window position is written.
std::optional<double> ToReal(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  return ParseReal(text);
}

// X= and Y=: the whole twips, rounded down. Start-up keeps the place when the window lies on one
// of today's monitors and brings it back round the screen otherwise. A value farther out than
// any screen reaches (32767 pixels) is no place a window was ever saved at: it is passed over
// like one that is no number.
void SetWindowEdge(App& app, std::string_view value, bool horizontal) {
  IScreen* screen = app.platform.screen;
  const auto real = ToReal(value);
  if (!screen || !real) return;
  constexpr double kFarthestPixel = 32767;
  if (std::fabs(*real) > kFarthestPixel * DesktopUnits(screen->SystemDpi()).TwipsPerPixel()) return;
  const auto edge = static_cast<float>(std::floor(*real));
  Model& m = app.model;
  (horizontal ? m.WindowLeft : m.WindowTop) = edge;
  (horizontal ? m.hasWindowLeft : m.hasWindowTop) = true;
}

void SetMaxPage(Model& m, std::string_view value) {
  if (const auto n = ToInt32(value)) {
    m.PageCount = *n > kMaxPageCount ? kMaxPageCount : *n;
    if (m.PageCount < 1) return;  // the table stays; start-up raises the count to 1
  } else if (m.PageCount < 1) {
    return;
  }
  // Pages read so far are discarded.
  for (const Page& page : m.Pages) {
    if (!page.Caption.empty()) m.cursor.passedOver = true;
    for (const Button& b : page.Buttons) m.cursor.passedOver |= !b.Path.empty();
  }
  m.Pages.clear();
  m.Pages.resize(static_cast<size_t>(m.PageCount));
}

void SetGroup(Model& m, std::string_view value) {
  RecordCursor& c = m.cursor;
  if (const auto n = ToInt32(value)) {
    c.page = *n;
    // A page the table cannot hold (negative, or beyond the most pages there can be) takes
    // none of its record lines: PageAt finds no page for them.
    if (*n >= 0 && *n < kMaxPageCount) {
      if (*n + 1 > m.PageCount) m.PageCount = *n + 1;
      if (m.Pages.size() < static_cast<size_t>(*n) + 1) m.Pages.resize(static_cast<size_t>(*n) + 1);
    }
  }
  c.buttons = c.toolTips = c.params = c.shows = c.icons = c.drawerSlot = 0;
}

void SetCaption(Model& m, std::string_view value) {
  if (Page* page = PageAt(m, m.cursor.captions)) page->Caption.assign(value);
  ++m.cursor.captions;
}

void StoreButton(App& app, const SettingsItemSteps& items, std::string_view value) {
  Model& m = app.model;
  RecordCursor& c = m.cursor;
  if (c.buttons >= m.settings.MaxButton) {
    if (m.settings.MaxButton < 1) c.passedOver = true;  // before its limit was read
    return;
  }
  // A page outside the table, or a slot beyond the twelve a page has, still counts the button,
  // so that its T=, R=, S=, I= and M= lines find no slot rather than a neighbour's.
  Page* page = PageAt(m, c.page);
  if (page && c.buttons < kButtonSlots) {
    Button& b = page->Buttons[static_cast<size_t>(c.buttons)];
    // A slot filled before (its page begun again by a G= that is no number, or named twice)
    // loses that button here.
    if (!b.Path.empty()) c.passedOver = true;
    b.Path.assign(value);
    if (items.pathParts) items.pathParts(app, b);
  }
  ++c.buttons;
  c.drawerSlot = 0;
}

// The most recent button of the current page, when it exists in the table.
Button* RecentButton(Model& m) {
  const RecordCursor& c = m.cursor;
  if (c.buttons < 1 || c.buttons > kButtonSlots) return nullptr;
  Page* page = PageAt(m, c.page);
  return page ? &page->Buttons[static_cast<size_t>(c.buttons - 1)] : nullptr;
}

// T=, R=, S= and I= each take at most MaxButton lines per page, all for the most recent button.
Button* ButtonForRecord(Model& m, int32_t taken) {
  if (taken >= m.settings.MaxButton) return nullptr;
  return RecentButton(m);
}

void StoreRecord(Model& m, char key, std::string_view value) {
  RecordCursor& c = m.cursor;
  switch (key) {
    case kKeyToolTip.front():
      if (Button* b = ButtonForRecord(m, c.toolTips)) {
        b->ToolTip.assign(value);
        ++c.toolTips;
      }
      break;
    case kKeyParams.front():
      if (Button* b = ButtonForRecord(m, c.params)) {
        b->Params.assign(value);
        ++c.params;
      }
      break;
    case kKeyShowCmd.front():
      if (Button* b = ButtonForRecord(m, c.shows)) {
        if (const auto show = ToInt16(value)) b->ShowCmd = *show;
        ++c.shows;  // counts even when the value does not convert
      }
      break;
    case kKeyIcon.front(): {
      // The index is the number after the last ",": an icon file whose path holds a comma
      // keeps its whole path.
      const size_t comma = value.rfind(',');
      if (comma == std::string_view::npos) break;
      const auto index = ToInt16(value.substr(comma + 1));
      if (!index) break;
      if (Button* b = ButtonForRecord(m, c.icons)) {
        b->IconFile.assign(value.substr(0, comma));
        b->IconIndex = *index;
        ++c.icons;
      }
      break;
    }
    case kKeyDrawer.front(): {
      Button* b = RecentButton(m);
      if (!b || b->Path.empty()) break;
      if (c.drawerSlot >= m.settings.MaxDrawer || c.drawerSlot >= kDrawerSlots) {
        if (m.settings.MaxDrawer < 1) c.passedOver = true;  // before its limit was read
        break;
      }
      b->Drawer[static_cast<size_t>(c.drawerSlot)].assign(value);
      ++c.drawerSlot;
      break;
    }
    default:
      break;
  }
}

// The keys longer than one letter; false when the key is none of them.
bool SetNamedField(Model& m, std::string_view key, std::string_view value) {
  if (key == kKeyPageCount) {
    SetMaxPage(m, value);
    return true;
  }
  for (const auto& limit : kLimitKeys) {
    if (limit.name != key) continue;
    if (const auto n = ToInt16(value)) m.settings.*limit.field = *n;
    return true;
  }
  bool found = false;
  ForEachNumberKey(m.settings, [&](std::string_view name, int32_t& field) {
    if (found || name != key) return;
    found = true;
    if (const auto n = ToInt32(value)) field = *n;
  });
  return found;
}

LoadResult ReadPairs(App& app, const SettingsItemSteps& items, std::string_view text,
                     IText* cp932) {
  std::optional<Cp932PairDecoder> decoder;
  if (cp932 && HasHighByte(text)) decoder.emplace(text, *cp932);
  SettingsLineReader reader(text);
  SettingsLine line;
  while (reader.Next(line)) {
    if (line.missingCr && AskReadError(app) == ParseResult::Cancelled) return LoadResult::Cancelled;
    if (decoder) decoder->Decode(line);
    if (ParseSettingLine(app, items, line.key, line.value) == ParseResult::Cancelled)
      return LoadResult::Cancelled;
  }
  app.settingsTextUnread = reader.TextLeftUnread();
  if (app.model.cursor.passedOver || (decoder && decoder->escaped())) app.settingsBackupDue = true;
  return LoadResult::Loaded;
}

// Text that is UTF-8, its bytes that are no character kept as they are.
LoadResult ReadUtf8Pairs(App& app, const SettingsItemSteps& items, std::string_view text) {
  if (!HasHighByte(text)) return ReadPairs(app, items, text, nullptr);
  bool escaped = false;
  const std::string repaired = EscapeBadUtf8(text, escaped);
  if (escaped) app.settingsBackupDue = true;
  return ReadPairs(app, items, repaired, nullptr);
}

}  // namespace

std::string SettingsPath(App& app) {
  if (!app.platform.files) return "velmarin.ini";
  return app.platform.files->ProgramFolder() + "\\velmarin.ini";
}

std::string SettingsBackupPath(App& app) { return SettingsPath(app) + ".bak"; }

LoadResult LoadSettings(App& app, const SettingsItemSteps& items) {
  ++app.model.edits;  // the pages and buttons are read anew
  app.model.cursor = RecordCursor{};
  app.settingsTextUnread = false;
  app.settingsBackupDue = false;
  app.settingsFileUnread = false;
  app.settingsFileUtf8 = false;
  IFiles* files = app.platform.files;
  if (!files) return LoadResult::CannotOpen;
  const std::string path = SettingsPath(app);
  const std::optional<bool> exists = files->MatchExists(path, true);
  if (!exists) {
    // Whether the file is there could not be asked (a folder we may not read, a share that
    // does not answer): it may well be, so it is treated as a file that could not be read.
    app.settingsFileUnread = true;
    return LoadResult::CannotOpen;
  }
  if (!*exists) {
    Ask(app, files->ProgramFolder() + "\\velmarin.ini がみつかりません",
        "設定ファイルがみつかりません", MbButtons::Ok);
    return LoadResult::FileMissing;
  }
  const std::optional<std::string> bytes = files->ReadAll(path);
  if (!bytes) {
    app.settingsFileUnread = true;
    return LoadResult::CannotOpen;
  }
  const std::string_view text(*bytes);
  // A file with the UTF-8 mark is UTF-8, and so is any file for a program without a text
  // service; everything else is code page 932, whatever the system's code page.
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    app.settingsFileUtf8 = true;
    return ReadUtf8Pairs(app, items, text.substr(kUtf8Bom.size()));
  }
  if (!app.platform.text) return ReadUtf8Pairs(app, items, text);
  return ReadPairs(app, items, text, app.platform.text);
}

ParseResult ParseSettingLine(App& app, const SettingsItemSteps& items, std::string_view key,
                             std::string_view value) {
  Model& m = app.model;
  if (!key.empty() && key.front() == ';') return ParseResult::Continue;  // a comment
  if (key.size() == 1) {
    switch (key.front()) {
      case kKeyWindowLeft.front():
        SetWindowEdge(app, value, true);
        return ParseResult::Continue;
      case kKeyWindowTop.front():
        SetWindowEdge(app, value, false);
        return ParseResult::Continue;
      case kKeyGroup.front():
        SetGroup(m, value);
        return ParseResult::Continue;
      case kKeyCaption.front():
        SetCaption(m, value);
        return ParseResult::Continue;
      case kKeyPath.front():
        StoreButton(app, items, value);
        return ParseResult::Continue;
      case kKeyToolTip.front():
      case kKeyParams.front():
      case kKeyShowCmd.front():
      case kKeyIcon.front():
      case kKeyDrawer.front():
        StoreRecord(m, key.front(), value);
        return ParseResult::Continue;
      case kKeyShelfItem.front():
        // whatever StorageKeepItems says
        if (items.shelfItem) items.shelfItem(app, std::string(value));
        return ParseResult::Continue;
      default:
        break;
    }
  } else if (SetNamedField(m, key, value)) {
    return ParseResult::Continue;
  }
  return AskUnknownKey(app, key);
}

}  // namespace velmarin
