// The real window's mouse: a cell hears of a release only after its own press took the mouse, and
// a press whose mouse was taken away brings its cell up.
// Input goes through the message queue, as the system delivers it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "launch_recorder.h"
#include "platform/shell.h"
#include "win32/main_window.h"
#include "win32/win32_system.h"

namespace velmarin::win32 {
namespace {


struct Row : RecordedRow {
  POINT cell3{111 + 18, 17 + 18};  // the middle of cell 3, client pixels
  POINT cell5{185 + 18, 17 + 18};
  Row() {
    app.model.Pages[0].Buttons[3].Path = "C:\\tools\\edit.exe";
    app.model.Pages[0].Buttons[3].FileName = "edit.exe";
    app.model.Pages[0].Buttons[5].Path = "C:\\tools\\calc.exe";
    app.model.Pages[0].Buttons[5].FileName = "calc.exe";
  }
  bool Show() {
    if (!window.Create(GetModuleHandleW(nullptr))) return false;
    window.Place({ControlKind::Picture1, 3}, {111, 17, 37, 37});
    window.Place({ControlKind::Picture1, 5}, {185, 17, 37, 37});
    ShowWindow(window.Handle(), SW_SHOWNA);
    POINT screen = cell3;
    ClientToScreen(window.Handle(), &screen);
    SetCursorPos(screen.x, screen.y);  // where the release asks the cursor to be
    Pump();
    return true;
  }
  void Post(UINT msg, POINT at, WPARAM keys, HWND to = nullptr) {
    PostMessageW(to ? to : window.Handle(), msg, keys, MAKELPARAM(at.x, at.y));
    Pump();
  }
  void CursorTo(POINT client) {
    ClientToScreen(window.Handle(), &client);
    SetCursorPos(client.x, client.y);
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
};

TEST(MouseCapture, AReleaseActsOnlyAfterItsCellsOwnPress) {
  Row row;
  ASSERT_TRUE(row.Show());
  // A click: the press takes the mouse, the release launches the cell's item.
  row.Post(WM_LBUTTONDOWN, row.cell3, MK_LBUTTON);
  row.Post(WM_LBUTTONUP, row.cell3, 0);
  ASSERT_EQ(row.shell.launched, std::vector<std::string>{"C:\\tools\\edit.exe"});

  struct Case {
    const char* what;
    bool pressOnGap;
    bool captureTakenAway;
  };
  for (const Case& c : {Case{"a release alone", false, false},
                        Case{"a press on a gap between the cells", true, false},
                        Case{"a press whose capture was taken away", false, true}}) {
    if (c.pressOnGap) row.Post(WM_LBUTTONDOWN, POINT{60, 60}, MK_LBUTTON);
    if (c.captureTakenAway) {
      row.Post(WM_LBUTTONDOWN, row.cell3, MK_LBUTTON);
      ASSERT_EQ(row.app.model.Pages[0].Buttons[3].State, 2) << "the press holds the cell down";
      ReleaseCapture();
      row.Pump();
      EXPECT_EQ(row.app.model.Pages[0].Buttons[3].State, 1)
          << "the cell stays down after its press was taken away";
    }
    row.Post(WM_LBUTTONUP, row.cell3, 0);
    EXPECT_EQ(row.shell.launched.size(), 1u) << c.what << " replayed the last click";
  }
}

// A press whose release never came (the system lost it) leaves its window holding the mouse;
// the next click, made on cell 5, still acts on cell 5, whether the lost press was on a cell or in
// the Run box.
TEST(MouseCapture, APressWhoseReleaseWasLostDoesNotTakeTheNextClick) {
  Row row;
  ASSERT_TRUE(row.Show());
  row.window.Place({ControlKind::Run, 0}, {300, 0, 100, 17});
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(row.window.RunBox(), &info) && info.hwndItem);
  const HWND edit = info.hwndItem;
  ShowWindow(row.window.RunBox(), SW_SHOWNA);
  struct Lost {
    const char* where;
    UINT press;
    bool inRunBox;
  };
  for (const Lost& c : {Lost{"a left press on cell 3", WM_LBUTTONDOWN, false},
                        Lost{"a right press on cell 3", WM_RBUTTONDOWN, false},
                        Lost{"a press in the Run box", WM_LBUTTONDOWN, true}}) {
    const bool inRunBox = c.inRunBox;
    row.shell.launched.clear();
    if (inRunBox) {
      row.Post(WM_LBUTTONDOWN, POINT{5, 5}, MK_LBUTTON, edit);
      ASSERT_EQ(GetCapture(), edit) << "the field takes the mouse at a press";
    } else {
      row.Post(c.press, row.cell3, c.press == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON);
    }
    // The click on cell 5 comes to the window that holds the mouse, in its own pixels.
    row.CursorTo(row.cell5);
    POINT at = row.cell5;
    const HWND holder = GetCapture();
    MapWindowPoints(row.window.Handle(), holder, &at, 1);
    row.Post(WM_LBUTTONDOWN, at, MK_LBUTTON, holder);
    row.Post(WM_LBUTTONUP, row.cell5, 0, GetCapture());
    EXPECT_EQ(row.shell.launched, std::vector<std::string>{"C:\\tools\\calc.exe"})
        << "after " << c.where;
    EXPECT_EQ(row.app.model.Pages[0].Buttons[3].State, 1) << "cell 3 stays down";
  }
}

}  // namespace
}  // namespace velmarin::win32
