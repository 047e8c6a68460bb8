#pragma once
// An in-memory file system with Windows path rules (case-insensitive, "\" separators). Tests add
// files and folders, set drive types and make queries fail.
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace velmarin {

class FakeFiles : public IFiles {
 public:
  FakeFiles();

  // Test set-up. Parent folders are created as needed.
  void AddFile(const std::string& path, const std::string& bytes = {},
               uint32_t attributes = Attr::kArchive);
  void AddFolder(const std::string& path, uint32_t attributes = Attr::kDirectory);
  void Remove(const std::string& path);
  void SetDriveType(char letter, DriveType type);
  // Queries on paths starting with this drive ("A:") fail, as on a drive without a medium.
  void SetDriveUnreadable(char letter, bool unreadable);
  void SetShortName(const std::string& longPath, const std::string& shortPath);
  void SetLinkTarget(const std::string& linkPath, const std::string& target);
  void FailWrites(bool fail) { failWrites_ = fail; }
  void SetProgramFolder(const std::string& folder) { programFolder_ = folder; }

  bool Exists(const std::string& path) const;
  std::string Contents(const std::string& path) const;
  int writeCount() const { return writes_; }

  std::optional<bool> MatchExists(const std::string& pattern, bool foldersToo) override;
  std::optional<uint32_t> Attributes(const std::string& path) override;
  DriveType TypeOfDrive(const std::string& drive) override;
  std::optional<std::string> ReadAll(const std::string& path) override;
  bool ReplaceAtomically(const std::string& path, const std::string& bytes) override;
  bool Rename(const std::string& from, const std::string& to) override;
  std::vector<std::string> List(const std::string& pattern) override;
  std::optional<std::string> ShortName(const std::string& path) override;
  std::optional<std::string> LongName(const std::string& path) override;
  std::optional<std::string> LinkTarget(const std::string& path) override;
  std::string ProgramFolder() override { return programFolder_; }
  std::string SystemFolder() override { return "C:\\Windows\\System32"; }

 private:
  struct Entry {
    std::string path;  // as added, for listing
    std::string bytes;
    uint32_t attributes = 0;
  };
  static std::string Key(const std::string& path);
  bool Unreadable(const std::string& path) const;

  std::map<std::string, Entry> entries_;  // by Key()
  std::map<char, DriveType> drives_;
  std::set<char> unreadable_;
  std::map<std::string, std::string> shortNames_;  // by Key(long)
  std::map<std::string, std::string> links_;       // by Key(link)
  std::string programFolder_ = "C:\\velmarin";
  bool failWrites_ = false;
  int writes_ = 0;
};

// Matches a Windows wildcard pattern ("*", "?") against a name, ignoring ASCII case.
bool WildcardMatch(const std::string& pattern, const std::string& name);

}  // namespace velmarin
