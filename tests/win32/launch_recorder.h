#pragma once
// A shell that notes the files it is asked to launch; the other operations are not reached by
// the tests that use it (a click on a cell, Enter in the Run box).
#include <optional>
#include <string>
#include <vector>

#include "platform/shell.h"

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

}  // namespace velmarin::win32
