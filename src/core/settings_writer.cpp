// Writing velmarin.ini: the whole model, in the order the reader expects it back.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "core/real_text.h"
#include "core/settings.h"
#include "core/settings_keys.h"
#include "core/settings_text.h"

namespace velmarin {

namespace {

// The window position: the shortest decimal form of the single-precision value, with no point
// for a whole number of twips.
std::string FormatSingle(float value) { return ShortestFixed(value); }

// What a value holds that the writer must care about, found eight bytes at a time: bytes
// outside ASCII (to convert) and CR or LF (to replace).
enum ValueFlags : uint8_t { kHigh = 1, kLineBreak = 2 };

uint8_t Scan(std::string_view s) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kHighBits = 0x8080808080808080ull;
  // A zero byte in v sets its high bit here (and only then is the result non-zero).
  const auto zeroBytes = [](uint64_t v) { return (v - kOnes) & ~v; };
  uint64_t high = 0;
  uint64_t breaks = 0;
  const auto take = [&](uint64_t word) {
    high |= word;
    breaks |= zeroBytes(word ^ (kOnes * '\r')) | zeroBytes(word ^ (kOnes * '\n'));
  };
  if (s.size() >= 8) {
    // The last eight bytes are read once more: overlapping does not change what is found.
    for (size_t i = 0;; i += 8) {
      const size_t at = i + 8 <= s.size() ? i : s.size() - 8;
      uint64_t word;
      std::memcpy(&word, s.data() + at, 8);
      take(word);
      if (at + 8 >= s.size()) break;
    }
  } else {
    uint64_t word = 0;  // padded with zero bytes, which are neither CR, LF nor high
    for (size_t k = 0; k < s.size(); ++k)
      word |= static_cast<uint64_t>(static_cast<unsigned char>(s[k])) << (8 * k);
    take(word);
  }
  return static_cast<uint8_t>(((high & kHighBits) ? kHigh : 0) |
                              ((breaks & kHighBits) ? kLineBreak : 0));
}

// A CR or LF inside a value would end its line early and shift every line after it: each one
// is written as a space.
void AppendOnOneLine(std::string& out, std::string_view value, bool lineBreak) {
  const size_t start = out.size();
  out.append(value);
  if (!lineBreak) return;
  for (size_t i = start; i < out.size(); ++i) {
    if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
  }
}

// First walk: the file's length, what each value holds, and the values that are not plain
// ASCII joined by LF, so that they reach the ANSI code page in one conversion.
class MeasureSink {
 public:
  void Number(std::string_view key, int64_t) { size_ += key.size() + 14; }
  void Ascii(std::string_view key, std::string_view value) {
    size_ += key.size() + value.size() + 3;
  }
  void Text(std::string_view key, std::string_view value, std::string_view suffix = {}) {
    size_ += key.size() + value.size() + suffix.size() + 3;
    const uint8_t flags = Scan(value);
    flags_.push_back(flags);
    if (!(flags & kHigh)) return;
    AppendOnOneLine(batch_, value, flags & kLineBreak);
    batch_.push_back('\n');
    ++count_;
  }
  size_t size() const { return size_; }
  size_t count() const { return count_; }
  const std::string& batch() const { return batch_; }
  const std::vector<uint8_t>& flags() const { return flags_; }

 private:
  size_t size_ = 0;
  size_t count_ = 0;
  std::string batch_;
  std::vector<uint8_t> flags_;  // one per Text line, in order
};

// Second walk: the lines themselves. Values that are not ASCII come from the converted batch
// in the same order, or, for a UTF-8 file, as they are.
class EmitSink {
 public:
  EmitSink(std::string& out, const std::vector<uint8_t>& flags, const std::string* converted)
      : out_(out), flags_(flags), converted_(converted) {}
  void Number(std::string_view key, int64_t value) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    Key(key);
    out_.append(buffer, ec == std::errc() ? end : buffer);
    out_.append("\r\n");
  }
  void Ascii(std::string_view key, std::string_view value) {
    Key(key);
    out_.append(value);
    out_.append("\r\n");
  }
  void Text(std::string_view key, std::string_view value, std::string_view suffix = {}) {
    const uint8_t flags = flags_[line_++];
    Key(key);
    if (converted_ && (flags & kHigh)) {
      const size_t end = converted_->find('\n', next_);
      out_.append(*converted_, next_, end - next_);
      next_ = end + 1;
    } else {
      AppendOnOneLine(out_, value, flags & kLineBreak);
    }
    out_.append(suffix);
    out_.append("\r\n");
  }

 private:
  void Key(std::string_view key) {
    out_.append(key);
    out_.push_back('=');
  }

  std::string& out_;
  const std::vector<uint8_t>& flags_;
  const std::string* converted_;
  size_t line_ = 0;
  size_t next_ = 0;
};

