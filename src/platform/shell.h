#pragma once
// The shell's side of launching: opening items, starting command lines, the recycle bin, the
// format dialog, closing a top-level window and the default beep.
#include <optional>
#include <string>
#include <vector>

namespace velmarin {

// Show states of a launched window, as the shell takes them.
namespace Show {
inline constexpr int kNormal = 1;
inline constexpr int kMinimized = 2;  // minimized, with the focus
inline constexpr int kMaximized = 3;
}  // namespace Show

// The folders of the user's shell the shelf uses.
enum class ShellFolder { Desktop, SendTo };

// A shortcut file: where it is written, what it opens and how.
struct ShellLink {
  std::string linkFile;
  std::string target;
  std::string workDir;   // empty: none set
  std::string args;      // empty: none set
  std::string iconFile;  // empty: none set
  int iconIndex = 0;
  int showCmd = Show::kNormal;
};

class IShell {
 public:
  virtual ~IShell() = default;

  // Opens file through the shell's execute operation with the desktop as owner. An empty verb
  // is the file's default action, empty params hands none. The outcome is not reported: a
  // failed launch shows nothing.
  virtual void Execute(const std::string& verb, const std::string& file, const std::string& params,
                       const std::string& folder, int show) = 0;
  // Starts a command line ("program arguments") with a window style (Show::k...). False when
  // it could not be started.
  virtual bool StartCommandLine(const std::string& commandLine, int windowStyle) = 0;
  // Moves the paths to the recycle bin, silently but with the shell's own confirmation.
  // Returns the shell file operation's code: 0 = done.
  virtual int DeleteToRecycleBin(const std::vector<std::string>& paths) = 0;
  // Opens the shell's format dialog for drive number 0 (A:) .. 25 (Z:) and returns its result
  // (-1 error, -2 cancelled, -3 the drive cannot be formatted).
  virtual int FormatDrive(int driveNumber) = 0;
  // Posts a close message to the first top-level window of the class; false when none is there.
  virtual bool FindWindowByClassAndClose(const std::string& className) = 0;
  virtual void Beep() = 0;
  // What the system's own run dialog would start for a command typed without a path: the
  // environment names in it expanded (%windir%), then a bare name looked up among the
  // registered application paths and on the search path with the executable extensions. The
  // full path of an existing file, or nullopt. Reads the disk and the registry: ask only when
  // the user asks to run.
  virtual std::optional<std::string> FindProgram(const std::string& command) = 0;

  // The shelf's file operations: a folder of the user's shell, a shortcut file written, the
  // property sheet of a file (false with the system's words for the failure).
  virtual std::optional<std::string> FolderPath(ShellFolder folder) = 0;
  virtual bool CreateShellLink(const ShellLink& link) = 0;
  virtual bool ShowProperties(const std::string& path, std::string& failure) = 0;
};

}  // namespace velmarin
