// clang-format off
#include "win32/apps_folder.h"  // first: it brings the Windows headers
#include <knownfolders.h>
#include <shlguid.h>
#include <shlobj.h>
// clang-format on

#include "win32/com_scope.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

// System.AppUserModel.ID and System.AppUserModel.PackageFamilyName (propkey.h of the Windows
// SDK; the second is missing from the MinGW headers).
constexpr PROPERTYKEY kAppUserModelId{
    {0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}}, 5};
constexpr PROPERTYKEY kPackageFamilyName{
    {0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}}, 17};

// A string the shell handed over, freed. (Asked for before: an argument list may read text
// before the call that fills it has run.)
std::string Taken(HRESULT result, PWSTR text) {
  std::string s = SUCCEEDED(result) && text ? Narrow(text) : std::string();
  CoTaskMemFree(text);
  return s;
}

std::string DisplayName(IShellItem& item, SIGDN form) {
  PWSTR text = nullptr;
  const HRESULT result = item.GetDisplayName(form, &text);
  return Taken(result, text);
}

std::string Property(IShellItem2* item, const PROPERTYKEY& key) {
  if (!item) return {};
  PWSTR text = nullptr;
  const HRESULT result = item->GetString(key, &text);
  return Taken(result, text);
}

}  // namespace

void Win32AppsFolder::ListItems(IEnumShellItems& items, std::vector<InstalledApp>& apps,
                                const std::atomic<bool>* stop) {
  while (!(stop && stop->load(std::memory_order_relaxed))) {
    IShellItem* next = nullptr;
    ULONG fetched = 0;
    if (items.Next(1, &next, &fetched) != S_OK || fetched != 1 || !next) {
      if (next) next->Release();
      break;
    }
    ComPtr<IShellItem2> properties;
    next->QueryInterface(IID_IShellItem2, properties.Out());
    InstalledApp app;
    app.name = DisplayName(*next, SIGDN_NORMALDISPLAY);
    // An item of the folder is parsed by its AppUserModelID.
    app.appId = Property(properties.get(), kAppUserModelId);
    if (app.appId.empty()) app.appId = DisplayName(*next, SIGDN_PARENTRELATIVEPARSING);
    app.packageFamily = Property(properties.get(), kPackageFamilyName);
    next->Release();
    if (!app.name.empty() && !app.appId.empty()) apps.push_back(std::move(app));
  }
}

bool Win32AppsFolder::List(std::vector<InstalledApp>& apps, const std::atomic<bool>* stop) {
  ComPtr<IShellItem> folder;
  if (FAILED(SHGetKnownFolderItem(FOLDERID_AppsFolder, KF_FLAG_DEFAULT, nullptr, IID_IShellItem,
                                  folder.Out())) ||
      !folder.get()) {
    return false;
  }
  ComPtr<IEnumShellItems> items;
  if (FAILED(folder->BindToHandler(nullptr, BHID_EnumItems, IID_IEnumShellItems, items.Out())) ||
      !items.get()) {
    return false;
  }
  ListItems(*items.get(), apps, stop);
  return true;
}

}  // namespace velmarin::win32