// The lines before the pages: window position, limits, flag words, hot key, colours.
template <class Sink>
void WriteKeys(const Model& m, const Settings& s, int32_t pages, Sink& out) {
  out.Ascii(kKeyWindowLeft, FormatSingle(m.WindowLeft));
  out.Ascii(kKeyWindowTop, FormatSingle(m.WindowTop));
  out.Number(kKeyPageCount, pages);
  for (const auto& limit : kLimitKeys) out.Number(limit.name, s.*limit.field);
  ForEachNumberKey(s, [&](std::string_view name, int32_t value) { out.Number(name, value); });
}

// One slot: its path (even when empty, so that slot positions survive), and for a set path its
// other fields and drawer items.
template <class Sink>
void WriteButton(const Button& b, int drawers, Sink& out) {
  out.Text(kKeyPath, b.Path);
  if (b.Path.empty()) return;
  if (!b.ToolTip.empty()) out.Text(kKeyToolTip, b.ToolTip);
  if (!b.Params.empty()) out.Text(kKeyParams, b.Params);
  if (b.ShowCmd > 1) out.Number(kKeyShowCmd, b.ShowCmd);
  if (!b.IconFile.empty()) {
    char index[8];
    index[0] = ',';
    const auto [end, ec] = std::to_chars(index + 1, index + sizeof index, b.IconIndex);
    out.Text(kKeyIcon, b.IconFile, std::string_view(index, ec == std::errc() ? end - index : 1));
  }
  for (int k = 0; k < drawers; ++k) {
    const std::string& item = b.Drawer[static_cast<size_t>(k)];
    if (!item.empty()) out.Text(kKeyDrawer, item);  // gaps close up on the next load
  }
}

// Every line of the file in order: the keys, one block per page, the shelf.
template <class Sink>
void WriteLines(App& app, const Settings& s, Sink& out) {
  const Model& m = app.model;
  const int32_t pages = m.PageCount > kMaxPageCount ? kMaxPageCount : m.PageCount;
  WriteKeys(m, s, pages, out);
  const int buttons =
      s.MaxButton < 0 ? 0 : (s.MaxButton > kButtonSlots ? kButtonSlots : s.MaxButton);
  const int drawers =
      s.MaxDrawer < 0 ? 0 : (s.MaxDrawer > kDrawerSlots ? kDrawerSlots : s.MaxDrawer);
  static const Page kEmptyPage;  // for a page count beyond the table
  for (int32_t i = 0; i < pages; ++i) {
    const Page* found = PageAt(m, i);
    const Page& page = found ? *found : kEmptyPage;
    out.Number(kKeyGroup, i);
    out.Text(kKeyCaption, page.Caption);
    for (int j = 0; j < buttons; ++j)
      WriteButton(page.Buttons[static_cast<size_t>(j)], drawers, out);
  }
  IShelfList* shelf = app.platform.shelf;
  if (s.options.StorageKeepItems && shelf) {
    const int count = shelf->Count();
    for (int i = 0; i < count; ++i) out.Text(kKeyShelfItem, shelf->Key(i));
  }
}

bool ReportSaveError(App& app) {
  if (app.platform.messageBox)
    app.platform.messageBox->Show("File Save Error...", "", MbButtons::Ok, MbIcon::None);
  return false;
}

// The file's bytes: ANSI code page when every string has a form there, otherwise UTF-8 with a
// byte-order mark so that nothing turns into "?".
std::string BuildFile(App& app, const Settings& packed) {
  MeasureSink measure;
  WriteLines(app, packed, measure);
  IText* text = app.platform.text;
  std::string converted;
  bool ansi = false;  // values outside ASCII come converted from the batch
  bool withBom = false;
  if (text && measure.count() > 0) {
    if (auto result = text->Utf8ToAnsi(measure.batch())) converted = std::move(*result);
    size_t lineFeeds = 0;
    for (char ch : converted) lineFeeds += ch == '\n';
    ansi = lineFeeds == measure.count();
    withBom = !ansi;
  }
  std::string bytes;
  bytes.reserve(measure.size() + kUtf8Bom.size() + 2 + converted.size());
  if (withBom) bytes.append(kUtf8Bom);
  EmitSink emit(bytes, measure.flags(), ansi ? &converted : nullptr);
  WriteLines(app, packed, emit);
  bytes.append("\r\n");  // the closing empty line, where the reader stops
  return bytes;
}

}  // namespace

bool SaveSettings(App& app) {
  Model& m = app.model;
  m.settings.options.SavedDropMode = m.DropMode;
  Settings packed = m.settings;
  PackAllFlags(packed);
  IFiles* files = app.platform.files;
  // Defaults written over a file that was never read would lose every page in it.
  if (!files || app.settingsFileUnread) return ReportSaveError(app);
  const std::string bytes = BuildFile(app, packed);
  const std::string path = SettingsPath(app);
  // Reading stopped early with text after it: that text is in no model, so the file as it was
  // goes to velmarin.ini.bak before it is replaced.
  if (app.settingsTextUnread) {
    if (const auto old = files->ReadAll(path)) {
      if (!files->ReplaceAtomically(SettingsBackupPath(app), *old)) return ReportSaveError(app);
    }
  }
  if (!files->ReplaceAtomically(path, bytes)) return ReportSaveError(app);
  app.settingsTextUnread = false;
  return true;
}

}  // namespace velmarin
