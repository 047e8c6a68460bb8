#include "fake/fake_shell.h"

namespace velmarin {

void FakeShell::Execute(const std::string& verb, const std::string& file, const std::string& params,
                        const std::string& folder, int show) {
  executions.push_back({verb, file, params, folder, show});
}

bool FakeShell::StartCommandLine(const std::string& commandLine, int windowStyle) {
  commandLines.push_back({commandLine, windowStyle});
  return true;
}

int FakeShell::DeleteToRecycleBin(const std::vector<std::string>& paths) {
  deletions.push_back(paths);
  if (whenDeleting) whenDeleting(paths);
  return deleteResult;
}

int FakeShell::FormatDrive(int driveNumber) {
  formats.push_back(driveNumber);
  return formatResult;
}

bool FakeShell::FindWindowByClassAndClose(const std::string& className) {
  closeRequests.push_back(className);
  if (windowClasses.count(className) == 0) return false;
  closed.push_back(className);
  return true;
}

std::optional<std::string> FakeShell::FolderPath(ShellFolder folder) {
  return folder == ShellFolder::Desktop ? desktop : sendTo;
}

bool FakeShell::CreateShellLink(const ShellLink& link) {
  links.push_back(link);
  return !linksFail;
}

bool FakeShell::ShowProperties(const std::string& path, std::string& failure) {
  properties.push_back(path);
  failure = propertiesFailure;
  return propertiesFailure.empty();
}

std::optional<std::string> FakeShell::FindProgram(const std::string& command) {
  programQuestions.push_back(command);
  const auto found = programs.find(command);
  if (found == programs.end()) return std::nullopt;
  return found->second;
}

bool FakeShell::Quiet() const {
  return executions.empty() && commandLines.empty() && deletions.empty() && formats.empty() &&
         closeRequests.empty() && beeps == 0;
}

}  // namespace velmarin
