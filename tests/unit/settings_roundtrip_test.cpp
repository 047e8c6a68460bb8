#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <random>
#include <set>
#include <type_traits>
#include <vector>

#include "settings_golden.h"
#include "settings_test_support.h"

namespace velmarin {
namespace {

// Every field of a record whose fields are all alike (the options are all bools, the colours
// all 32-bit numbers) from gen, without naming them one by one.
template <class Field, class Record, class Gen>
void FillEach(Record& record, Gen gen) {
  static_assert(std::has_unique_object_representations_v<Record> &&
                sizeof(Record) % sizeof(Field) == 0);
  std::array<Field, sizeof(Record) / sizeof(Field)> fields;
  for (Field& field : fields) field = gen();
  record = std::bit_cast<Record>(fields);
}

// What a written file keeps of a model: slots and drawers within the limits, a button's other
// fields only when it has a path, ShowCmd only above 1, IconIndex only with an icon file, and
// drawer items moved up over the gaps.
Model Kept(const Model& in) {
  Model m = in;
  const int buttons = m.settings.MaxButton;
  const int drawers = m.settings.MaxDrawer;
  m.Pages.resize(static_cast<size_t>(m.PageCount));
  for (Page& page : m.Pages) {
    for (int j = 0; j < kButtonSlots; ++j) {
      Button& b = page.Buttons[static_cast<size_t>(j)];
      if (j >= buttons || b.Path.empty()) {
        b = Button{};
        continue;
      }
      if (b.ShowCmd <= 1) b.ShowCmd = 0;
      if (b.IconFile.empty()) b.IconIndex = 0;
      std::array<std::string, kDrawerSlots> drawer;
      size_t next = 0;
      for (int k = 0; k < drawers; ++k) {
        if (!b.Drawer[static_cast<size_t>(k)].empty())
          drawer[next++] = b.Drawer[static_cast<size_t>(k)];
      }
      b.Drawer = drawer;
    }
  }
  return m;
}

void ExpectSameSaved(const Model& want, const Model& got, const std::string& where) {
  EXPECT_EQ(got.PageCount, want.PageCount) << where;
  ASSERT_EQ(got.Pages.size(), want.Pages.size()) << where;
  const Settings& a = want.settings;
  const Settings& b = got.settings;
  EXPECT_EQ(b.MaxButton, a.MaxButton) << where;
  EXPECT_EQ(b.MaxDrawer, a.MaxDrawer) << where;
  EXPECT_EQ(b.MaxMultiExecute, a.MaxMultiExecute) << where;
  EXPECT_EQ(b.HotKeyFlg, a.HotKeyFlg) << where;
  EXPECT_EQ(b.HotKeyKey, a.HotKeyKey) << where;
  EXPECT_TRUE(b.colors == a.colors) << where;
  EXPECT_TRUE(b.options == a.options) << where;
  EXPECT_EQ(got.WindowLeft, want.WindowLeft) << where;
  EXPECT_EQ(got.WindowTop, want.WindowTop) << where;
  for (size_t i = 0; i < want.Pages.size(); ++i) {
    EXPECT_EQ(got.Pages[i].Caption, want.Pages[i].Caption) << where << " page " << i;
    for (size_t j = 0; j < static_cast<size_t>(kButtonSlots); ++j) {
      const Button& x = want.Pages[i].Buttons[j];
      const Button& y = got.Pages[i].Buttons[j];
      const std::string at = where + " page " + std::to_string(i) + " slot " + std::to_string(j);
      EXPECT_EQ(y.Path, x.Path) << at;
      EXPECT_EQ(y.ToolTip, x.ToolTip) << at;
      EXPECT_EQ(y.Params, x.Params) << at;
      EXPECT_EQ(y.ShowCmd, x.ShowCmd) << at;
      EXPECT_EQ(y.IconFile, x.IconFile) << at;
      EXPECT_EQ(y.IconIndex, x.IconIndex) << at;
      EXPECT_EQ(y.Drawer, x.Drawer) << at;
    }
  }
}

// Reading a written file and writing it again gives the same bytes; only the drawer gap moved.
TEST(SettingsRoundTrip, GoldenFileReadsBackAndWritesTheSameBytes) {
  SettingsFixture f;
  EXPECT_EQ(f.LoadAndStart(std::string(kGoldenFile)), LoadResult::Loaded);
  EXPECT_TRUE(f.shown().empty());
  EXPECT_FALSE(f.app.settingsTextUnread);
  Model want;
  FillGoldenModel(want);
  want.settings.options.SavedDropMode = true;
  EXPECT_EQ(f.At(1, 0).Drawer[0], "D:\\readme.txt");
  EXPECT_EQ(f.At(0, 2).IconIndex, 27);
  f.app.model.DropMode = true;
  ExpectSameSaved(Kept(want), f.app.model, "golden");
  ASSERT_TRUE(SaveSettings(f.app));
  EXPECT_EQ(f.Saved(), kGoldenFile);
}

// A start and a close with no edit leave the file byte for byte as it was, whatever the
// system's code page: a file without the UTF-8 mark is code page 932 text, a file with it stays
// UTF-8, and a byte that is no character goes back where it was, with a copy of the file kept.
TEST(SettingsRoundTrip, StartAndCloseKeepTheFileOnAnySystem) {
  FakeText japanese(932);
  const std::string golden(kGoldenFile);
  const std::string utf8 = "\xEF\xBB\xBF" + japanese.Cp932ToUtf8(golden).value();
  const auto broken = [](std::string file, std::string_view bytes) {
    return file.insert(file.find("\r\nT=") + 4, bytes);
  };
  const struct {
    const char* name;
    int systemCodePage;
    std::string file;
    bool backup;
  } rows[] = {
      {"Japanese system", 932, golden, false},
      {"Korean system", 949, golden, false},
      {"Western system", 1252, golden, false},
      {"UTF-8 system", 65001, golden, false},
      {"bytes that are no character", 949, broken(golden, "\x85!\x81"), true},
      {"byte no code page 932 character starts", 1252, broken(golden, "a\xFD\xFE"), true},
      {"UTF-8 file with its mark", 949, utf8, false},
      {"UTF-8 file with a broken byte", 932, broken(utf8, "\xFF\xE3\x83"), true},
  };
  for (const auto& row : rows) {
    SettingsFixture f;
    FakeText system(row.systemCodePage);
    f.app.platform.text = &system;
    ASSERT_EQ(f.LoadAndStart(row.file), LoadResult::Loaded) << row.name;
    f.app.model.DropMode = f.app.model.settings.options.SavedDropMode;
    EXPECT_EQ(f.app.model.Pages[0].Caption, "ツール") << row.name;
    ASSERT_TRUE(SaveSettings(f.app)) << row.name;
    EXPECT_EQ(f.Saved(), row.file) << row.name;
    EXPECT_EQ(f.fake.files.Contents(kBakPath), row.backup ? row.file : "") << row.name;
  }
}

class RandomModel {
 public:
  explicit RandomModel(uint32_t start) : rng_(start) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool OneIn(int n) { return Int(1, n) == 1; }

