#include "shell/main_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "shell/layout.h"
#include "app/program_commands.h"
#include "dialogs/settings_dialog.h"
#include "shell/tray_presence.h"
#include "shell/window_events.h"

namespace velmarin {
namespace {

constexpr const char* kIni = "C:\\velmarin\\velmarin.ini";
constexpr const char* kLibrary = "C:\\velmarin\\velmarin.icl";
const ControlId kClose{ControlKind::TClose, 0};
const ControlId kToggle{ControlKind::StorageOpen, 0};
const ControlId kMode{ControlKind::DDExecute, 0};

// The commands of later parts record into the same log as the window; a page change also notes
// how many pages the table holds by then.
struct Recorder : FakeCommands {
  const App* app = nullptr;
  void PageChange(int32_t page, bool force, bool byHistory) override {
    FakeCommands::PageChange(page, force, byHistory);
    log->back() += " pages=" + std::to_string(app->model.Pages.size());
  }
};

struct Program {
  App app;
  FakePlatform fake;
  Recorder commands;
  std::vector<std::string> log;

  Program() {
    fake.Wire(app);
    fake.system.log = &log;
    fake.files.AddFile(kLibrary, "icons");
    fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
    commands.log = &log;
    commands.app = &app;
    app.commands = &commands;
  }

  // A press or release of the close cell, as the window hands it over.
  void Close(MouseAction action, MouseButton button) {
    OnControlMouse(app, MouseEvent{action, kClose, button, 0, 5, 5});
  }

