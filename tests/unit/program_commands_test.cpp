#include "app/program_commands.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"
#include "launch/execute.h"

namespace velmarin {
namespace {

// Every command the running program can be given, once. What no part answers yet is listed;
// each part that lands takes its lines out, and the last leaves none.
TEST(ProgramCommands, WhatTheProgramCannotDoYet) {
  App app;
  FakePlatform fake;
  fake.Wire(app);
  fake.files.AddFile("C:\\velmarin\\velmarin.ini", "MaxButton=10\r\n\r\n");
  ProgramCommands commands(app);
  app.commands = &commands;
  commands.PageChange(0, true, false);
  commands.CreatePageHistory();
  commands.DrawPageCaption();
  commands.RepaintPage();
  commands.CreateDrawerMenuItems();
  commands.ApplyColors();
  commands.LoadSkin();
  commands.SkinPaint({ControlKind::TitleBar, 1}, 0);
  commands.PrepareShelfList();
  commands.HookWindow();
  commands.UnhookWindow();
  commands.NotifyIcon(true);
  commands.SetTopMost(true);
  commands.RegisterAppHotKey("velmarinHK", 2, 86);
  commands.ShowSettingsDialog();
  commands.ShowAboutBox();
  commands.ApplyToolTips();
  commands.RestoreButtons();
  commands.SkinBltRun();
  commands.PutInRunBox("C:\\x");
  commands.SetRunBoxText("x", true);
  commands.ShowButtonProperty(0);
  commands.ShowPageProperty();
  commands.UnregisterAppHotKey();
  // Every part is built: the program answers every command.
  EXPECT_EQ(commands.NotBuilt(), std::set<std::string>{});
  EXPECT_FALSE(fake.system.ended) << "nothing of the above ends the program";

  // ",EXIT" reaches the real shutdown: the settings are written and the program ends.
  VelmExec(app, ",EXIT", "");
  EXPECT_TRUE(fake.system.ended);
  EXPECT_EQ(fake.files.writeCount(), 1);
}

}  // namespace
}  // namespace velmarin
