#pragma once
// A shell that notes the files it is asked to launch; the other operations are not reached by
// the tests that use it (a click on a cell, Enter in the Run box). And the window it serves.
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "win32/main_window.h"
#include "win32/win32_system.h"

namespace velmarin::win32 {

struct LaunchRecorder : IShell {
  std::vector<std::string> launched;
  void Execute(const std::string&, const std::string& file, const std::string&, const std::string&,
               int) override {
    launched.push_back(file);
  }
  bool StartCommandLine(const std::string&, int) override { return false; }
  int DeleteToRecycleBin(const std::vector<std::string>&) override { return -1; }
  int FormatDrive(int) override { return -1; }
  bool FindWindowByClassAndClose(const std::string&) override { return false; }
  void Beep() override {}
  std::optional<std::string> FolderPath(ShellFolder) override { return std::nullopt; }
  bool CreateShellLink(const ShellLink&) override { return false; }
  bool ShowProperties(const std::string&, std::string&) override { return false; }
  std::optional<std::string> FindProgram(const std::string&) override { return std::nullopt; }
};

// The real window on one page of ten buttons, its launches recorded; made with Create().
struct RecordedRow {
  App app;
  MainWindow window{app};
  Win32System system{window};
  LaunchRecorder shell;
  RecordedRow() {
    app.platform.controls = &window;
    app.platform.system = &system;
    app.platform.shell = &shell;
    app.model.settings.MaxButton = 10;
    app.model.Pages.resize(1);
    app.model.PageCount = 1;
  }
  ~RecordedRow() {
    if (window.Handle()) DestroyWindow(window.Handle());
    // The window ends the message loop when it goes; later tests' own loops would see that.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
};

}  // namespace velmarin::win32
