#include "win32/program_watch.h"

#include <atomic>
#include <vector>

#include "run/program_menu_read.h"
#include "run/shortcut_memory.h"
#include "win32/com_scope.h"
#include "win32/program_menu.h"
#include "win32/wide.h"

namespace velmarin::win32 {

struct ProgramWatch::Shared {
  HWND window = nullptr;
  UINT message = 0;
  std::atomic<bool> stop{false};
  HANDLE stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ~Shared() {
    if (stopEvent) CloseHandle(stopEvent);
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

// The first reading hands the window the programs' names as soon as they are found, then the
// finished catalogue; a reading after a change, where the window has a finished one, only the
// finished one, reading again only the shortcuts written since the reading before (memory).
void ReadAndPost(ProgramWatch::Shared& shared, IProgramMenu& menu, bool first,
                 ShortcutMemory& memory) {
  const std::vector<FoundShortcut> found = FindShortcuts(menu, &shared.stop);
  if (first) Post(shared, CatalogueOfNames(found));
  Post(shared, ReadShortcuts(menu, found, &shared.stop, &memory));
}

// Waits for the stop or a change; the change notice is armed again. False on the stop.
bool WaitForChange(const std::vector<HANDLE>& handles, DWORD timeout, bool& changed) {
  const DWORD r =
      WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, timeout);
  if (r == WAIT_OBJECT_0 || r == WAIT_FAILED) return false;
  changed = r != WAIT_TIMEOUT;
  if (changed && r > WAIT_OBJECT_0 && r < WAIT_OBJECT_0 + handles.size()) {
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
  std::vector<HANDLE> handles{shared.stopEvent};
  // Armed before the first reading, so that a shortcut made while it runs is read again.
  for (const std::string& folder : menu.ProgramFolders()) {
    HANDLE change = FindFirstChangeNotificationW(Widen(folder).c_str(), TRUE, kChanges);
    if (change != INVALID_HANDLE_VALUE) handles.push_back(change);
  }
  ShortcutMemory memory;
  ReadAndPost(shared, menu, true, memory);
  bool changed = false;
  while (WaitForChange(handles, INFINITE, changed)) {
    if (!changed) continue;
    const ULONGLONG until = GetTickCount64() + kGatherMs;
    bool running = true;
    for (ULONGLONG now = GetTickCount64(); running && now < until; now = GetTickCount64()) {
      running = WaitForChange(handles, static_cast<DWORD>(until - now), changed);
    }
    if (!running) break;
    ReadAndPost(shared, menu, false, memory);
  }
  for (size_t i = 1; i < handles.size(); ++i) FindCloseChangeNotification(handles[i]);
  return 0;
}

}  // namespace

bool ProgramWatch::Start(HWND window, UINT message) {
  if (shared_) return true;
  auto shared = std::make_shared<Shared>();
  if (!shared->stopEvent) return false;
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
  return true;
}

void ProgramWatch::Stop() {
  if (!shared_) return;
  shared_->stop.store(true);
  SetEvent(shared_->stopEvent);
  shared_.reset();
}

}  // namespace velmarin::win32
