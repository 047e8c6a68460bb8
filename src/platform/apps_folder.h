#pragma once
// The apps of Windows 10 and 11 as the shell's Applications folder lists them: the packaged apps
// that have no shortcut anywhere, and the desktop programs the Start menu's shortcuts hold
// already. Read on the thread that reads the Start menu; one object per thread.
#include <atomic>
#include <string>
#include <vector>

namespace velmarin {

// An entry of the Applications folder.
struct InstalledApp {
  std::string name;           // as the Start menu shows it, in the system's language
  std::string appId;          // the AppUserModelID the shell starts it by
  std::string packageFamily;  // the package it comes in; empty for a desktop program
};

class IAppsFolder {
 public:
  virtual ~IAppsFolder() = default;
  // Every entry of the folder, in its order. False when the system has no such folder (an older
  // Windows) or it cannot be read: there are no apps then. When stop becomes true the listing
  // ends early with what it has.
  virtual bool List(std::vector<InstalledApp>& apps, const std::atomic<bool>* stop) = 0;
};

// The reader of the Start menu's programs, which works away from the window.
class IProgramReader {
 public:
  virtual ~IProgramReader() = default;
  // The user is about to type in the Run box: apps installed or removed since the folder was
  // last read are looked for, on the reader's own thread; a change brings a new catalogue.
  virtual void LookForNewApps() = 0;
};

}  // namespace velmarin
