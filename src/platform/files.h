#pragma once
// The file system as the launcher needs it. Paths are UTF-8 with Windows syntax ("C:\dir\file").
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmarin {

// File attribute bits as the file system reports them.
namespace Attr {
inline constexpr uint32_t kReadOnly = 0x01;
inline constexpr uint32_t kHidden = 0x02;
inline constexpr uint32_t kSystem = 0x04;
inline constexpr uint32_t kDirectory = 0x10;
inline constexpr uint32_t kArchive = 0x20;
inline constexpr uint32_t kNormal = 0x80;
}  // namespace Attr

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

// Why an attribute query failed.
enum class FileFailure { None, BadName, Other };

struct AttributeQuery {
  std::optional<uint32_t> attributes;       // empty when the query failed
  FileFailure failure = FileFailure::None;  // why, when it failed
  std::string description;                  // the system's own words for the failure
};

class IFiles {
 public:
  virtual ~IFiles() = default;

  // Whether anything matches the path or wildcard pattern. With foldersToo, folders count as
  // well as files; without it only plain files count. std::nullopt when the query itself fails
  // (a drive without a medium, a malformed path).
  virtual std::optional<bool> MatchExists(const std::string& pattern, bool foldersToo) = 0;
  // Attribute bits of an existing path; std::nullopt when it does not exist or cannot be read.
  virtual std::optional<uint32_t> Attributes(const std::string& path) = 0;
  // Attribute bits, or why they could not be read. A backend that knows the system's reason
  // overrides this; by default a name with wildcards or characters no file name may hold is a
  // bad name and any other failure has no description.
  virtual AttributeQuery QueryAttributes(const std::string& path) {
    AttributeQuery query;
    query.attributes = Attributes(path);
    if (!query.attributes) {
      const bool badName = path.find_first_of("*?<>|\"") != std::string::npos;
      query.failure = badName ? FileFailure::BadName : FileFailure::Other;
    }
    return query;
  }
  // Type of a drive named "A:" (no backslash needed).
  virtual DriveType TypeOfDrive(const std::string& drive) = 0;
  // The whole file as raw bytes; std::nullopt when it cannot be opened or read.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  // Writes bytes to a temporary file in the same folder and renames it over `path`, so that a
  // failure half-way leaves the old file whole. False on any failure (no temporary file is left).
  // The temporary files of an earlier replace whose program was killed are deleted first.
  virtual bool ReplaceAtomically(const std::string& path, const std::string& bytes) = 0;
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  // Names (not full paths) of the entries matching a pattern such as "C:\dir\*.lnk".
  virtual std::vector<std::string> List(const std::string& pattern) = 0;
  // Short (8.3) and long forms of an existing path; std::nullopt on failure.
  virtual std::optional<std::string> ShortName(const std::string& path) = 0;
  virtual std::optional<std::string> LongName(const std::string& path) = 0;
  // The target of a shortcut (.lnk) file; std::nullopt when it is not a readable shortcut.
  virtual std::optional<std::string> LinkTarget(const std::string& path) = 0;
  // The folder of the running program and the system folder, without a trailing backslash.
  virtual std::string ProgramFolder() = 0;
  virtual std::string SystemFolder() = 0;
};

}  // namespace velmarin
