#include "win32/program_watch.h"

#include <atomic>
#include <vector>

#include "run/app_catalogue.h"
#include "run/program_menu_read.h"
#include "run/shortcut_memory.h"
#include "win32/apps_folder.h"
#include "win32/com_scope.h"
#include "win32/message_wait.h"
#include "win32/program_menu.h"
#include "win32/wide.h"

namespace velmarin::win32 {

struct ProgramWatch::Shared {
  HWND window = nullptr;
  UINT message = 0;
  std::atomic<bool> stop{false};
  HANDLE stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // Set when the Run box wants the Applications folder read again.
  HANDLE appsWanted = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  ~Shared() {
    if (stopEvent) CloseHandle(stopEvent);
    if (appsWanted) CloseHandle(appsWanted);
  }
};

namespace {

// Changes gathered before the menu is read again.
constexpr DWORD kGatherMs = 500;
constexpr DWORD kChanges =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;

void Post(ProgramWatch::Shared& shared, ProgramCatalogue catalogue) {
  if (shared.stop.load()) return;
  auto handed = std::make_unique<ProgramCatalogue>(std::move(catalogue));
  if (PostMessageW(shared.window, shared.message, 0, reinterpret_cast<LPARAM>(handed.get()))) {
    handed.release();  // the window owns it now
  }
}

// The apps of the Applications folder, read on this thread.
struct Apps {
  Win32AppsFolder folder;
  AppsReading reading;
  bool wanted = false;  // the Run box asked for them while the menu's changes were gathered
};

// The first reading hands the window the programs' names as soon as they are found, then the
// finished catalogue with the apps; a reading after a change, where the window has a finished
// one, only the finished one, reading again only the shortcuts written since the reading before
// (memory).
void ReadAndPost(ProgramWatch::Shared& shared, IProgramMenu& menu, Apps& apps, bool first,
                 ShortcutMemory& memory) {
  const std::vector<FoundShortcut> found = FindShortcuts(menu, &shared.stop);
  if (first) Post(shared, CatalogueOfNames(found));
  // After the names: the first step stays as quick as it was.
  if (first || apps.wanted) apps.reading.Read(apps.folder, &shared.stop);
  apps.wanted = false;
  Post(shared, WithApps(ReadShortcuts(menu, found, &shared.stop, &memory), apps.reading.Apps()));
}

// Handles waited for: the stop, the Run box's wish for the apps, then the change notices.
constexpr size_t kStopHandle = 0;
constexpr size_t kAppsHandle = 1;

// Waits for the stop, the Run box's wish or a change; the change notice is armed again. False
// on the stop.
bool WaitForChange(const std::vector<HANDLE>& handles, DWORD timeout, bool& changed,
                   bool& appsWanted) {
  // COM and the shell may have made windows on this thread: their messages are handled.
  const DWORD r = WaitHandlingMessages(handles, timeout);
  if (r == WAIT_OBJECT_0 + kStopHandle || r == WAIT_FAILED) return false;
  changed = false;
  if (r == WAIT_OBJECT_0 + kAppsHandle) {
    appsWanted = true;
  } else if (r > WAIT_OBJECT_0 + kAppsHandle && r < WAIT_OBJECT_0 + handles.size()) {
    changed = true;
    FindNextChangeNotification(handles[r - WAIT_OBJECT_0]);
  }
  return true;
}

DWORD WINAPI WatchThread(void* parameter) {
  const std::unique_ptr<std::shared_ptr<ProgramWatch::Shared>> own(
      static_cast<std::shared_ptr<ProgramWatch::Shared>*>(parameter));
  ProgramWatch::Shared& shared = **own;
  ComScope com;
  Win32ProgramMenu menu;
  Apps apps;
  std::vector<HANDLE> handles{shared.stopEvent, shared.appsWanted};
  // Armed before the first reading, so that a shortcut made while it runs is read again.
  for (const std::string& folder : menu.ProgramFolders()) {
    HANDLE change = FindFirstChangeNotificationW(Widen(folder).c_str(), TRUE, kChanges);
    if (change != INVALID_HANDLE_VALUE) handles.push_back(change);
  }
  ShortcutMemory memory;
  ReadAndPost(shared, menu, apps, true, memory);
  bool changed = false;
  while (WaitForChange(handles, INFINITE, changed, apps.wanted)) {
    if (!changed) {
      // The menu is read again only when the apps changed.
      const bool appsChanged = apps.wanted && apps.reading.Read(apps.folder, &shared.stop);
      apps.wanted = false;
      if (appsChanged) ReadAndPost(shared, menu, apps, false, memory);
      continue;
    }
    const ULONGLONG until = GetTickCount64() + kGatherMs;
    bool running = true;
    for (ULONGLONG now = GetTickCount64(); running && now < until; now = GetTickCount64()) {
      running = WaitForChange(handles, static_cast<DWORD>(until - now), changed, apps.wanted);
    }
    if (!running) break;
    ReadAndPost(shared, menu, apps, false, memory);
  }
  for (size_t i = kAppsHandle + 1; i < handles.size(); ++i) FindCloseChangeNotification(handles[i]);
  return 0;
}

}  // namespace

bool ProgramWatch::Start(HWND window, UINT message) {
  if (shared_) return true;
  auto shared = std::make_shared<Shared>();
  if (!shared->stopEvent || !shared->appsWanted) return false;
  shared->window = window;
  shared->message = message;
  auto* handed = new std::shared_ptr<Shared>(shared);
  HANDLE thread = CreateThread(nullptr, 0, &WatchThread, handed, CREATE_SUSPENDED, nullptr);
  if (!thread) {
    delete handed;
    return false;
  }
  // Below the window's thread: the window answers first.
  SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
  ResumeThread(thread);
  CloseHandle(thread);
  shared_ = std::move(shared);
  // The first reading counts as the minute's.
  refresh_.Due(GetTickCount64());
  return true;
}

void ProgramWatch::LookForNewApps() {
  if (shared_ && refresh_.Due(GetTickCount64())) SetEvent(shared_->appsWanted);
}

void ProgramWatch::Stop() {
  if (!shared_) return;
  shared_->stop.store(true);
  SetEvent(shared_->stopEvent);
  shared_.reset();
}

}  // namespace velmarin::win32
