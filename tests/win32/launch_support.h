#pragma once
// Helpers of the launch tests under wine: a scratch folder, waiting for a file, and pressing Yes
// on the shell's confirmation boxes while a call that shows them runs.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/win32/wide.h"

namespace velmarin::win32 {

// A fresh folder under the temporary folder, removed with its files at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, base);
    static int counter = 0;
    path_ = std::wstring(base) + L"velmarin-launch-" + std::to_wstring(GetCurrentProcessId()) +
            L"-" + std::to_wstring(++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~ScratchFolder() { RemoveTree(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string operator/(const std::string& name) const { return Narrow(path_) + "\\" + name; }

  static bool MakeFile(const std::string& path, const std::string& bytes = "x") {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return written == bytes.size();
  }
  static bool Exists(const std::string& path) {
    return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

 private:
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring child = folder + L"\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(child);
        } else {
          DeleteFileW(child.c_str());
        }
      } while (FindNextFileW(find, &data));
      FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
  }

  std::wstring path_;
};

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
    if (ScratchFolder::Exists(path)) return true;
    Sleep(100);
  }
  return false;
}

// While it lives, answers Yes to every dialog box this process shows (the shell's "move to the
// recycle bin?" question).
class YesPresser {
 public:
  YesPresser()
      : thread_([this] {
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
      PostMessageW(window, WM_COMMAND, IDYES, 0);
      ++reinterpret_cast<YesPresser*>(self)->pressed_;
    }
    return TRUE;
  }

  std::atomic<int> pressed_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;  // last: it starts once the flags above exist
};

}  // namespace velmarin::win32