  void WriteIni(const std::string& text) { fake.files.AddFile(kIni, text); }
  std::string Ini() const { return fake.files.Contents(kIni); }
  const FakeControls::Control& Cell(ControlId id) { return fake.controls.controls[id]; }
  int Saves() const { return fake.files.writeCount(); }
};

// The log without the entries that begin with one of the names.
std::vector<std::string> Without(const std::vector<std::string>& log,
                                 std::initializer_list<std::string> names) {
  std::vector<std::string> out;
  for (const std::string& entry : log) {
    if (std::none_of(names.begin(), names.end(),
                     [&](const std::string& name) { return entry.rfind(name, 0) == 0; })) {
      out.push_back(entry);
    }
  }
  return out;
}

TEST(Startup, StepsRunInTheirFixedOrder) {
  Program p;
  p.WriteIni(
      "MaxPage=3\r\nMaxButton=10\r\nMaxDrawer=4\r\nFlgSystem=7\r\nHotKeyFlg=3\r\n"
      "HotKeyKey=86\r\n\r\n");
  ASSERT_EQ(Form_Load(p.app), StartResult::Running);
  // Moves of the window and the skin under the cells are checked by the layout tests.
  const std::vector<std::string> expected = {
      "AcquireSingleInstance", "CreatePageHistory", "HideMainWindow", "PrepareShelfList",
      // Shape
      "HideMainWindow", "ApplyColors", "LoadSkin", "DrawPageCaption", "ShowMainWindow",
      // the rest of start-up
      "CreateDrawerMenuItems", "PageChange(0,1,0) pages=3", "HookWindow", "ShowMainWindow",
      "NotifyIcon(on)", "SetTopMost(on)", "RegisterAppHotKey(velmarinHK,3,86)"};
  EXPECT_EQ(Without(p.log, {"MoveMainWindow", "SkinPaint("}), expected);
  EXPECT_FALSE(p.app.CplList.empty());
  EXPECT_TRUE(p.fake.system.visible);
  EXPECT_EQ(p.Saves(), 0) << "start-up writes nothing";
}

TEST(Startup, LimitsAreClampedAndOptionsOffSkipTheirSteps) {
  Program p;
  p.WriteIni("MaxPage=0\r\nMaxButton=99\r\nMaxDrawer=9\r\nMaxMultiExecute=1000\r\n\r\n");
  ASSERT_EQ(Form_Load(p.app), StartResult::Running);
  const Model& m = p.app.model;
  EXPECT_EQ(m.settings.MaxButton, 12);
  EXPECT_EQ(m.settings.MaxDrawer, 4);
  EXPECT_EQ(m.settings.MaxMultiExecute, 4);
  EXPECT_EQ(m.PageCount, 1);
  EXPECT_EQ(m.Pages.size(), 1u);
  EXPECT_EQ(m.settings.ButtonWidth, 37);
  EXPECT_EQ(m.settings.ButtonHeight, 37);
  EXPECT_EQ(m.CurrentPage, 0);
  // Options off: the tray icon and top-most are told off, no hot key is registered.
  EXPECT_NE(std::find(p.log.begin(), p.log.end(), "NotifyIcon(off)"), p.log.end());
  EXPECT_NE(std::find(p.log.begin(), p.log.end(), "SetTopMost(off)"), p.log.end());
  for (const std::string& entry : p.log)
    EXPECT_EQ(entry.find("RegisterAppHotKey"), std::string::npos);
}

TEST(Startup, SecondInstanceShowsTheMessageAndTouchesNothing) {
  Program p;
  p.WriteIni("MaxButton=10\r\n\r\n");
  p.fake.system.anotherInstance = true;
  EXPECT_EQ(Form_Load(p.app), StartResult::SecondInstance);
  ASSERT_EQ(p.fake.messageBox.shown.size(), 1u);
  const ShownMessage& box = p.fake.messageBox.shown[0];
  EXPECT_EQ(box.text, "既にvelmarinが起動しています。");
  EXPECT_EQ(box.title, "二重起動");
  EXPECT_EQ(box.icon, MbIcon::Information);
  EXPECT_EQ(box.buttons, MbButtons::Ok);
  EXPECT_EQ(p.log, std::vector<std::string>{"AcquireSingleInstance"});
  EXPECT_TRUE(p.app.CplList.empty());
  EXPECT_EQ(p.app.model.settings.MaxButton, 0) << "the settings file is not read";
  EXPECT_EQ(p.Saves(), 0);
}

// Only a program that is up asks to be started again after an installer closed it.
TEST(Startup, ARunningProgramRegistersForItsRestart) {
  for (const bool another : {false, true}) {
    Program p;
    p.WriteIni("MaxButton=10\r\n\r\n");
    p.fake.system.anotherInstance = another;
    Form_Load(p.app);
    EXPECT_EQ(p.fake.system.restartRegistered, !another);
  }
}

TEST(Startup, CancelInASettingsQuestionEndsAtOnceWithoutSaving) {
  Program p;
  p.WriteIni("MaxButton=10\r\nNoSuchKey=1\r\nMaxDrawer=2\r\n\r\n");
  p.fake.messageBox.Script(MbResult::Cancel);  // the unknown key's question
  EXPECT_EQ(Form_Load(p.app), StartResult::Cancelled);
  EXPECT_FALSE(p.fake.system.restartRegistered);
  EXPECT_FALSE(p.fake.system.visible);
  EXPECT_EQ(std::find(p.log.begin(), p.log.end(), "ShowMainWindow"), p.log.end());
  EXPECT_EQ(p.Saves(), 0);
}

TEST(Startup, SmallCellsStartWithTheirFacesAndLibraryIcons) {
  Program p;
  p.WriteIni("MaxButton=10\r\nFlgMode=4\r\n\r\n");  // StartInExecuteMode
  ASSERT_EQ(Form_Load(p.app), StartResult::Running);
  // Faces of the small-cell list: 2k + 1 up; icons 6 + 2k + Value from the library at (1, 1).
  EXPECT_EQ(p.Cell(kToggle).face, 1);
  EXPECT_EQ(p.Cell(kMode).face, 3);
  EXPECT_EQ(p.Cell(kClose).face, 5);
  EXPECT_EQ(p.Cell(kClose).faceList, FaceList::ImageList2);
  ASSERT_EQ(p.Cell(kToggle).drawn.size(), 1u);
  EXPECT_EQ(p.Cell(kToggle).drawn[0].detail, std::string(kLibrary) + "#6@1,1");
  ASSERT_EQ(p.Cell(kMode).drawn.size(), 1u);
  EXPECT_EQ(p.Cell(kMode).drawn[0].detail, std::string(kLibrary) + "#9@1,1");
  ASSERT_EQ(p.Cell(kClose).drawn.size(), 1u);
  EXPECT_EQ(p.Cell(kClose).drawn[0].detail, std::string(kLibrary) + "#10@1,1");
  EXPECT_EQ(p.fake.controls.liveIcons, 0) << "every extracted icon is destroyed";
  // Execute mode: the mode cell takes drops; the closed shelf's toggle takes drops to open it.
  EXPECT_TRUE(p.app.model.DropMode);
  EXPECT_TRUE(p.Cell(kMode).acceptsDrops);
  EXPECT_TRUE(p.Cell(kToggle).acceptsDrops);
}

TEST(Startup, MissingIconLibraryFallsBackToText) {
  Program p;
  p.fake.controls.iconFiles.clear();
  p.fake.files.Remove(kLibrary);
  p.WriteIni("MaxButton=10\r\n\r\n");
  ASSERT_EQ(Form_Load(p.app), StartResult::Running);
  ASSERT_EQ(p.Cell(kClose).drawn.size(), 1u);
  EXPECT_EQ(p.Cell(kClose).drawn[0].kind, "text");
  EXPECT_EQ(p.Cell(kClose).drawn[0].detail, "FILE\r\nNOT\r\nFOUND");
  EXPECT_TRUE(p.fake.system.visible) << "a missing picture never stops start-up";
}

TEST(Shutdown, LeftClickOnCloseSavesAndEnds) {
  Program p;
  p.WriteIni("MaxButton=10\r\n\r\n");
  ASSERT_EQ(Form_Load(p.app), StartResult::Running);
  p.log.clear();
  p.Close(MouseAction::Press, MouseButton::Left);
  EXPECT_TRUE(p.app.form.pushButtons[kTCloseIndex].Pushed());
  EXPECT_EQ(p.Cell(kClose).face, 6) << "pushed face";
  EXPECT_EQ(p.Cell(kClose).drawn.at(0).detail, std::string(kLibrary) + "#11@1,1");
  p.Close(MouseAction::Release, MouseButton::Left);
  EXPECT_EQ(p.Saves(), 1);
  EXPECT_NE(p.Ini().find("MaxButton=10\r\n"), std::string::npos);
  EXPECT_TRUE(p.fake.messageBox.shown.empty());
  EXPECT_EQ(p.log, (std::vector<std::string>{"NotifyIcon(off)", "UnhookWindow", "CloseOtherWindows",
                                             "EndProgram"}));
  // The window's close message after the end must not save a second time.
  UnloadAndEnd(p.app);
  EXPECT_EQ(p.Saves(), 1);
}

TEST(Shutdown, RightClickAsksAndEachAnswerDoesItsOwnThing) {
  const std::string original = "MaxButton=10\r\nMaxDrawer=2\r\n\r\n";
  struct Case {
    MbResult answer;
    bool saved;
    bool ended;
  };
  for (const Case c : {Case{MbResult::Yes, false, true}, Case{MbResult::No, true, true},
                       Case{MbResult::Cancel, false, false}}) {
    Program p;
    p.WriteIni(original);
    ASSERT_EQ(Form_Load(p.app), StartResult::Running);
    p.log.clear();
    p.app.model.Pages[0].Buttons[0].Path = "C:\\edited.txt";  // an edit since start-up
    p.fake.messageBox.Script(c.answer);
    p.Close(MouseAction::Press, MouseButton::Right);
    p.Close(MouseAction::Release, MouseButton::Right);
    ASSERT_EQ(p.fake.messageBox.shown.size(), 1u);
    const ShownMessage& box = p.fake.messageBox.shown[0];
    EXPECT_EQ(box.text, "今の状態を保存せずに終了しますか？");
    EXPECT_EQ(box.title, "終了の確認");
    EXPECT_EQ(box.buttons, MbButtons::YesNoCancel);
    EXPECT_EQ(box.icon, MbIcon::Question);
    EXPECT_EQ(p.Saves(), c.saved ? 1 : 0);
    if (c.saved) {
      EXPECT_NE(p.Ini().find("P=C:\\edited.txt\r\n"), std::string::npos);
    } else {
      EXPECT_EQ(p.Ini(), original) << "byte for byte as it was";
    }
    EXPECT_EQ(p.fake.system.ended, c.ended);
    const bool trayRemoved =
        std::find(p.log.begin(), p.log.end(), "NotifyIcon(off)") != p.log.end();
    EXPECT_EQ(trayRemoved, c.ended) << "the tray icon goes whenever the program ends";
    EXPECT_EQ(p.fake.system.otherWindowsClosed, c.ended ? 1 : 0);
    EXPECT_FALSE(p.app.form.pushButtons[kTCloseIndex].Pushed());
    if (c.answer == MbResult::Yes) {
      // The window's destruction after a quit without saving must not save either.
      UnloadAndEnd(p.app);
      EXPECT_EQ(p.Ini(), original);
    }
  }
}

TEST(Shutdown, ReleaseOffTheCellOrWithTheMiddleButtonOnlyRepaints) {
  for (const MouseButton button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    Program p;
    p.WriteIni("MaxButton=10\r\n\r\n");
    ASSERT_EQ(Form_Load(p.app), StartResult::Running);
    p.fake.system.cursorOver = button == MouseButton::Middle;
    p.Close(MouseAction::Press, button);
    EXPECT_EQ(p.Cell(kClose).face, 6);
    p.Close(MouseAction::Release, button);
    EXPECT_EQ(p.Cell(kClose).face, 5) << "repainted up";
    EXPECT_EQ(p.Cell(kClose).drawn.at(0).detail, std::string(kLibrary) + "#10@1,1");
    EXPECT_TRUE(p.fake.messageBox.shown.empty());
    EXPECT_EQ(p.Saves(), 0);
    EXPECT_FALSE(p.fake.system.ended);
  }
}

TEST(Shutdown, ExitCommandSessionEndAndCloseRequestAllSave) {
  {
    Program p;
    p.WriteIni("MaxButton=10\r\n\r\n");
    ASSERT_EQ(Form_Load(p.app), StartResult::Running);
    ProgramCommands real(p.app);
    real.EndProgram();  // ",EXIT" in the running program
    EXPECT_EQ(p.Saves(), 1);
    EXPECT_TRUE(p.fake.system.ended);
  }
  {
    Program p;
    p.WriteIni("MaxButton=10\r\n\r\n");
    ASSERT_EQ(Form_Load(p.app), StartResult::Running);
    EndSession(p.app, true);
    EndSession(p.app, true);  // the system may tell twice; the file is written once
    EXPECT_EQ(p.Saves(), 1);
  }
}

// The words the system sends as a session ends (log-off, shut-down, or an installer's restart
// that closes the program) or as the end is called off: the program saves once, its icon goes
// and it ends at once, whatever dialog is open; an end called off changes nothing.
TEST(Shutdown, TheSessionsEndSavesOnceAndEndsTheProgramUnlessCalledOff) {
  struct Case {
    const char* name;
    std::vector<bool> ending;  // wParam of each end-session message, in order
    bool dialogOpen;           // the settings dialog is open when they come
    bool saved;
  };
  const Case cases[] = {
      {"ends", {true}, false, true},
      {"told twice", {true, true}, false, true},
      {"called off", {false}, false, false},
      {"called off, then ends", {false, true}, false, true},
      {"ends under a dialog", {true}, true, true},
      {"called off under a dialog", {false}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Program p;
    ProgramCommands real(p.app);
    p.app.commands = &real;
    p.WriteIni("MaxButton=10\r\n\r\n");
    p.fake.desktop.system = &p.fake.system;
    ASSERT_EQ(Form_Load(p.app), StartResult::Running);
    p.app.model.settings.options.TrayIcon = true;
    NotifyIcon(p.app, true);
    p.app.model.Pages[0].Buttons[0].Path = "C:\\edited.txt";  // an edit since start-up
    const auto tell = [&] {
      for (bool ending : c.ending) EndSession(p.app, ending);
    };
    if (c.dialogOpen) {
      p.fake.dialogs.scripts.push_back([&](IDialog&) { tell(); });
      ShowSettingsDialog(p.app);
    } else {
      tell();
    }
    EXPECT_EQ(p.Saves(), c.saved ? 1 : 0);
    if (c.saved) {
      EXPECT_NE(p.Ini().find("P=C:\\edited.txt\r\n"), std::string::npos);
    }
    EXPECT_EQ(p.fake.system.endedNow, c.saved) << "ended from inside whatever loop ran";
    EXPECT_EQ(p.fake.desktop.trayIcon, !c.saved);
    EXPECT_EQ(p.app.form.trayIconWanted, !c.saved);
  }
}

TEST(Shutdown, MissingSettingsFileIsWrittenWithDefaultsAtExit) {
  Program p;
  ASSERT_EQ(Form_Load(p.app), StartResult::Running);
  ASSERT_EQ(p.fake.messageBox.shown.size(), 1u);
  EXPECT_EQ(p.fake.messageBox.shown[0].title, "設定ファイルがみつかりません");
  UnloadAndEnd(p.app);
  EXPECT_EQ(p.Saves(), 1);
  EXPECT_NE(p.Ini().find("MaxButton=10\r\n"), std::string::npos);
  EXPECT_NE(p.Ini().find("MaxPage=1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace velmarin
