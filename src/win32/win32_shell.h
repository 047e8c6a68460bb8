#pragma once
// The shell services of a real Windows system.
#include <windows.h>

#include "platform/shell.h"

namespace velmarin::win32 {

class Win32Shell : public IShell {
 public:
  // owner is the window that the recycle-bin confirmation and the format dialog belong to (the
  // main window); it may be set later, once that window exists.
  explicit Win32Shell(HWND owner = nullptr) : owner_(owner) {}
  void SetOwner(HWND owner) { owner_ = owner; }

  void Execute(const std::string& verb, const std::string& file, const std::string& params,
               const std::string& folder, int show) override;
  bool StartCommandLine(const std::string& commandLine, int windowStyle) override;
  int DeleteToRecycleBin(const std::vector<std::string>& paths) override;
  int FormatDrive(int driveNumber) override;
  bool FindWindowByClassAndClose(const std::string& className) override;
  void Beep() override;
  // The run dialog's way of finding a program by name (program_finder.cpp).
  std::optional<std::string> FindProgram(const std::string& command) override;
  // The shelf's folders, shortcuts and property sheets (shell_link.cpp).
  std::optional<std::string> FolderPath(ShellFolder folder) override;
  bool CreateShellLink(const ShellLink& link) override;
  bool ShowProperties(const std::string& path, std::string& failure) override;

 private:
  HWND owner_;
};

// The source list of a shell file operation: every path followed by a NUL, and one more NUL
// after the last. Empty paths are left out, since an empty entry would end the list early.
std::wstring DoubleNulList(const std::vector<std::string>& paths);

}  // namespace velmarin::win32
