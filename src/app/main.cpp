// Entry point of velmarin.exe: wires the Win32 backend to the app logic, runs the start-up and
// the message loop.
#include <windows.h>  // first: the other Windows headers need it

#include <memory>

#include "app/program_commands.h"
#include "resource_ids.h"
#include "shell/main_form.h"
#include "win32/current_folder.h"
#include "win32/lazy_shelf_list.h"
#include "win32/main_window.h"
#include "win32/shelf_list_view.h"
#include "win32/win32_desktop.h"
#include "win32/win32_platform.h"
#include "win32/win32_system.h"

namespace {

using namespace velmarin;

// FileIcons: the shelf's six small icons, 1 file, 2 folder, 3 program, 4 applet, 5 shortcut,
// 6 internal command, at the size that fits the screen (16 at 96 DPI, 32 at 192). The shelf's
// list view holds it; a list made anew for another DPI takes its place.
HIMAGELIST LoadShelfIcons(HINSTANCE instance, int size) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, FILEICONS_COUNT, 0);
  if (!list) return nullptr;
  for (int k = 0; k < FILEICONS_COUNT; ++k) {
    HICON icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_FILEICONS + k), IMAGE_ICON, size, size, 0));
    ImageList_ReplaceIcon(list, -1, icon);
    if (icon) DestroyIcon(icon);
  }
  return list;
}

int RunMessageLoop(win32::Win32DialogHost& dialogs) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    // An open About box takes its own keys.
    if (dialogs.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Libraries by name only from the system folder, before anything loads one: never the
  // program's own folder (a download folder may hold anything beside the program) nor the
  // current one. This stays with this process; the programs it starts search as usual.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Relative names resolve in the user's profile folder, as in the system's Run dialog, not in
  // the folder the program was started from.
  win32::MoveToProfileFolder();
  // Static storage: the window procedure may still run while the process ends.
  static App app;
  static win32::Win32Platform platform;
  platform.Wire(app);
  static win32::MainWindow window(app);
  static win32::Win32System system(window);
  app.platform.system = &system;
  app.platform.controls = &window;
  static ProgramCommands commands(app);
  app.commands = &commands;

  window.SetFaceResources(IDB_IMAGELIST1, IDB_IMAGELIST2);
  window.WatchPrograms();
  if (!window.Create(instance, IDI_VELMARIN)) return 1;
  platform.SetOwner(window.Handle());
  app.platform.runList = &window.RunList();
  static win32::Win32Desktop desktop;
  desktop.Attach(window.Handle(), instance, IDI_VELMARIN);
  window.SetDesktop(desktop);
  app.platform.desktop = &desktop;
  // The shelf's list view (and the common controls) wait until the shelf is opened or filled.
  static win32::LazyShelfList shelf([instance]() -> std::unique_ptr<IShelfList> {
    auto list = std::make_unique<win32::Win32ShelfList>(
        window.Handle(), win32::kStorageControlId,
        LoadShelfIcons(instance, window.Scale().IconSize(16)));
    list->SetMouseHandler([](MouseAction action, MouseButton button, int shift, POINT point) {
      window.OnShelfMouse(action, button, shift, point);
    });
    window.AttachShelfList(*list, [instance](int size) { return LoadShelfIcons(instance, size); });
    window.PlaceStorageAgain();
    return list;
  });
  app.platform.shelf = &shelf;

  if (Form_Load(app) != StartResult::Running) {
    // A second instance, or a Cancel in a settings-file question: end at once, nothing saved.
    app.form.unloaded = true;
    DestroyWindow(window.Handle());
    return 0;
  }
  window.FinishStart();
  return RunMessageLoop(platform.dialogs);
}
