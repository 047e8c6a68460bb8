#pragma once
// A wired App whose settings file lives in the fake file system, and helpers to write files in
// the form the tests need.
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/settings.h"
#include "launch/settings_items.h"
#include "fake/fake_platform.h"

namespace velmarin {

inline constexpr const char* kIniPath = "C:\\velmarin\\velmarin.ini";
inline constexpr const char* kBakPath = "C:\\velmarin\\velmarin.ini.bak";

// The lines joined with CR LF, each line ended, and nothing after (no closing empty line).
inline std::string CrLf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view line : lines) {
    out.append(line);
    out.append("\r\n");
  }
  return out;
}

// A file in the writer's form: the limits first, then the lines, then the closing empty line.
inline std::string IniWithLimits(std::initializer_list<std::string_view> lines) {
  return CrLf({"MaxPage=2", "MaxButton=3", "MaxDrawer=2"}) + CrLf(lines) + "\r\n";
}

struct SettingsFixture {
  App app;
  FakePlatform fake;

  SettingsFixture() {
    fake.Wire(app);
    fake.files.AddFolder("C:\\velmarin");
  }

  LoadResult Load(const std::string& bytes) {
    fake.files.AddFile(kIniPath, bytes);
    return LoadSettings(app);
  }
  // Loading followed by what start-up does next: the limits clamped, the flags unpacked.
  LoadResult LoadAndStart(const std::string& bytes) {
    const LoadResult result = Load(bytes);
    ClampLimits(app.model);
    UnpackFlags(app.model.settings);
    return result;
  }
  std::string Saved() const { return fake.files.Contents(kIniPath); }
  std::string Cp932(const std::string& utf8) { return fake.text.Utf8ToAnsi(utf8).value(); }
  Button& At(int page, int slot) {
    return app.model.Pages.at(static_cast<size_t>(page)).Buttons.at(static_cast<size_t>(slot));
  }
  const std::vector<ShownMessage>& shown() const { return fake.messageBox.shown; }
};

}  // namespace velmarin
