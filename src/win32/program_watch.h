#pragma once
// The Start menu's programs, read on a thread of their own so that the window never waits for
// them: once when started (after the window has shown), and again half a second after a change
// in the menu's folders, the changes of that half second gathered into one reading. The apps of
// the Applications folder join each finished catalogue; they are looked at again when the Run
// box asks (LookForNewApps), at most once a minute, and the menu read again only when they
// changed. Each finished catalogue is posted to the window; the window takes it with Take.
#include <windows.h>

#include <memory>

#include "platform/apps_folder.h"
#include "run/app_catalogue.h"
#include "run/program_catalogue.h"

namespace velmarin::win32 {

class ProgramWatch : public IProgramReader {
 public:
  ProgramWatch() = default;
  ~ProgramWatch() override { Stop(); }
  ProgramWatch(const ProgramWatch&) = delete;
  ProgramWatch& operator=(const ProgramWatch&) = delete;

  // Starts reading; each catalogue comes to window as message with the catalogue in lParam.
  // False when the thread could not be started: the Run box then lists no programs.
  bool Start(HWND window, UINT message);
  // Ends the watch without waiting: a reading under way stops at its next shortcut and posts
  // nothing.
  void Stop();
  // IProgramReader: from the window's thread.
  void LookForNewApps() override;
  // The catalogue a posted message carries; call once per message.
  static std::unique_ptr<ProgramCatalogue> Take(LPARAM lParam) {
    return std::unique_ptr<ProgramCatalogue>(reinterpret_cast<ProgramCatalogue*>(lParam));
  }

  struct Shared;  // what the thread and this object share

 private:
  std::shared_ptr<Shared> shared_;
  AppsRefresh refresh_;
};

}  // namespace velmarin::win32
