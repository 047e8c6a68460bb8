#pragma once
// A wired App for the launch tests: three pages (the third captioned "Tools"), ten buttons a
// page, the applet list loaded, and the seams recording their calls.
#include <cstdint>
#include <string>
#include <vector>

#include "core/app.h"
#include "fake/fake_platform.h"
#include "launch/cpl_list.h"
#include "launch/names.h"
#include "run/edit_position.h"
#include "run/run_box.h"

namespace velmarin {

struct PageChangeCall {
  int32_t page;
  bool forceFlg;
  bool byHFlg;
  bool operator==(const PageChangeCall&) const = default;
};

struct LaunchFixture {
  App app;
  FakePlatform fake;
  std::vector<PageChangeCall> pageChanges;
  int settingsDialogs = 0;
  int endings = 0;

  // The commands a launch may give, counted into the fields above.
  struct Commands : FakeCommands {
    LaunchFixture* f = nullptr;
    void PageChange(int32_t page, bool forceFlg, bool byHFlg) override {
      f->pageChanges.push_back({page, forceFlg, byHFlg});
    }
    void ShowSettingsDialog() override { ++f->settingsDialogs; }
    void EndProgram() override { ++f->endings; }
  } commands;

  LaunchFixture() {
    fake.Wire(app);
    commands.f = this;
    app.commands = &commands;
    CplListLoad(app);
    app.model.PageCount = 3;
    app.model.settings.MaxButton = 10;
    ClampLimits(app.model);
    app.model.Pages[2].Caption = "Tools";
  }

  // What the Run box's drop-down list shows once `typed` is typed into it anew.
  std::vector<std::string> Listed(const std::string& typed) {
    FakeRunList& box = fake.runList;
    box.SetText("");
    Run_Change(app);
    box.SetText(typed);
    box.selStart = EditLength(typed);
    Run_Change(app);
    return box.items;
  }

  // Puts an item on a slot of the current page the way loading does.
  Button& SetSlot(int slot, const std::string& path, const std::string& params = {},
                  int16_t showCmd = 0) {
    Button& b = app.model.Pages[static_cast<size_t>(app.model.CurrentPage)].Buttons[slot];
    b.Path = path;
    b.Params = params;
    b.ShowCmd = showCmd;
    SetPathParts(app, b);
    return b;
  }

  bool NothingHappened() const {
    return fake.shell.Quiet() && pageChanges.empty() && settingsDialogs == 0 && endings == 0 &&
           fake.messageBox.shown.empty() && fake.shelf.entries.empty();
  }
};

}  // namespace velmarin
