// Message boxes and screen metrics under wine: the box is answered by a helper thread that
// finds it by its title and presses a button, as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <thread>

#include "win32/wide.h"
#include "win32/win32_ui.h"

namespace velmarin::win32 {
namespace {

struct SeenBox {
  bool found = false;
  std::string text;
};

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  wchar_t text[512] = {};
  if (lstrcmpiW(className, L"Static") == 0 && GetWindowTextW(child, text, 512) > 0) {
    reinterpret_cast<SeenBox*>(param)->text += Narrow(text);
  }
  return TRUE;
}

// Waits for a dialog box with this title, notes its text and presses `button` in it.
std::thread AnswerBox(const std::string& title, int button, SeenBox& seen) {
  return std::thread([title, button, &seen] {
    const std::wstring wideTitle = Widen(title);
    for (int i = 0; i < 200; ++i) {
      HWND box = FindWindowW(L"#32770", wideTitle.c_str());
      if (box) {
        seen.found = true;
        EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return;
      }
      Sleep(50);
    }
  });
}

TEST(Win32MessageBox, ShowsTextAndTitleAndReturnsTheButtonPressed) {
  Win32MessageBox messageBox;
  SeenBox seen;
  std::thread answer = AnswerBox("velmarin", IDNO, seen);
  const MbResult result = messageBox.Show("今の状態を保存せずに終了しますか？", "",
                                          MbButtons::YesNoCancel, MbIcon::Question);
  answer.join();
  EXPECT_TRUE(seen.found) << "no box titled with the default title";
  EXPECT_EQ(seen.text, "今の状態を保存せずに終了しますか？");
  EXPECT_EQ(result, MbResult::No);

  SeenBox second;
  answer = AnswerBox("起動の確認", IDOK, second);
  EXPECT_EQ(messageBox.Show("これら 5 個のファイルを開きますか？", "起動の確認",
                            MbButtons::OkCancel, MbIcon::Question),
            MbResult::Ok);
  answer.join();
  EXPECT_TRUE(second.found);

  SeenBox third;
  answer = AnswerBox("起動の確認", IDCANCEL, third);
  EXPECT_EQ(messageBox.Show("x", "起動の確認", MbButtons::OkCancel, MbIcon::None),
            MbResult::Cancel);
  answer.join();
}

TEST(Win32Screen, MetricsOfTheDisplay) {
  Win32Screen screen;
  EXPECT_GT(screen.WidthPixels(), 0);
  EXPECT_GT(screen.HeightPixels(), 0);
  // Wine's screens are 96 dots per inch unless told otherwise.
  EXPECT_EQ(screen.TwipsPerPixelX(), 15);
  EXPECT_EQ(screen.TwipsPerPixelY(), 15);
}

}  // namespace
}  // namespace velmarin::win32
