// The shelf's commands against the real shell under wine: the clipboard as another program reads
// it, the recycle bin with the shell's question answered both ways, a send-to shortcut and a
// desktop shortcut that opens its target.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shellapi.h>
// clang-format on

#include "storage/shelf_commands.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "launch/shelf_register.h"
#include "launch_support.h"
#include "storage/bin_clipboard.h"
#include "storage/shelf_menu.h"
#include "temp_folder.h"
#include "win32/shelf_list_view.h"
#include "win32/win32_platform.h"

namespace velmarin::win32 {
namespace {

using namespace std::string_literals;

// An App on the real services with a shelf list in a hidden window.
struct ShelfApp {
  App app;
  Win32Platform platform;
  HWND parent = CreateWindowExW(0, L"STATIC", L"shelf", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  Win32ShelfList shelf{parent, 101};
  ShelfApp() {
    platform.Wire(app);
    platform.clipboard.SetOwner(parent);
    app.platform.shelf = &shelf;
    app.model.StorageIsOpen = true;
    app.model.settings.MaxMultiExecute = 4;
  }
  ~ShelfApp() { DestroyWindow(parent); }
  // Puts a path on the shelf, selected.
  void Select(const std::string& key) {
    shelf.Add(key, key.substr(key.rfind('\\') + 1));
    shelf.SetSelected(shelf.Count() - 1, true);
    shelf.SetFocused(shelf.Count() - 1);
  }
  std::vector<std::string> Keys() {
    std::vector<std::string> keys;
    for (int i = 0; i < shelf.Count(); ++i) keys.push_back(shelf.Key(i));
    return keys;
  }
};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(Widen(path).c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs a program of the build (next to this one) with one argument and waits for it to end.
bool RunHelper(const std::string& program, const std::string& argument) {
  std::wstring line = L"\"" + Widen(ProgramFolder() + program) + L"\" \"" + Widen(argument) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ended && code == 0;
}

// The two clipboard formats as another process reads them; nullopt for a format not there.
struct Pasted {
  std::optional<std::string> fileList;
  std::optional<std::string> effect;
};

Pasted PasteInAnotherProcess(const TempFolder& folder) {
  const std::string report = folder / "clipboard.bin";
  DeleteFileW(Widen(report).c_str());
  Pasted pasted;
  if (!RunHelper("clipboard_probe.exe", report)) return pasted;
  const std::string bytes = ReadBytes(report);
  size_t at = 0;
  auto next = [&]() -> std::optional<std::string> {
    if (at + 4 > bytes.size()) return std::nullopt;
    uint32_t count = 0;
    for (int k = 0; k < 4; ++k) {
      count |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + k])) << (8 * k);
    }
    at += 4;
    if (count == 0xFFFFFFFFu || at + count > bytes.size()) return std::nullopt;
    std::string format = bytes.substr(at, count);
    at += count;
    return format;
  };
  pasted.fileList = next();
  pasted.effect = next();
  return pasted;
}

const std::string kHeader = "\x14\0\0\0"s + std::string(16, '\0');

// Listens to the clipboard as a clipboard history does: each update it hears of, with the
// formats the clipboard held by then ("list", "effect").
class ClipboardWatch {
 public:
  ClipboardWatch() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"velmarinClipboardWatch";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    listening_ = window_ && AddClipboardFormatListener(window_);
  }
  ~ClipboardWatch() {
    if (listening_) RemoveClipboardFormatListener(window_);
    if (window_) DestroyWindow(window_);
  }
  bool Listening() const { return listening_; }
  // The updates heard since the last call, after letting them arrive for a moment.
  std::vector<std::string> Updates() {
    for (int i = 0; i < 30; ++i) {
      MSG msg;
      while (PeekMessageW(&msg, window_, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      Sleep(10);
    }
    return std::exchange(updates_, {});
  }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ClipboardWatch*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (msg == WM_CLIPBOARDUPDATE && self) {
      std::string formats;
      if (IsClipboardFormatAvailable(CF_HDROP)) formats += "list";
      if (IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Preferred DropEffect"))) {
        formats += formats.empty() ? "effect" : " effect";
      }
      self->updates_.push_back(formats);
      return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  HWND window_ = nullptr;
  bool listening_ = false;
  std::vector<std::string> updates_;
};

TEST(ShelfCommands, CopyAndCutReachAnotherProgram) {
  ShelfApp s;
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  ClipboardWatch watch;
  ASSERT_TRUE(watch.Listening());
  const std::vector<std::string> oneUpdateWithBoth{"list effect"};

  // Two four-character paths: the header, the later one first, the closing and spare zeros.
  CopyFilesToClipboard(s.app, {"E:\\a", "E:\\b"}, kDropEffectCopy);
  Pasted pasted = PasteInAnotherProcess(folder);
  ASSERT_TRUE(pasted.fileList && pasted.effect) << "both formats are on the clipboard";
  EXPECT_EQ(*pasted.fileList, kHeader + "E:\\a\0E:\\b\0\0\0"s);
  EXPECT_EQ(*pasted.effect, "\x01\0\0\0"s);

  const std::string one = folder / "one.txt";
  const std::string two = folder / "two.txt";
  const std::string gone = folder / "gone.txt";
  ASSERT_TRUE(TempFolder::MakeFile(one, "1"));
  ASSERT_TRUE(TempFolder::MakeFile(two, "2"));
  s.Select(one);
  s.Select(gone);
  s.Select(two);

  watch.Updates();
  RunShelfCommand(s.app, "Copy", 0);
  EXPECT_EQ(watch.Updates(), oneUpdateWithBoth) << "a clipboard history sees the copy once, whole";
  pasted = PasteInAnotherProcess(folder);
  ASSERT_TRUE(pasted.fileList && pasted.effect);
  EXPECT_EQ(*pasted.fileList, kHeader + two + '\0' + one + '\0' + '\0' + '\0')
      << "the existing files, last entry first";
  EXPECT_EQ(*pasted.effect, "\x01\0\0\0"s);
  EXPECT_EQ(s.shelf.Count(), 3) << "a copy keeps the entries";

  RunShelfCommand(s.app, "Cut", 0);
  EXPECT_EQ(watch.Updates(), oneUpdateWithBoth) << "and the cut with its effect";
  pasted = PasteInAnotherProcess(folder);
  ASSERT_TRUE(pasted.fileList && pasted.effect);
  EXPECT_EQ(*pasted.fileList, kHeader + two + '\0' + one + '\0' + '\0' + '\0');
  EXPECT_EQ(*pasted.effect, "\x02\0\0\0"s);
  EXPECT_EQ(s.Keys(), std::vector<std::string>{gone}) << "the missing file stays on the shelf";
  EXPECT_TRUE(s.shelf.Selected(0));
  EXPECT_TRUE(PathExists(one)) << "the files move only when pasted";
}

TEST(ShelfCommands, DeleteGoesByWhatTheUserAnswers) {
  ShelfApp s;
  TempFolder folder;
  const std::string file = folder / "削除 me.txt";
  ASSERT_TRUE(TempFolder::MakeFile(file, "x"));
  s.Select(file);
  s.Select(",BEEP");
  {
    YesPresser no(IDNO);
    RunShelfCommand(s.app, "Delete", 0);
    EXPECT_GE(no.pressed(), 1) << "the shell asked";
  }
  EXPECT_TRUE(PathExists(file)) << "declined: the file stays";
  EXPECT_EQ(s.Keys(), (std::vector<std::string>{file, ",BEEP"})) << "and so does its entry";
  EXPECT_FALSE(s.shelf.Selected(1)) << "an internal name is only deselected";
  EXPECT_TRUE(s.shelf.Enabled());
  {
    YesPresser yes;
    RunShelfCommand(s.app, "Delete", 0);
    EXPECT_GE(yes.pressed(), 1);
  }
  EXPECT_FALSE(PathExists(file)) << "the file left its folder";
  EXPECT_EQ(s.Keys(), std::vector<std::string>{",BEEP"}) << "and its entry left the shelf";
  EXPECT_TRUE(s.shelf.Enabled());
}

TEST(ShelfCommands, RenameRenamesOnDiskAndRefusesATakenName) {
  ShelfApp s;
  TempFolder folder;
  const std::string file = folder / "old name.txt";
  ASSERT_TRUE(TempFolder::MakeFile(file, "kept"));
  ASSERT_TRUE(TempFolder::MakeFile(folder / "taken.txt", "other"));
  s.Select(file);
  EXPECT_TRUE(Storage_AfterLabelEdit(s.app, "新しい name.txt"));
  EXPECT_FALSE(PathExists(file));
  EXPECT_EQ(ReadBytes(folder / "新しい name.txt"), "kept");
  EXPECT_EQ(s.shelf.Key(0), folder / "新しい name.txt");
  EXPECT_EQ(s.shelf.Text(0), "新しい name.txt");

  // The taken name: the box says so (answered here), nothing moves.
  {
    YesPresser ok(IDOK);
    EXPECT_FALSE(Storage_AfterLabelEdit(s.app, "taken.txt"));
    EXPECT_EQ(ok.pressed(), 1);
  }
  EXPECT_EQ(ReadBytes(folder / "taken.txt"), "other");
  EXPECT_EQ(ReadBytes(folder / "新しい name.txt"), "kept");
  EXPECT_EQ(s.shelf.Key(0), folder / "新しい name.txt");
}

// A shortcut put in the send-to folder for one test and taken out again.
struct SendToShortcut {
  std::string path;
  SendToShortcut(Win32Shell& shell, const std::string& name, const std::string& target) {
    const auto folder = shell.FolderPath(ShellFolder::SendTo);
    if (!folder) return;
    CreateDirectoryW(Widen(*folder).c_str(), nullptr);
    ShellLink link;
    link.linkFile = *folder + "\\" + name + ".lnk";
    link.target = target;
    link.showCmd = 1;
    if (shell.CreateShellLink(link)) path = link.linkFile;
  }
  ~SendToShortcut() {
    if (!path.empty()) DeleteFileW(Widen(path).c_str());
  }
};

TEST(ShelfCommands, SendToHandsEachEntryQuoted) {
  ShelfApp s;
  TempFolder folder;
  // The probe writes its command line over the file it is handed.
  const std::string entry = folder / "送る entry.txt";
  ASSERT_TRUE(TempFolder::MakeFile(entry, "x"));
  SendToShortcut shortcut(s.platform.shell, "velmarin probe", ProgramFolder() + "launch_probe.exe");
  ASSERT_FALSE(shortcut.path.empty());
  const std::vector<std::string> list = SendToList(s.app);
  int index = -1;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i] == shortcut.path) index = static_cast<int>(i);
  }
  ASSERT_GE(index, 0) << "the shortcut is in the send-to list";
  s.Select(entry);
  RunShelfCommand(s.app, "SendTo", index);
  std::string report;
  for (int i = 0; i < 300 && report.find('\n') == std::string::npos; ++i) {
    Sleep(100);
    report = ReadBytes(entry);
  }
  EXPECT_NE(report.find("launch_probe.exe"), std::string::npos) << report;
  EXPECT_NE(report.find("\"" + entry + "\""), std::string::npos) << "quoted whole: " << report;
}

