// The program's dialogs on the real backend, driven with real keys and clicks: where activation
// and the focus go, which button Enter presses, how Tab and the arrows go through option groups,
// what the page list's selection puts in the caption box, which icon the button dialog's preview
// shows, and which window owns a box or a menu raised inside a dialog.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialog_rig.h"
// (windows.h above)
#include <shellapi.h>

#include "dialogs/about_box.h"
#include "dialogs/button_property.h"
#include "dialogs/page_property.h"
#include "dialogs/settings_dialog.h"

namespace velmarin::win32 {
namespace {

using Rig = DialogRig;

enum class Which { Button, Pages, Settings };

const char* const kNames[] = {"button dialog", "page dialog", "settings dialog"};
const char* NameOf(Which which) { return kNames[static_cast<int>(which)]; }

// Opens the dialog as the program does, and the same dialog's form for finding its controls.
std::function<void()> Opener(Rig& rig, Which which) {
  return [&rig, which] {
    if (which == Which::Button) ShowButtonProperty(rig.app, 0);
    if (which == Which::Pages) ShowPageProperty(rig.app);
    if (which == Which::Settings) ShowSettingsDialog(rig.app);
  };
}

DialogForm FormOf(Rig& rig, Which which) {
  if (which == Which::Button) return IPropertyWindow(rig.app, 0).Form();
  if (which == Which::Pages) return IPagePropertyWindow(rig.app).Form();
  return Config(rig.app).Form();
}

Step Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}
Step Press(WORD key, bool shift = false, bool alt = false) {
  return Do([=] { Rig::Key(key, shift, alt); });
}
Step ClickOn(const DialogForm& form, const std::string& name, int index = 0, bool right = false) {
  return Do([=, &form] { Rig::ClickCentre(Rig::Control(form, name, index), right); });
}
// A press on a line of a list box, with the left or right button, once or twice.
Step ClickLine(const DialogForm& form, const std::string& name, int line, bool right = false,
               bool twice = false) {
  return Do([=, &form] {
    HWND list = Rig::Control(form, name);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&item));
    Rig::Click(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2, right, twice);
  });
}
Step Until(std::function<bool()> condition) { return condition; }
Step Note(std::function<void()> check) { return Do(std::move(check)); }

// The dialog's close box, found by asking the window what lies under the point.
Step ClickCloseBox() {
  return Do([] {
    HWND dialog = Rig::Dialog();
    RECT outer{};
    GetWindowRect(dialog, &outer);
    for (int x = outer.right - 2; x > outer.right - 60; --x) {
      for (int y = outer.top + 2; y < outer.top + 30; y += 2) {
        if (SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
          POINT client{x, y};
          ScreenToClient(dialog, &client);
          Rig::Click(dialog, client.x, client.y);
          return;
        }
      }
    }
  });
}

TEST(DialogWindow, ClosingADialogGivesTheMainWindowItsActivationBack) {
  enum class How { Cancel, Escape, CloseBox, Apply };
  const struct {
    Which which;
    How how;
  } cases[] = {
      {Which::Button, How::Cancel},   {Which::Button, How::Escape}, {Which::Button, How::CloseBox},
      {Which::Button, How::Apply},    {Which::Pages, How::Cancel},  {Which::Pages, How::Escape},
      {Which::Pages, How::CloseBox},  {Which::Pages, How::Apply},   {Which::Settings, How::Cancel},
      {Which::Settings, How::Escape},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(NameOf(c.which)) + ", way " + std::to_string(static_cast<int>(c.how)));
    Rig rig;
    const DialogForm form = FormOf(rig, c.which);
    Step close = c.how == How::Cancel   ? ClickOn(form, "Cancel")
                 : c.how == How::Escape ? Press(VK_ESCAPE)
                 : c.how == How::Apply  ? ClickOn(form, "Apply")
                                        : ClickCloseBox();
    HWND dialog = nullptr;
    ASSERT_TRUE(rig.Run(Opener(rig, c.which), {Note([&] { dialog = Rig::Dialog(); }), close}));
    EXPECT_NE(dialog, nullptr);
    EXPECT_TRUE(IsWindowEnabled(rig.main));
    EXPECT_EQ(GetActiveWindow(), rig.main) << "the main window is active again";
  }
}

