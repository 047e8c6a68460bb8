// A keystroke in the Run box under Wine: the search for the tool tips that begin with the typed
// text (SearchToolTip, with the system's comparison that ignores case) over 1 000 pages of 12
// buttons, 12 000 tool tips in Japanese and in full-width Latin letters, refilling the list of
// matches; romaji and unconverted kana also list the tool tips they read as, kanji included. More
// than half the tool tips begin with kanji. Words are typed one character at a time from a fresh
// copy of the tool tips; prints the time per keystroke (mean, median, 99th percentile, slowest),
// the one-off costs of reading the tool tips and of checking them when the box takes the focus,
// and the heap the search's copy takes. Target: under 0.1 ms per keystroke.
//   bench/completion.sh        (builds the win32 preset's completion program first)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "run_box_support.h"
#include "core/app.h"
#include "launch/names.h"
#include "platform/run_list.h"
#include "win32/win32_text.h"

namespace {

using namespace velmarin;

constexpr const char* kWords[] = {
    "メモ帳",       "電卓",     "ペイント", "ワープロ",   "表計算",       "メール",
    "ブラウザ",     "音楽",     "端末",     "エディタ",   "ビューア",     "圧縮",
    "バックアップ", "ゲーム",   "写真",     "ノート",     "Ｎｏｔｅｓ",   "ｃａｌｅｎｄａｒ",
    "辞書",         "地図",     "時計",     "翻訳",       "家計簿",       "日記",
    "住所録",       "予定表",   "画像",     "動画",       "録音",         "印刷",
    "設定",         "検索",     "計算機",   "単語帳",     "株価",         "天気",
    "ニュース",     "チャット", "ファイル", "フォルダ",   "ダウンロード", "ウイルス対策",
    "スキャナ",     "プリンタ", "Ｗｏｒｄ", "ｅｘｃｅｌ", "Mail",         "Browser",
    "画像編集",     "手紙",     "電話帳",   "伝言",       "学校",         "漢字辞典"};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace

// The bytes the program holds on its heap, counted here: the search's copy of the tool tips is
// what the heap grows by when the first search makes it.
static size_t gHeapBytes = 0;

void* operator new(size_t bytes) {
  auto* block = static_cast<size_t*>(std::malloc(bytes + 16));
  if (!block) throw std::bad_alloc();
  block[0] = bytes;
  gHeapBytes += bytes;
  return reinterpret_cast<char*>(block) + 16;
}

void operator delete(void* p) noexcept {
  if (!p) return;
  auto* block = reinterpret_cast<size_t*>(static_cast<char*>(p) - 16);
  gHeapBytes -= block[0];
  std::free(block);
}

void operator delete(void* p, size_t) noexcept { operator delete(p); }

int main() {
  static App app;
  static win32::Win32Text text;
  static ListOnly list;
  app.platform.text = &text;
  app.platform.runList = &list;
  FillToolTips(app, kWords);
  // What a person types, keystroke by keystroke: Japanese after the input method, full-width
  // Latin in the other case than the tool tips, plain ASCII, romaji and unconverted kana for the
  // readings of the kana and kanji tool tips, and beginnings nothing has. Each round starts from a fresh copy of the tool tips, so no answer
  // of an earlier round is kept.
  const char* typed[] = {"メモ帳 10", "ノート 2", "ＮＯＴＥ", "ｃａｌ",  "写真 1",  "電卓 7",
                         "カメラ",    "notes",    "CAL",      "memo",    "no-to",   "fairu",
                         "DAUNRO-DO", "chatto",   "kamera",   "dentaku", "settei",  "gazou",
                         "kakeibo",   "nikki",    "tegami",   "den",     "shashin", "でんたく",
                         "せってい",  "がぞう",   "しゃしん", "ニッキ"};
  // The copy the search keeps of the tool tips, once.
  const size_t before = gHeapBytes;
  SearchToolTip(app, "#", false);
  const size_t copy = gHeapBytes - before;
  constexpr int kRounds = 50;
  std::vector<double> times;
  std::vector<double> builds;
  std::vector<double> rechecks;
  int matches = 0;
  for (int round = 0; round < kRounds; ++round) {
    app.toolTips.Invalidate();
    double start = Now();
    SearchToolTip(app, "#", false);
    builds.push_back(Now() - start);
    // The box took the focus again: the copy is compared with the buttons at the next letter.
    app.toolTips.Recheck();
    start = Now();
    SearchToolTip(app, "#", false);
    rechecks.push_back(Now() - start);
    for (const char* t : typed) {
      const std::string word = t;
      for (size_t end = 1; end <= word.size(); ++end) {
        // Whole characters only, as the box hands them over.
        if (end < word.size() && (static_cast<unsigned char>(word[end]) & 0xC0) == 0x80) continue;
        start = Now();
        SearchToolTip(app, word.substr(0, end), true);
        times.push_back(Now() - start);
        if (round == 0 && end == word.size()) {
          std::printf("  %-14s %d matches\n", t, list.Count());
          matches += list.Count();
        }
      }
    }
  }
  std::sort(times.begin(), times.end());
  double sum = 0;
  for (double t : times) sum += t;
  std::printf(
      "tool tips: %d; reading them into the search's copy: median %.3f ms; comparing the "
      "copy with the buttons after the box takes the focus: median %.3f ms\n",
      app.model.PageCount * 12, Median(builds), Median(rechecks));
  std::printf("heap taken by the search's copy of the tool tips: %.0f KB\n",
              static_cast<double>(copy) / 1024.0);
  std::printf(
      "per keystroke (%zu keystrokes): mean %.4f ms, median %.4f ms, 99th %.4f ms, slowest "
      "%.4f ms; target < 0.1 ms: %s\n",
      times.size(), sum / static_cast<double>(times.size()), times[times.size() / 2],
      times[times.size() * 99 / 100], times.back(),
      sum / static_cast<double>(times.size()) < 0.1 ? "met" : "missed");
  return 0;
}