  // Pieces that exercise the file: Japanese text (0x5C trail bytes among them), "=", ",", ";",
  // tabs, and now and then a character no ANSI code page of Japan holds.
  std::string Text(bool allowEmpty = true) {
    static const char* kPieces[] = {"a",   "Z",  "9",  "\\", ".",      "=",      ",",    ";",  "\t",
                                    " ",   "表", "ソ", "能", "ツール", "メモ帳", "ｶﾅ",   "①",  "~",
                                    ":\\", "/",  "&",  "\"", "%",      "ー",     "漢字", "x y"};
    if (allowEmpty && OneIn(4)) return {};
    std::string s;
    const int n = Int(1, 6);
    for (int i = 0; i < n; ++i) s += kPieces[Int(0, std::size(kPieces) - 1)];
    if (foreign_ && OneIn(20)) s += "한";
    // Spaces and tabs at the ends are not kept by the line rules; keep them inside.
    while (!s.empty() && s.front() == ' ') s.erase(0, 1);
    while (!s.empty() && s.back() == ' ') s.pop_back();
    if (s.empty()) s = "x";
    return s;
  }

  // One model in four holds text outside code page 932 and is written as UTF-8.
  void Fill(Model& m, FakeShelfList& shelf) {
    foreign_ = OneIn(4);
    Settings& s = m.settings;
    m.PageCount = Int(1, 5);
    m.Pages.assign(static_cast<size_t>(m.PageCount), Page{});
    s.MaxButton = static_cast<int16_t>(Int(1, 12));
    s.MaxDrawer = static_cast<int16_t>(Int(1, 4));
    s.MaxMultiExecute = static_cast<int16_t>(Int(0, 999));
    s.HotKeyFlg = Int(0, 15);
    s.HotKeyKey = Int(-5, 255);
    FillEach<int32_t>(s.colors, [this] { return static_cast<int32_t>(rng_()); });
    FillEach<bool>(s.options, [this] { return OneIn(2); });
    m.DropMode = s.options.SavedDropMode;
    m.WindowLeft = static_cast<float>(Int(-15359, 15359));
    m.WindowTop = static_cast<float>(Int(-11519, 11519));
    for (Page& page : m.Pages) {
      page.Caption = Text();
      for (Button& b : page.Buttons) {
        if (OneIn(3)) continue;
        b.Path = OneIn(8) ? ",EXIT" : "C:\\" + Text(false);
        b.ToolTip = Text();
        b.Params = Text();
        b.ShowCmd = static_cast<int16_t>(Int(-1, 4));
        b.IconFile = OneIn(2) ? Text() : "";
        b.IconIndex = static_cast<int16_t>(Int(-32768, 32767));
        for (std::string& item : b.Drawer) item = OneIn(2) ? Text(false) : "";
      }
    }
    const int items = Int(0, 4);
    for (int i = 0; i < items; ++i) {
      const std::string key = "C:\\" + Text(false) + std::to_string(i);
      shelf.Add(key, key);
    }
  }