TEST(DialogWindow, EnterPressesTheFocusedButtonElseTheDefault) {
  struct Case {
    Which which;
    std::vector<std::pair<WORD, bool>> keys;  // (key, with Shift) before Enter
    const char* drawnDefault;                 // the button drawn as the default before Enter
    bool applies;
  };
  const std::pair<WORD, bool> tab{VK_TAB, false};
  const std::pair<WORD, bool> back{VK_TAB, true};
  const Case cases[] = {
      {Which::Button, {}, "Cancel", false},             // the focus starts on Cancel
      {Which::Button, {tab, tab, tab}, "Apply", true},  // the tool tip box
      {Which::Button, {back}, "Apply", true},           // Apply itself
      {Which::Button, {back, back}, "Apply", true},     // the drawer list
      {Which::Button, {back, tab}, "Cancel", false},    // back on Cancel
      {Which::Pages, {}, "Cancel", false},              //
      {Which::Pages, {tab}, "Apply", true},             // the page list
      {Which::Pages, {tab, tab}, "Apply", true},        // the caption box
      {Which::Settings, {}, "Cancel", false},           //
      {Which::Settings, {back}, "Apply", true},         //
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(NameOf(c.which)) + " after " + std::to_string(c.keys.size()) +
                 " keys");
    Rig rig;
    const DialogForm form = FormOf(rig, c.which);
    std::vector<Step> steps;
    for (const auto& [key, shift] : c.keys) steps.push_back(Press(key, shift));
    HWND drawn = nullptr;
    HWND wanted = nullptr;
    steps.push_back(Note([&] {
      drawn = Rig::DefaultButton(Rig::Dialog());
      wanted = Rig::Control(form, c.drawnDefault);
    }));
    steps.push_back(Press(VK_RETURN));
    const uint64_t editsBefore = rig.app.model.edits;
    ASSERT_TRUE(rig.Run(Opener(rig, c.which), steps)) << "Enter closed the dialog";
    EXPECT_EQ(drawn, wanted) << "drawn as the default: " << Rig::Text(drawn);
    // The button and page dialogs count an edit; the settings dialog stores the window's place.
    const bool applied = rig.app.model.edits != editsBefore || rig.app.model.hasWindowLeft;
    EXPECT_EQ(applied, c.applies);
  }
}

TEST(DialogWindow, FocusMovedByTheDialogSelectsTheCaption) {
  Rig rig;
  const DialogForm form = FormOf(rig, Which::Pages);
  std::string typed;
  bool focused = false;
  // A double click on a page line moves the focus to the caption box; typing replaces it.
  ASSERT_TRUE(
      rig.Run(Opener(rig, Which::Pages),
              {ClickLine(form, "PageList", 1, false, true),
               Note([&] { focused = GetFocus() == Rig::Control(form, "Text"); }),
               Do([] { Rig::Type("abc"); }),
               Note([&] { typed = Rig::Text(Rig::Control(form, "Text")); }), Press(VK_RETURN)}));
  EXPECT_TRUE(focused);
  EXPECT_EQ(typed, "abc");
  EXPECT_EQ(rig.app.model.Pages[1].Caption, "abc");
  EXPECT_EQ(rig.app.model.Pages[0].Caption, "テスト");
}

TEST(DialogWindow, EveryChangeOfThePageSelectionShowsItsCaption) {
  Rig rig;
  const DialogForm form = FormOf(rig, Which::Pages);
  std::string afterRightPress;
  std::string afterNew;
  auto caption = [&form] { return Rig::Text(Rig::Control(form, "Text")); };
  ASSERT_TRUE(
      rig.Run(Opener(rig, Which::Pages),
              {ClickLine(form, "PageList", 1, true), Until([] { return Rig::Find(L"#32768"); }),
               Press(VK_ESCAPE), Until([] { return !Rig::Find(L"#32768"); }),
               Note([&] { afterRightPress = caption(); }), ClickOn(form, "New"),
               Note([&] { afterNew = caption(); }), Press(VK_ESCAPE)}));
  EXPECT_EQ(afterRightPress, "二枚目") << "the right press selected the second page";
  EXPECT_EQ(afterNew, "Page 3");
}

// What a box or menu raised inside a dialog found: its owner, and the dialog's state then and
// after it closed.
struct Raised {
  HWND owner = nullptr;
  bool dialogEnabled = true;
  bool mainInFront = false;
  bool dialogActiveAfter = false;
  bool focusInDialogAfter = false;
};

