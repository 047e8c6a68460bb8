#pragma once
// The file system of a real Windows system, through the wide API calls.
#include "platform/files.h"

namespace velmarin::win32 {

class Win32Files : public IFiles {
 public:
  // Turns off the system's "no disk in drive" boxes for the process, so that a query of an empty
  // floppy fails quietly instead.
  Win32Files();

  std::optional<bool> MatchExists(const std::string& pattern, bool foldersToo) override;
  std::optional<uint32_t> Attributes(const std::string& path) override;
  AttributeQuery QueryAttributes(const std::string& path) override;
  DriveType TypeOfDrive(const std::string& drive) override;
  std::optional<std::string> ReadAll(const std::string& path) override;
  bool ReplaceAtomically(const std::string& path, const std::string& bytes) override;
  bool Rename(const std::string& from, const std::string& to) override;
  std::vector<std::string> List(const std::string& pattern) override;
  std::optional<std::string> ShortName(const std::string& path) override;
  std::optional<std::string> LongName(const std::string& path) override;
  std::optional<std::string> LinkTarget(const std::string& path) override;
  std::string ProgramFolder() override;
  std::string SystemFolder() override;
};

}  // namespace velmarin::win32
