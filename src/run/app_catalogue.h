#pragma once
// The apps of Windows 10 and 11 in the Run box: the packaged apps of the Applications folder
// (電卓, 設定, ペイント, which have no shortcut) join the Start menu's programs in one catalogue,
// found by their names and readings as the shortcuts are, and started through the shell by
// their AppUserModelID. A desktop program the folder lists too is there through its shortcut.
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/apps_folder.h"
#include "run/program_catalogue.h"

namespace velmarin {

// Whether the folder's entry is an app of a package (not a desktop program): it names its
// package, or its ID has the form of a package's app, "Name_publisherid!App".
bool IsPackagedApp(const InstalledApp& entry);
// What the shell starts an app by: "shell:AppsFolder\" and its AppUserModelID.
std::string AppLaunchPath(std::string_view appId);

// The packaged apps of the last reading of the folder, each once.
class AppsReading {
 public:
  // Reads the folder (again). True when the apps differ from the last reading's. A folder that
  // cannot be read, or a reading stopped half-way, keeps the last reading's apps.
  bool Read(IAppsFolder& folder, const std::atomic<bool>* stop = nullptr);
  const std::vector<InstalledApp>& Apps() const { return apps_; }

 private:
  std::vector<InstalledApp> apps_;  // by AppUserModelID
};

// The finished catalogue of the Start menu's programs with the apps added, finished again. An
// app whose name is a program's already (its shortcut, or another app) is listed once, by the
// first: the list cannot tell two of one name apart. Without apps: the programs as they are.
ProgramCatalogue WithApps(ProgramCatalogue programs, const std::vector<InstalledApp>& apps);

// When to read the folder again: when the Run box takes the keyboard, at most once a minute.
class AppsRefresh {
 public:
  static constexpr uint64_t kIntervalMs = 60'000;
  // A reading is wanted at nowMs (a clock in milliseconds): true when the last was a minute ago
  // or more, or there was none; the reading then counts from now.
  bool Due(uint64_t nowMs);

 private:
  bool read_ = false;
  uint64_t lastMs_ = 0;
};

}  // namespace velmarin
