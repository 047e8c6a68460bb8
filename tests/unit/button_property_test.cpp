#include "dialogs/button_property.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace velmarin {
namespace {

struct ButtonDialogTest : ::testing::Test {
  App app;
  FakePlatform fake;

  ButtonDialogTest() {
    fake.Wire(app);
    app.model.PageCount = 2;
    app.model.settings.MaxButton = 10;
    app.model.settings.MaxDrawer = 4;
    ClampLimits(app.model);
    app.model.CurrentPage = 1;
    app.model.Pages[1].Caption = "Tools";
    Button& b = Target();
    b.Path = "C:\\Tools\\edit.exe";
    b.ToolTip = "edit";
    b.Params = "-n";
    b.ShowCmd = 0;
    b.IconFile = "C:\\Tools\\icons.dll";
    b.IconIndex = 3;
    b.Drawer = {"C:\\a.txt", "", "C:\\b.txt", ""};
  }
  Button& Target() { return app.model.Pages[1].Buttons[4]; }

  // Opens the dialog on button 4 with the user's actions, and answers the form as it opened.
  DialogForm Open(FakeDialogHost::Script script) {
    fake.dialogs.scripts.push_back(std::move(script));
    ShowButtonProperty(app, 4);
    return fake.dialogs.opened.back();
  }
};

TEST_F(ButtonDialogTest, OpensWithTheButtonAndApplyingUnchangedKeepsIt) {
  const Button before = Target();
  const DialogForm form = Open([](IDialog& d) {
    EXPECT_FALSE(d.Form().closed);
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(form.caption, "edit のプロパティ");
  auto text = [&](int i) { return FindControl(const_cast<DialogForm&>(form), "Text", i)->text; };
  EXPECT_EQ(text(2), "C:\\Tools\\edit.exe");
  EXPECT_EQ(text(0), "edit");
  EXPECT_EQ(text(3), "C:\\Tools\\icons.dll,3");
  EXPECT_EQ(text(1), "-n");
  DialogForm copy = form;
  EXPECT_TRUE(FindControl(copy, "ShowCmd", 0)->checked) << "0 opens as normal";
  EXPECT_EQ(FindControl(copy, "MiniDrawerList")->items,
            (std::vector<std::string>{"C:\\a.txt", "C:\\b.txt"}));
  EXPECT_EQ(FindControl(copy, "IconPic")->toolTip, "@Tools");
  EXPECT_EQ(Target().ShowCmd, 0) << "normal is stored as 0, not 1";
  EXPECT_EQ(Target().Drawer, (std::array<std::string, 4>{"C:\\a.txt", "C:\\b.txt", "", ""}));
  EXPECT_EQ(Target().IconFile, before.IconFile);
  EXPECT_EQ(Target().IconIndex, 3);
  EXPECT_EQ(Target().FileName, "edit.exe");
  EXPECT_TRUE(fake.system.enabled);
}

TEST_F(ButtonDialogTest, AppliesEditsIconSourcesAndWindowStates) {
  Open([](IDialog& d) {
    UserTypes(d, "Text", 2, "C:\\Docs\\memo.txt");
    UserTypes(d, "Text", 3, "shell32.dll,12");
    UserClicks(d, "ShowCmd", 2);
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().FileName, "memo.txt");
  EXPECT_EQ(Target().Extension, "txt");
  EXPECT_EQ(Target().IconFile, "shell32.dll");
  EXPECT_EQ(Target().IconIndex, 12);
  EXPECT_EQ(Target().ShowCmd, 3);

  Open([](IDialog& d) {
    UserTypes(d, "Text", 3, "moricons.dll");
    UserClicks(d, "ShowCmd", 1);
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().IconFile, "moricons.dll");
  EXPECT_EQ(Target().IconIndex, 0);
  EXPECT_EQ(Target().ShowCmd, 2);

  Open([](IDialog& d) {
    UserTypes(d, "Text", 3, "x.dll,abc");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().IconFile, "x.dll");
  EXPECT_EQ(Target().IconIndex, 0) << "a number that is not one leaves the index 0";

  // A comma in the icon file's own path survives every Apply.
  Target().IconFile = "C:\\a,b\\x.ico";
  Target().IconIndex = 3;
  Open([](IDialog& d) { UserClicks(d, "Apply"); });
  EXPECT_EQ(Target().IconFile, "C:\\a,b\\x.ico");
  EXPECT_EQ(Target().IconIndex, 3);
  Open([](IDialog& d) {
    UserTypes(d, "Text", 3, "C:\\a,b\\x.ico");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().IconFile, "C:\\a,b\\x.ico");
  EXPECT_EQ(Target().IconIndex, 0);
}

TEST_F(ButtonDialogTest, CancelAndCloseBoxChangeNothingAndEnableTheMainWindow) {
  const Button before = Target();
  Open([](IDialog& d) {
    UserTypes(d, "Text", 0, "other");
    UserClicks(d, "Cancel");
  });
  Open([](IDialog& d) { UserTypes(d, "Text", 2, "C:\\x.exe"); });  // left with the close box
  EXPECT_EQ(Target().ToolTip, before.ToolTip);
  EXPECT_EQ(Target().Path, before.Path);
  EXPECT_TRUE(fake.system.enabled);
}

TEST_F(ButtonDialogTest, ThePreviewShowsWhatTheCellShows) {
  fake.files.SetProgramFolder("C:\\velmarin");
  fake.files.AddFile("C:\\Tools\\edit.exe");
  const std::string library = "C:\\velmarin\\velmarin.icl";
  const struct {
    const char* path;
    const char* iconFile;
    int16_t iconIndex;
    std::string file;  // the preview's source
    int16_t index;
  } cases[] = {
      {"C:\\Tools\\edit.exe", "C:\\Tools\\icons.dll", 3, "C:\\Tools\\edit.exe", 3},
      {",EXIT", "", 5, library, 12},
      {",EXIT", " C:\\i.ico ", 2, "C:\\i.ico", 2},
      {"C:\\gone.exe", "C:\\Tools\\icons.dll", 1, library, 13},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    Target().Path = c.path;
    Target().IconFile = c.iconFile;
    Target().IconIndex = c.iconIndex;
    DialogForm form = Open([](IDialog& d) { UserClicks(d, "Cancel"); });
    const DialogControl* pic = FindControl(form, "IconPic");
    EXPECT_EQ(pic->iconItem, c.path);
    EXPECT_EQ(pic->iconFile, c.file);
    EXPECT_EQ(pic->iconIndex, c.index);
    EXPECT_EQ(pic->iconLibrary, c.file == library);
  }
}

TEST_F(ButtonDialogTest, PathSeekNamesTheToolTipWithOrWithoutExtension) {
  fake.dialogs.fileAnswer = "D:\\Games\\space.war.exe";
  fake.files.AddFile("D:\\Games\\space.war.exe");
  const DialogForm after = [&] {
    DialogForm shown;
    Open([&](IDialog& d) {
      UserClicks(d, "PathSeek");
      shown = d.Form();
    });
    return shown;
  }();
  DialogForm copy = after;
  EXPECT_EQ(FindControl(copy, "Text", 0)->text, "space.war");
  EXPECT_EQ(FindControl(copy, "Text", 2)->text, "D:\\Games\\space.war.exe");
  EXPECT_EQ(copy.caption, "space.war のプロパティ");
  EXPECT_EQ(fake.dialogs.fileRequests.back(), "すべてのファイル (*.*) |*.*|ファイルの選択");
  EXPECT_EQ(FindControl(copy, "IconPic")->iconItem, "D:\\Games\\space.war.exe");
  EXPECT_EQ(FindControl(copy, "IconPic")->iconIndex, 3);

  app.model.settings.options.ToolTipWithExt = true;
  fake.dialogs.fileAnswer = "D:\\Games\\README";
  Open([](IDialog& d) {
    UserClicks(d, "PathSeek");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().ToolTip, "README") << "no extension: the whole name";

  fake.dialogs.fileAnswer = "D:\\Games\\go.bat";
  Open([](IDialog& d) {
    UserClicks(d, "PathSeek");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().ToolTip, "go.bat");

  fake.dialogs.fileAnswer.reset();
  Open([](IDialog& d) {
    UserClicks(d, "PathSeek");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().ToolTip, "go.bat") << "a cancelled file dialog changes nothing";
}

TEST_F(ButtonDialogTest, IconSeekOffersThePathOrShell32AndTakesAnyLength) {
  fake.dialogs.iconAnswer = IconChoice{std::string(400, 'p') + std::string("\0junk", 5), 7};
  Open([](IDialog& d) {
    UserClicks(d, "IconSeek");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(fake.dialogs.iconOffers.back(), "C:\\WINDOWS\\system32\\shell32.dll")
      << "the button's path is not a file here";
  EXPECT_EQ(Target().IconFile, std::string(400, 'p'));
  EXPECT_EQ(Target().IconIndex, 7);

  fake.files.AddFile("C:\\Tools\\edit.exe", "MZ");
  fake.dialogs.iconAnswer = IconChoice{"   ", 1};
  Open([](IDialog& d) {
    UserClicks(d, "IconSeek");
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(fake.dialogs.iconOffers.back(), "C:\\Tools\\edit.exe");
  EXPECT_EQ(Target().IconIndex, 7) << "a blank answer is no choice";
}

TEST_F(ButtonDialogTest, DropsOnTheBoxesAndTheDrawerList) {
  Open([](IDialog& d) {
    UserDrops(d, "Text", 1, {"C:\\My Files\\a b.txt", "C:\\x y.doc"});
    UserDrops(d, "Text", 3, {"C:\\icons.dll", "C:\\other.dll"});
    UserDrops(d, "Text", 0, {"C:\\ignored.txt"});
    UserDrops(d, "MiniDrawerList", 0, {"C:\\c.txt", "C:\\d.txt", "C:\\e.txt"});
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().Params, "-n \"C:\\My Files\\a b.txt\" \"C:\\x y.doc\"");
  EXPECT_EQ(Target().IconFile, "C:\\icons.dll");
  EXPECT_EQ(Target().IconIndex, 0);
  EXPECT_EQ(Target().ToolTip, "edit");
  EXPECT_EQ(Target().Drawer,
            (std::array<std::string, 4>{"C:\\a.txt", "C:\\b.txt", "C:\\c.txt", "C:\\d.txt"}));

  Target().Drawer = {"1", "2", "3", ""};
  Open([](IDialog& d) {
    UserDrops(d, "MiniDrawerList", 0, {"C:\\p.txt", "C:\\q.txt", "C:\\r.txt"});
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().Drawer, (std::array<std::string, 4>{"1", "2", "3", "C:\\p.txt"}));

  app.model.settings.MaxDrawer = 2;
  Target().Drawer = {"1", "", "", ""};
  Open([](IDialog& d) {
    UserDrops(d, "MiniDrawerList", 0, {"C:\\p.txt", "C:\\q.txt"});
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().Drawer, (std::array<std::string, 4>{"1", "C:\\p.txt", "", ""}));
}

TEST_F(ButtonDialogTest, LineBreaksNeverReachTheButton) {
  Open([](IDialog& d) {
    UserTypes(d, "Text", 0, "two\r\nlines");
    UserTypes(d, "Text", 2, "C:\\a.exe\n");
    UserDrops(d, "Text", 1, {"C:\\x\r\ny.txt"});
    UserDrops(d, "MiniDrawerList", 0, {"C:\\z\n.txt"});
    UserClicks(d, "Apply");
  });
  EXPECT_EQ(Target().ToolTip, "twolines");
  EXPECT_EQ(Target().Path, "C:\\a.exe");
  EXPECT_EQ(Target().Params, "-n C:\\xy.txt");
  EXPECT_EQ(Target().Drawer[2], "C:\\z.txt");
}

TEST_F(ButtonDialogTest, ClearAllThenCancelOrApply) {
  fake.popupMenu.Script("I2Delete");
  Open([](IDialog& d) {
    UserPresses(d, "IconPic", 2);
    UserClicks(d, "Cancel");
  });
  EXPECT_EQ(Target().Path, "C:\\Tools\\edit.exe");
  ASSERT_EQ(fake.popupMenu.shown.size(), 1u);
  EXPECT_EQ(fake.popupMenu.shown[0][0].caption, "すべて削除(&D)");

  Target().ShowCmd = 2;
  fake.popupMenu.Script("I2Delete");
  Open([](IDialog& d) {
    UserPresses(d, "IconPic", 1);
    UserClicks(d, "Apply");
  });
  const Button& b = Target();
  EXPECT_EQ(b.Path, "");
  EXPECT_EQ(b.ToolTip, "");
  EXPECT_EQ(b.IconFile, "");
  EXPECT_EQ(b.Params, "");
  EXPECT_EQ(b.ShowCmd, 0);
  EXPECT_EQ(b.Drawer, (std::array<std::string, 4>{}));
}

TEST_F(ButtonDialogTest, DrawerListDeletesTheSelectedLines) {
  Target().Drawer = {"1", "2", "3", "4"};
  fake.popupMenu.Script("");  // the menu with nothing selected, dismissed
  fake.popupMenu.Script("IMDDelete");
  Open([](IDialog& d) {
    UserPresses(d, "MiniDrawerList", 2);
    UserSelects(d, "MiniDrawerList", {false, true, false, true});
    UserPresses(d, "MiniDrawerList", 1, 3);
    EXPECT_EQ(Shown(d, "MiniDrawerList")->toolTip, "4");
    UserPresses(d, "MiniDrawerList", 2);
    UserClicks(d, "Apply");
  });
  ASSERT_EQ(fake.popupMenu.shown.size(), 2u);
  EXPECT_FALSE(fake.popupMenu.shown[0][0].enabled);
  EXPECT_TRUE(fake.popupMenu.shown[1][0].enabled);
  EXPECT_EQ(Target().Drawer, (std::array<std::string, 4>{"1", "3", "", ""}));
}

TEST(CutAtZero, KeepsTheTextBeforeTheFirstZero) {
  EXPECT_EQ(CutAtZero(std::string("abc\0def", 7)), "abc");
  EXPECT_EQ(CutAtZero("abc"), "abc");
  EXPECT_EQ(CutAtZero(std::string("\0", 1)), "");
}

}  // namespace
}  // namespace velmarin
