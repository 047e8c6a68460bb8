#include "run/app_catalogue.h"

#include <algorithm>
#include <unordered_set>

#include "core/tool_tip_index.h"

namespace velmarin {

namespace {

// A package's publisher ID: 13 letters and digits of base 32 (no i, l, o or u).
bool IsPublisherId(std::string_view s) {
  return s.size() == 13 && std::all_of(s.begin(), s.end(), [](char c) {
           c = FoldAscii(c);
           return (c >= '0' && c <= '9') ||
                  (c >= 'a' && c <= 'z' && c != 'i' && c != 'l' && c != 'o' && c != 'u');
         });
}

std::string Folded(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = FoldAscii(c);
  return out;
}

bool SameApps(const std::vector<InstalledApp>& a, const std::vector<InstalledApp>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const InstalledApp& x, const InstalledApp& y) {
                      return x.appId == y.appId && x.name == y.name;
                    });
}

}  // namespace

bool IsPackagedApp(const InstalledApp& entry) {
  if (entry.name.empty() || entry.appId.empty()) return false;
  if (!entry.packageFamily.empty()) return true;
  // The package family's name, "!", the app's ID within the package.
  const std::string_view id = entry.appId;
  const size_t bang = id.find('!');
  if (bang == std::string_view::npos || bang + 1 >= id.size() ||
      id.find('!', bang + 1) != std::string_view::npos) {
    return false;
  }
  const std::string_view family = id.substr(0, bang);
  const size_t underscore = family.rfind('_');
  return underscore != std::string_view::npos && underscore > 0 &&
         IsPublisherId(family.substr(underscore + 1));
}

std::string AppLaunchPath(std::string_view appId) {
  return "shell:AppsFolder\\" + std::string(appId);
}

bool AppsReading::Read(IAppsFolder& folder, const std::atomic<bool>* stop) {
  std::vector<InstalledApp> entries;
  if (!folder.List(entries, stop) || (stop && stop->load())) return false;
  std::vector<InstalledApp> apps;
  std::unordered_set<std::string> ids;
  for (InstalledApp& e : entries) {
    if (IsPackagedApp(e) && ids.insert(Folded(e.appId)).second) apps.push_back(std::move(e));
  }
  std::sort(apps.begin(), apps.end(),
            [](const InstalledApp& x, const InstalledApp& y) { return x.appId < y.appId; });
  if (SameApps(apps, apps_)) return false;
  apps_ = std::move(apps);
  return true;
}

ProgramCatalogue WithApps(ProgramCatalogue programs, const std::vector<InstalledApp>& apps) {
  if (apps.empty()) return programs;
  ProgramCatalogue merged;
  for (uint32_t n = 0; n < programs.size(); ++n) merged.AddFrom(programs, n);
  std::unordered_set<std::string> names;  // the apps' added so far
  for (const InstalledApp& app : apps) {
    if (programs.Named(app.name) || !names.insert(Folded(app.name)).second) continue;
    const std::string path = AppLaunchPath(app.appId);
    merged.Add(app.name, {}, path, path, {});
  }
  merged.Finish();
  return merged;
}

bool AppsRefresh::Due(uint64_t nowMs) {
  if (read_ && nowMs - lastMs_ < kIntervalMs) return false;
  read_ = true;
  lastMs_ = nowMs;
  return true;
}

}  // namespace velmarin
