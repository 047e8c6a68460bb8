// The Applications folder's reader fed with shell items made here (Wine has no such folder):
// the names and IDs it takes, the packaged apps the Run box then finds by name and reading, and
// what Enter starts. Under Wine the real folder gives no apps.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shobjidl.h>
// clang-format on

#include "win32/apps_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run/app_catalogue.h"
#include "run/program_search.h"
#include "run/run_box.h"
#include "launch_recorder.h"
#include "win32/com_scope.h"
#include "win32/main_window.h"
#include "win32/wide.h"
#include "win32/win32_system.h"

namespace velmarin::win32 {
namespace {

bool SameKey(const PROPERTYKEY& key, DWORD pid) {
  static const GUID kAppUserModel{
      0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}};
  return IsEqualGUID(key.fmtid, kAppUserModel) && key.pid == pid;
}

HRESULT Handed(const std::wstring& s, LPWSTR* out) {
  *out = nullptr;
  if (s.empty()) return E_FAIL;
  *out = static_cast<LPWSTR>(CoTaskMemAlloc((s.size() + 1) * sizeof(wchar_t)));
  if (!*out) return E_OUTOFMEMORY;
  wcscpy(*out, s.c_str());
  return S_OK;
}

// An item as the folder gives one: its display and parsing names, and the properties an app
// has (an ID, a package) when it has them.
class Item final : public IShellItem2 {
 public:
  Item(std::wstring name, std::wstring parsing, std::wstring id, std::wstring family)
      : name_(std::move(name)),
        parsing_(std::move(parsing)),
        id_(std::move(id)),
        family_(std::move(family)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IShellItem) &&
        !IsEqualIID(riid, IID_IShellItem2)) {
      return E_NOINTERFACE;
    }
    *ppv = static_cast<IShellItem2*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetDisplayName(SIGDN form, LPWSTR* out) override {
    return Handed(form == SIGDN_NORMALDISPLAY           ? name_
                  : form == SIGDN_PARENTRELATIVEPARSING ? parsing_
                                                        : L"",
                  out);
  }
  HRESULT STDMETHODCALLTYPE GetString(REFPROPERTYKEY key, LPWSTR* out) override {
    *out = nullptr;
    if (SameKey(key, 5)) return Handed(id_, out);
    if (SameKey(key, 17)) return Handed(family_, out);
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE BindToHandler(IBindCtx*, REFGUID, REFIID, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetParent(IShellItem**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetAttributes(SFGAOF, SFGAOF*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Compare(IShellItem*, SICHINTF, int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetPropertyStore(GETPROPERTYSTOREFLAGS, REFIID, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyStoreWithCreateObject(GETPROPERTYSTOREFLAGS, IUnknown*,
                                                             REFIID, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyStoreForKeys(const PROPERTYKEY*, UINT, GETPROPERTYSTOREFLAGS,
                                                    REFIID, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyDescriptionList(REFPROPERTYKEY, REFIID, void**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Update(IBindCtx*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetProperty(REFPROPERTYKEY, PROPVARIANT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCLSID(REFPROPERTYKEY, CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetFileTime(REFPROPERTYKEY, FILETIME*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetInt32(REFPROPERTYKEY, int*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetUInt32(REFPROPERTYKEY, ULONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetUInt64(REFPROPERTYKEY, ULONGLONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBool(REFPROPERTYKEY, WINBOOL*) override { return E_NOTIMPL; }

 private:
  ~Item() = default;
  std::wstring name_, parsing_, id_, family_;
  ULONG refs_ = 1;
};

struct ItemData {
  std::wstring name, parsing, id, family;
};

// The folder's enumerator: one item at a time, as the shell hands them.
class Items final : public IEnumShellItems {
 public:
  explicit Items(std::vector<ItemData> data) : data_(std::move(data)) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    *ppv = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IEnumShellItems)) {
      return E_NOINTERFACE;
    }
    *ppv = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }  // lives on the test's stack
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, IShellItem** items, ULONG* fetched) override {
    *fetched = 0;
    if (count == 0 || at_ >= data_.size()) return S_FALSE;
    const ItemData& d = data_[at_++];
    items[0] = new Item(d.name, d.parsing, d.id, d.family);
    *fetched = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Reset() override {
    at_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumShellItems**) override { return E_NOTIMPL; }

 private:
  std::vector<ItemData> data_;
  size_t at_ = 0;
};

// The folder read through the adapter, from the items above.
struct HandMadeFolder : IAppsFolder {
  Items items;
  explicit HandMadeFolder(std::vector<ItemData> data) : items(std::move(data)) {}
  bool List(std::vector<InstalledApp>& apps, const std::atomic<bool>* stop) override {
    items.Reset();
    Win32AppsFolder::ListItems(items, apps, stop);
    return true;
  }
};


const std::vector<ItemData> kWindows11 = {
    {L"電卓", L"Microsoft.WindowsCalculator_8wekyb3d8bbwe!App",
     L"Microsoft.WindowsCalculator_8wekyb3d8bbwe!App",
     L"Microsoft.WindowsCalculator_8wekyb3d8bbwe"},
    // No ID property: the parsing name is the ID.
    {L"設定",
     L"windows.immersivecontrolpanel_cw5n1h2txyewy!microsoft.windows.immersivecontrolpanel", L"",
     L""},
    {L"メディア プレーヤー", L"x", L"Microsoft.ZuneMusic_8wekyb3d8bbwe!Microsoft.ZuneMusic",
     L"Microsoft.ZuneMusic_8wekyb3d8bbwe"},
    // A desktop program, in the Start menu through its shortcut.
    {L"Word", L"Microsoft.Office.WINWORD.EXE.15", L"Microsoft.Office.WINWORD.EXE.15", L""},
    {L"", L"Microsoft.Nameless_8wekyb3d8bbwe!App", L"", L""},  // no name: left out
};

TEST(AppsFolder, ItemsGiveNamesIdsAndPackages) {
  ComScope com;
  Items items(kWindows11);
  std::vector<InstalledApp> apps;
  Win32AppsFolder::ListItems(items, apps, nullptr);
  ASSERT_EQ(apps.size(), 4u);
  const struct {
    const char* name;
    const char* id;
    const char* family;
  } rows[] = {
      {"電卓", "Microsoft.WindowsCalculator_8wekyb3d8bbwe!App",
       "Microsoft.WindowsCalculator_8wekyb3d8bbwe"},
      {"設定",
       "windows.immersivecontrolpanel_cw5n1h2txyewy!microsoft.windows.immersivecontrolpanel", ""},
      {"メディア プレーヤー", "Microsoft.ZuneMusic_8wekyb3d8bbwe!Microsoft.ZuneMusic",
       "Microsoft.ZuneMusic_8wekyb3d8bbwe"},
      {"Word", "Microsoft.Office.WINWORD.EXE.15", ""},
  };
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(apps[i].name, rows[i].name);
    EXPECT_EQ(apps[i].appId, rows[i].id);
    EXPECT_EQ(apps[i].packageFamily, rows[i].family);
  }
  // A stop between items ends the listing.
  std::atomic<bool> stop{true};
  std::vector<InstalledApp> none;
  items.Reset();
  Win32AppsFolder::ListItems(items, none, &stop);
  EXPECT_TRUE(none.empty());
}

TEST(AppsFolder, TheRunBoxFindsAndStartsTheApps) {
  ComScope com;
  RecordedRow row;
  App& app = row.app;
  MainWindow& window = row.window;
  LaunchRecorder& shell = row.shell;
  ASSERT_TRUE(window.Create(GetModuleHandleW(nullptr)));
  app.platform.runList = &window.RunList();
  HWND box = window.RunBox();
  ASSERT_NE(box, nullptr);

  HandMadeFolder folder(kWindows11);
  AppsReading reading;
  ASSERT_TRUE(reading.Read(folder));
  ProgramsRead(app, WithApps(ProgramCatalogue(), reading.Apps()));
  const auto listed = [&](const wchar_t* typed) {
    SetWindowTextW(box, L"");
    Run_Change(app);
    SetWindowTextW(box, typed);
    SendMessageW(box, CB_SETEDITSEL, 0, MAKELPARAM(-1, -1));
    Run_Change(app);
    std::vector<std::string> entries;
    const auto count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t entry[128] = {};
      SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
      entries.push_back(Narrow(entry));
    }
    return entries;
  };
  using L = std::vector<std::string>;
  EXPECT_EQ(listed(L"dentaku"), L{"電卓"});
  EXPECT_EQ(listed(L"めでぃ"), L{"メディア プレーヤー"});
  EXPECT_EQ(listed(L"wo"), L{}) << "a desktop program comes with its shortcut";

  const struct {
    const wchar_t* text;
    std::string started;
  } rows[] = {
      {L"電卓", "shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App"},
      {L"メディア プレーヤー",
       "shell:AppsFolder\\Microsoft.ZuneMusic_8wekyb3d8bbwe!Microsoft.ZuneMusic"},
      {L"設定",
       "shell:AppsFolder\\windows.immersivecontrolpanel_cw5n1h2txyewy!microsoft.windows."
       "immersivecontrolpanel"},
  };
  for (const auto& row : rows) {
    shell.launched.clear();
    SetWindowTextW(box, row.text);
    Run_KeyPress(app, 13);
    ASSERT_EQ(shell.launched.size(), 1u) << row.started;
    EXPECT_EQ(shell.launched[0], row.started);
    EXPECT_EQ(GetWindowTextLengthW(box), 0);
  }
  DestroyWindow(window.Handle());
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

// Wine has no Applications folder: the Run box lists the shortcuts alone, and nobody is told.
TEST(AppsFolder, WithoutTheFolderThereAreNoApps) {
  ComScope com;
  Win32AppsFolder folder;
  std::vector<InstalledApp> entries;
  if (folder.List(entries, nullptr)) GTEST_SKIP() << "this system has the folder";
  AppsReading reading;
  EXPECT_FALSE(reading.Read(folder));
  EXPECT_TRUE(reading.Apps().empty());
}

}  // namespace
}  // namespace velmarin::win32