TEST(DialogWindow, BoxesAndMenusBelongToTheDialogThatRaisedThem) {
  using Raise = std::vector<Step> (*)(const DialogForm&);
  struct Case {
    const char* what;
    Which which;
    Raise raise;
    const wchar_t* windowClass;  // the box's or the menu's
    WORD answer;                 // the key that closes it
    bool dialogGoes;             // the dialog closes with it
  };
  const Case cases[] = {
      {"page delete question", Which::Pages,
       [](const DialogForm& f) -> std::vector<Step> {
         return {ClickLine(f, "PageList", 1), ClickOn(f, "Delete")};
       },
       L"#32770", VK_ESCAPE, false},
      {"page list menu", Which::Pages,
       [](const DialogForm& f) -> std::vector<Step> { return {ClickLine(f, "PageList", 1, true)}; },
       L"#32768", VK_ESCAPE, false},
      {"icon menu", Which::Button,
       [](const DialogForm& f) -> std::vector<Step> { return {ClickOn(f, "IconPic")}; }, L"#32768",
       VK_ESCAPE, false},
      {"drawer list menu", Which::Button,
       [](const DialogForm& f) -> std::vector<Step> {
         return {ClickLine(f, "MiniDrawerList", 0, true)};
       },
       L"#32768", VK_ESCAPE, false},
      // Without a program behind it the hot key cannot be registered: Apply says so.
      {"hot key failure", Which::Settings,
       [](const DialogForm& f) -> std::vector<Step> {
         return {ClickLine(f, "OpTree", 4), ClickOn(f, "chkAppearance", 6), ClickOn(f, "Apply")};
       },
       L"#32770", VK_RETURN, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Rig rig;
    const DialogForm form = FormOf(rig, c.which);
    HWND dialog = nullptr;
    Raised seen;
    std::vector<Step> steps{Note([&] { dialog = Rig::Dialog(); })};
    for (Step& step : c.raise(form)) steps.push_back(std::move(step));
    steps.push_back(Until([&] { return Rig::Find(c.windowClass) != nullptr; }));
    steps.push_back(Note([&] {
      seen.owner = GetWindow(Rig::Find(c.windowClass), GW_OWNER);
      seen.dialogEnabled = IsWindowEnabled(dialog);
      seen.mainInFront = GetForegroundWindow() == rig.main;
    }));
    steps.push_back(Press(c.answer));
    if (!c.dialogGoes) {
      steps.push_back(Until([&] { return Rig::Find(c.windowClass) == nullptr; }));
      steps.push_back(Note([&] {
        seen.dialogActiveAfter = GetActiveWindow() == dialog && IsWindowEnabled(dialog);
        seen.focusInDialogAfter = IsChild(dialog, GetFocus());
      }));
      steps.push_back(Press(VK_ESCAPE));
    }
    EXPECT_TRUE(rig.Run(Opener(rig, c.which), steps));
    EXPECT_EQ(seen.owner, dialog) << "owned by the dialog, not by the main window";
    EXPECT_FALSE(seen.dialogEnabled) << "the dialog waits for its box or menu";
    EXPECT_FALSE(seen.mainInFront);
    EXPECT_EQ(rig.app.model.PageCount, 2) << "nothing deleted";
    if (c.dialogGoes) {
      EXPECT_EQ(GetActiveWindow(), rig.main);
    } else {
      EXPECT_TRUE(seen.dialogActiveAfter);
      EXPECT_TRUE(seen.focusInDialogAfter);
    }
  }
}

TEST(DialogWindow, AnOptionGroupIsOneTabStopInsideWhichTheArrowsChoose) {
  Rig rig;
  rig.app.model.Pages[0].Buttons[0].ShowCmd = 2;  // minimised: the second option
  const DialogForm form = FormOf(rig, Which::Button);
  std::vector<std::string> focus;  // the control with the focus, by name and index
  auto note = [&] {
    return Note([&] {
      for (const DialogControl& c : form.controls) {
        if (Rig::Control(form, c.name, c.index) == GetFocus()) {
          focus.push_back(c.name + std::to_string(c.index));
        }
      }
    });
  };
  // From Cancel back past Apply and the drawer list into the group, twice down (round to the
  // first), then on out of it.
  ASSERT_TRUE(rig.Run(
      Opener(rig, Which::Button),
      {Press(VK_TAB, true), Press(VK_TAB, true), Press(VK_TAB, true), note(), Press(VK_DOWN),
       note(), Press(VK_DOWN), note(), Press(VK_TAB), note(), Press(VK_RETURN)}));
  EXPECT_EQ(focus,
            (std::vector<std::string>{"ShowCmd1", "ShowCmd2", "ShowCmd0", "MiniDrawerList0"}));
  EXPECT_EQ(rig.app.model.Pages[0].Buttons[0].ShowCmd, 0) << "the arrows chose normal";
}

// The pixels of a picture as large as the window's client area, painted by `paint`.
std::vector<COLORREF> PictureAsLargeAs(HWND window,
                                       const std::function<void(HDC, HDC, const RECT&)>& paint) {
  RECT rect{};
  GetClientRect(window, &rect);
  HDC screen = GetDC(window);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, rect.right, rect.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  paint(dc, screen, rect);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < rect.bottom; ++y) {
    for (int x = 0; x < rect.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(window, screen);
  return pixels;
}

// What the window shows.
std::vector<COLORREF> Shown(HWND window) {
  return PictureAsLargeAs(window, [](HDC dc, HDC screen, const RECT& rect) {
    BitBlt(dc, 0, 0, rect.right, rect.bottom, screen, 0, 0, SRCCOPY);
  });
}

// Icon `index` of the program's icon library centred on the dialog's face.
std::vector<COLORREF> LibraryIconAsLargeAs(HWND window, int index) {
  return PictureAsLargeAs(window, [index](HDC dc, HDC, const RECT& rect) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring library(exe);
    library = library.substr(0, library.rfind(L'\\')) + L"\\velmarin.icl";
    HICON icon = ExtractIconW(GetModuleHandleW(nullptr), library.c_str(), index);
    DrawIconEx(dc, (rect.right - 32) / 2, (rect.bottom - 32) / 2, icon, 32, 32, 0, nullptr,
               DI_NORMAL);
    if (icon) DestroyIcon(icon);
  });
}

TEST(DialogWindow, TheIconPreviewShowsTheCellsLibraryIconForAnInternalName) {
  Rig rig;
  Button& button = rig.app.model.Pages[0].Buttons[0];
  button.Path = ",EXIT";
  const DialogForm form = FormOf(rig, Which::Button);
  std::vector<COLORREF> shown;
  std::vector<COLORREF> wanted;
  ASSERT_TRUE(rig.Run(Opener(rig, Which::Button), {Note([&] {
                                                     HWND preview = Rig::Control(form, "IconPic");
                                                     shown = Shown(preview);
                                                     wanted = LibraryIconAsLargeAs(preview, 12);
                                                   }),
                                                   Press(VK_ESCAPE)}));
  ASSERT_NE(std::count(wanted.begin(), wanted.end(), GetSysColor(COLOR_BTNFACE)),
            static_cast<ptrdiff_t>(wanted.size()))
      << "the library gave no icon";
  EXPECT_TRUE(shown == wanted) << "library icon 12, as the cell shows it";
}

TEST(DialogWindow, ToolTipsShowOverLabelsAndButtons) {
  const struct {
    const char* name;
    int index;
    const char* tip;
  } cases[] = {
      {"Label", 0, "実行時のウィンドウの大きさを設定します"},
      {"ShowCmd", 0, "普通のウィンドウで実行します"},
      {"Cancel", 0, "右上の x ボタンを押してもキャンセルします"},
  };
  Rig rig;
  const DialogForm form = FormOf(rig, Which::Button);
  std::vector<std::string> shown(std::size(cases));
  std::vector<Step> steps;
  for (size_t k = 0; k < std::size(cases); ++k) {
    steps.push_back(Do([&, k] {
      RECT rect{};
      HWND control = Rig::Control(form, cases[k].name, cases[k].index);
      GetClientRect(control, &rect);
      Rig::MoveTo(control, 4, rect.bottom / 2);
    }));
    // Some 3 s for the tip to show.
    steps.push_back([&, k, ticks = 0]() mutable {
      HWND tip = Rig::Find(L"tooltips_class32");
      if (tip) shown[k] = Rig::Text(tip);
      return shown[k] == cases[k].tip || ++ticks > 75;
    });
    steps.push_back(Do([] { Rig::MoveTo(Rig::Dialog(), 2, 2); }));
    steps.push_back(Until([] { return Rig::Find(L"tooltips_class32") == nullptr; }));
  }
  steps.push_back(Press(VK_ESCAPE));
  ASSERT_TRUE(rig.Run(Opener(rig, Which::Button), steps));
  for (size_t k = 0; k < std::size(cases); ++k) {
    EXPECT_EQ(shown[k], cases[k].tip) << cases[k].name << " " << cases[k].index;
  }
}

TEST(DialogWindow, OneAboutBoxBroughtForwardWhenChosenAgain) {
  Rig rig;
  ShowAboutBox(rig.app);
  Rig::Pump();
  HWND about = Rig::Find(L"velmarinDialog", "About velmarin");
  ASSERT_NE(about, nullptr);
  SetForegroundWindow(rig.main);
  Rig::Pump();
  ASSERT_EQ(GetActiveWindow(), rig.main);
  ShowAboutBox(rig.app);
  Rig::Pump();
  int open = 0;
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (IsWindowVisible(w) && Rig::Text(w) == "About velmarin") ++open;
  }
  EXPECT_EQ(open, 1);
  EXPECT_EQ(GetActiveWindow(), about) << "the open one comes forward";
}

}  // namespace
}  // namespace velmarin::win32
