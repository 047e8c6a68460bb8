#pragma once
// The shell's Applications folder read for the Run box: each item's name as the Start menu shows
// it, its AppUserModelID and its package. For the thread that reads the Start menu; COM must be
// usable on it. Without the folder (Wine, a Windows before 8) List answers false.
#include <shobjidl.h>
#include <windows.h>

#include "platform/apps_folder.h"

namespace velmarin::win32 {

class Win32AppsFolder : public IAppsFolder {
 public:
  bool List(std::vector<InstalledApp>& apps, const std::atomic<bool>* stop) override;
  // The entries of the items an enumerator of the folder gives, in its order; an item without a
  // name or an ID is left out.
  static void ListItems(IEnumShellItems& items, std::vector<InstalledApp>& apps,
                        const std::atomic<bool>* stop);
};

}  // namespace velmarin::win32
