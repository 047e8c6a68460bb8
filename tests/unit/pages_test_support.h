#pragma once
// A wired App for the page and title-strip tests: eight pages captioned "P0".."P7", ten buttons,
// the icon library in the program folder, and one log of the commands and window calls in order.
#include <string>
#include <vector>

#include "core/app.h"
#include "fake/fake_platform.h"

namespace velmarin {

struct PagesFixture {
  App app;
  FakePlatform fake;
  std::vector<std::string> log;

  static constexpr const char* kLibrary = "C:\\velmarin\\velmarin.icl";

  PagesFixture() {
    fake.Wire(app);
    fake.commands.log = &log;
    fake.system.log = &log;
    fake.files.AddFile(kLibrary, "icons");
    fake.controls.iconFiles["C:\\VELMARIN\\VELMARIN.ICL"] = 14;
    app.model.PageCount = 8;
    app.model.settings.MaxButton = 10;
    ClampLimits(app.model);
    for (int k = 0; k < 8; ++k)
      app.model.Pages[static_cast<size_t>(k)].Caption = "P" + std::to_string(k);
    fake.controls.Place({ControlKind::TitleBar, 1}, {75, 0, 183, 17});
    app.form.BorderWidth = 3;
  }

  // The library icon last drawn into a title cell, -1 for none.
  int ArrowIcon(int cell) {
    const auto& drawn = fake.controls.controls[{ControlKind::TitleBar, cell}].drawn;
    for (auto it = drawn.rbegin(); it != drawn.rend(); ++it) {
      const std::string prefix = std::string(kLibrary) + "#";
      if (it->kind == "icon" && it->detail.rfind(prefix, 0) == 0) {
        return std::stoi(it->detail.substr(prefix.size()));
      }
    }
    return -1;
  }

  // The text drawn into the caption cell since it was last cleared.
  std::vector<std::string> Caption() {
    std::vector<std::string> texts;
    for (const auto& d : fake.controls.controls[{ControlKind::TitleBar, 1}].drawn) {
      if (d.kind == "caption") texts.push_back(d.detail);
    }
    return texts;
  }

  std::vector<int32_t> History() const { return app.form.history.pages; }
  int32_t Pos() const { return app.form.history.HistoryPos; }
};

}  // namespace velmarin
