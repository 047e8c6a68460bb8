#pragma once
// The shell for tests: every call is recorded; results and the windows that exist are scripted.
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace velmarin {

class FakeShell : public IShell {
 public:
  struct Execution {
    std::string verb;
    std::string file;
    std::string params;
    std::string folder;
    int show = 0;
  };
  struct CommandLine {
    std::string commandLine;
    int windowStyle = 0;
  };

  void Execute(const std::string& verb, const std::string& file, const std::string& params,
               const std::string& folder, int show) override;
  bool StartCommandLine(const std::string& commandLine, int windowStyle) override;
  int DeleteToRecycleBin(const std::vector<std::string>& paths) override;
  int FormatDrive(int driveNumber) override;
  bool FindWindowByClassAndClose(const std::string& className) override;
  void Beep() override { ++beeps; }
  std::optional<std::string> FindProgram(const std::string& command) override;
  std::optional<std::string> FolderPath(ShellFolder folder) override;
  bool CreateShellLink(const ShellLink& link) override;
  bool ShowProperties(const std::string& path, std::string& failure) override;

  // Nothing launched, started, deleted, formatted, closed or sounded.
  bool Quiet() const;

  std::vector<Execution> executions;
  std::vector<CommandLine> commandLines;
  std::vector<std::vector<std::string>> deletions;
  std::vector<int> formats;                // drive numbers
  std::vector<std::string> closeRequests;  // class names asked for, found or not
  std::vector<std::string> closed;         // class names whose window was sent a close
  int beeps = 0;

  // Scripted answers.
  int deleteResult = 0;
  int formatResult = 0;
  std::set<std::string> windowClasses;  // top-level windows that exist
  // What the recycle bin does with the paths it is given (for example, take them off the fake
  // file system); nothing by default.
  std::function<void(const std::vector<std::string>&)> whenDeleting;
  std::optional<std::string> desktop = std::string("C:\\Users\\me\\Desktop");
  std::optional<std::string> sendTo = std::string("C:\\Users\\me\\SendTo");
  bool linksFail = false;         // CreateShellLink answers false
  std::vector<ShellLink> links;   // written (or tried, when they fail)
  std::string propertiesFailure;  // not empty: ShowProperties fails with these words
  std::vector<std::string> properties;
  // Commands and the programs they name (keys compared exactly); every question is noted.
  std::map<std::string, std::string> programs;
  std::vector<std::string> programQuestions;
};

}  // namespace velmarin