 private:
  std::mt19937 rng_;
  bool foreign_ = false;
};

// Random models: write, read, write gives the same bytes, and reading gives back every saved
// field, drawer gaps closed up.
TEST(SettingsRoundTrip, RandomModelsSurviveWriteReadWrite) {
  int utf8Files = 0;
  for (uint32_t trial = 1; trial <= 300; ++trial) {
    const std::string where = "model " + std::to_string(trial);
    SettingsFixture first;
    RandomModel random(trial);
    random.Fill(first.app.model, first.fake.shelf);
    ASSERT_TRUE(SaveSettings(first.app)) << where;
    const std::string bytes = first.Saved();
    utf8Files += bytes.rfind("\xEF\xBB\xBF", 0) == 0;

    SettingsFixture second;
    ASSERT_EQ(second.LoadAndStart(bytes), LoadResult::Loaded) << where;
    EXPECT_TRUE(second.shown().empty()) << where;
    EXPECT_FALSE(second.app.settingsTextUnread) << where;
    ExpectSameSaved(Kept(first.app.model), second.app.model, where);
    if (first.app.model.settings.options.StorageKeepItems) {
      ASSERT_EQ(second.fake.shelf.Count(), first.fake.shelf.Count()) << where;
      for (int i = 0; i < first.fake.shelf.Count(); ++i)
        EXPECT_EQ(second.fake.shelf.Key(i), first.fake.shelf.Key(i)) << where;
    }
    second.app.model.DropMode = second.app.model.settings.options.SavedDropMode;
    ASSERT_TRUE(SaveSettings(second.app)) << where;
    ASSERT_EQ(second.Saved(), bytes) << where;
    if (HasFailure()) return;
  }
  // Both encodings had their share.
  EXPECT_GT(utf8Files, 30);
  EXPECT_LT(utf8Files, 270);
}

// The flag lines of a written file whose word is not 0.
std::vector<std::string> NonZeroFlagLines(const std::string& file) {
  std::vector<std::string> lines;
  for (size_t at = 0; (at = file.find("\nFlg", at)) != std::string::npos;) {
    const size_t start = at + 1;
    at = file.find('\r', start);
    const std::string line = file.substr(start, at - start);
    if (line.substr(line.find('=') + 1) != "0") lines.push_back(line);
  }
  return lines;
}

// Each option set alone comes back from a save alone, carried by a bit of a flag word that no
// other option shares. From the file's side, each bit of each flag word set alone either comes
// back alone or, read by no option, is dropped; as many bits come back as there are options.
TEST(SettingsRoundTrip, EachOptionAndEachFlagBitSurvivesASaveAlone) {
  constexpr size_t kOptionCount = sizeof(Options);
  std::set<std::string> carriers;
  for (size_t i = 0; i < kOptionCount; ++i) {
    Options one;
    size_t n = 0;
    FillEach<bool>(one, [&] { return n++ == i; });
    SettingsFixture f;
    f.app.model.settings.options = one;
    f.app.model.DropMode = one.SavedDropMode;  // the mode is saved from the window's own
    ASSERT_TRUE(SaveSettings(f.app));
    const std::vector<std::string> set = NonZeroFlagLines(f.Saved());
    ASSERT_EQ(set.size(), 1u) << "option " << i;
    carriers.insert(set[0]);

    SettingsFixture back;
    back.LoadAndStart(f.Saved());
    EXPECT_TRUE(back.app.model.settings.options == one) << "option " << i << ", " << set[0];
  }
  EXPECT_EQ(carriers.size(), kOptionCount);

  SettingsFixture blank;
  ASSERT_TRUE(SaveSettings(blank.app));
  const std::string written = blank.Saved();
  std::vector<std::string> words;  // the flag words a file holds, from a written one
  for (size_t at = 0; (at = written.find("\nFlg", at)) != std::string::npos; ++at)
    words.push_back(written.substr(at + 1, written.find('=', at) - at - 1));
  ASSERT_EQ(words.size(), 8u);
  size_t survivors = 0;
  for (const std::string& word : words) {
    for (int bit = 0; bit < 32; ++bit) {
      const std::string line = word + "=" + std::to_string(static_cast<int32_t>(1u << bit));
      SettingsFixture f;
      f.LoadAndStart(CrLf({line}) + "\r\n");
      f.app.model.DropMode = f.app.model.settings.options.SavedDropMode;
      ASSERT_TRUE(SaveSettings(f.app));
      const std::vector<std::string> set = NonZeroFlagLines(f.Saved());
      if (set.empty()) continue;
      EXPECT_EQ(set, std::vector<std::string>{line});
      ++survivors;
    }
  }
  EXPECT_EQ(survivors, kOptionCount);
}

}  // namespace
}  // namespace velmarin
