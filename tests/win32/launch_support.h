#pragma once
// Helpers of the launch tests under wine: waiting for a file, and pressing Yes
// on the shell's confirmation boxes while a call that shows them runs.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "temp_folder.h"
#include "win32/wide.h"

namespace velmarin::win32 {

inline bool PathExists(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The folder this test program runs from, with a trailing backslash.
inline std::string ProgramFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH + 1);
  std::wstring folder(path, n);
  folder.resize(folder.rfind(L'\\') + 1);
  return Narrow(folder);
}

// Waits up to `seconds` for a file to appear.
inline bool WaitForFile(const std::string& path, int seconds) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < until) {
    if (PathExists(path)) return true;
    Sleep(100);
  }
  return false;
}

// While it lives, answers Yes (or the button given) to every dialog box this process shows (the
// shell's "move to the recycle bin?" question).
class YesPresser {
 public:
  explicit YesPresser(int answer = IDYES)
      : answer_(answer), thread_([this] {
          while (!stop_) {
            EnumWindows(&PressYes, reinterpret_cast<LPARAM>(this));
            Sleep(100);
          }
        }) {}
  ~YesPresser() {
    stop_ = true;
    thread_.join();
  }
  int pressed() const { return pressed_; }

 private:
  static BOOL CALLBACK PressYes(HWND window, LPARAM self) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        std::wstring(className) == L"#32770") {
      auto* presser = reinterpret_cast<YesPresser*>(self);
      // Counted before the press: the dialog's thread may return to the test, which reads the
      // count, before this thread runs again.
      ++presser->pressed_;
      PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(presser->answer_), 0);
    }
    return TRUE;
  }

  const int answer_;
  std::atomic<int> pressed_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;  // last: it starts once the flags above exist
};

}  // namespace velmarin::win32