// A file outside the test's folder, removed when the test ends however it ends.
struct RemovedAtEnd {
  std::string path;
  ~RemovedAtEnd() { DeleteFileW(Widen(path).c_str()); }
};

TEST(ShelfCommands, DesktopShortcutOpensItsTarget) {
  ShelfApp s;
  TempFolder folder;
  const std::string program = folder / "velmarin probe copy.exe";
  ASSERT_TRUE(CopyFileW(Widen(ProgramFolder() + "launch_probe.exe").c_str(), Widen(program).c_str(),
                        FALSE));
  const auto desktop = s.platform.shell.FolderPath(ShellFolder::Desktop);
  ASSERT_TRUE(desktop);
  const std::string link = *desktop + "\\velmarin probe copy.lnk";
  DeleteFileW(Widen(link).c_str());
  RemovedAtEnd removed{link};
  s.Select(program);

  RunShelfCommand(s.app, "Shortcut", 0);
  ASSERT_TRUE(PathExists(link));
  EXPECT_EQ(s.platform.files.LinkTarget(link).value_or(""), program);
  ASSERT_EQ(s.shelf.Count(), 2) << "the shortcut joins the shelf";
  EXPECT_EQ(s.shelf.Key(1), link);
  EXPECT_EQ(s.shelf.Text(1), "velmarin probe copy.lnk");

  const auto opened = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", Widen(link).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  EXPECT_GT(opened, 32);
  EXPECT_TRUE(WaitForFile(program + ".txt", 30)) << "the target ran";
}

}  // namespace
}  // namespace velmarin::win32
