#pragma once
// The Applications folder for tests: the entries put in it, or none at all.
#include <string>
#include <vector>

#include "platform/apps_folder.h"

namespace velmarin {

class FakeAppsFolder : public IAppsFolder {
 public:
  bool exists = true;  // false: a system without the folder
  std::vector<InstalledApp> entries;
  int listed = 0;  // readings so far

  bool List(std::vector<InstalledApp>& apps, const std::atomic<bool>* stop) override {
    ++listed;
    if (!exists) return false;
    for (const InstalledApp& a : entries) {
      if (stop && stop->load()) break;
      apps.push_back(a);
    }
    return true;
  }
};

// Notes how often the Run box asked for new apps.
class FakeProgramReader : public IProgramReader {
 public:
  int asked = 0;
  void LookForNewApps() override { ++asked; }
};

}  // namespace velmarin
