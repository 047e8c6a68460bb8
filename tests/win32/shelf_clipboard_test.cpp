// The shelf's clipboard and shortcuts on a real system: the file list and the drop effect read
// back as a file manager would, and a shortcut file whose target the shell reads back.
// clang-format off
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <atomic>
#include <string>
#include <thread>

#include "core/app.h"
#include "storage/bin_clipboard.h"
#include "temp_folder.h"
#include "win32/win32_clipboard.h"
#include "win32/win32_files.h"
#include "win32/win32_shell.h"
#include "win32/win32_text.h"

namespace velmarin::win32 {
namespace {

using namespace std::string_literals;

std::string ClipboardBytes(UINT format) {
  std::string bytes;
  if (!OpenClipboard(nullptr)) return bytes;
  if (HANDLE data = GetClipboardData(format)) {
    const SIZE_T size = GlobalSize(data);
    if (const void* memory = GlobalLock(data)) {
      bytes.assign(static_cast<const char*>(memory), size);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return bytes;
}

std::wstring DroppedFile(UINT index) {
  std::wstring name;
  if (!OpenClipboard(nullptr)) return name;
  if (auto drop = static_cast<HDROP>(GetClipboardData(CF_HDROP))) {
    wchar_t buffer[MAX_PATH] = {};
    if (DragQueryFileW(drop, index, buffer, MAX_PATH)) name = buffer;
  }
  CloseClipboard();
  return name;
}

TEST(ShelfClipboard, CopyPutsBothBlocksAsLaidOut) {
  App app;
  HWND owner =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  Win32Clipboard clipboard;
  clipboard.SetOwner(owner);
  Win32Text text;
  app.platform.clipboard = &clipboard;
  app.platform.text = &text;
  CopyFilesToClipboard(app, {"E:\\a", "E:\\b"}, kDropEffectCopy);
  const std::string block = ClipboardBytes(CF_HDROP);
  ASSERT_GE(block.size(), 32u);
  EXPECT_EQ(block.substr(0, 32), "\x14\0\0\0"s + std::string(16, '\0') + "E:\\a\0E:\\b\0\0\0"s);
  const UINT effect = RegisterClipboardFormatW(L"Preferred DropEffect");
  EXPECT_EQ(ClipboardBytes(effect).substr(0, 4), "\x01\0\0\0"s);
  EXPECT_EQ(DroppedFile(0), L"E:\\a");
  EXPECT_EQ(DroppedFile(1), L"E:\\b");

  // A name the code page cannot hold goes as the wide list, read back whole.
  CopyFilesToClipboard(app, {"E:\\\xc3\xa9t\xc3\xa9"}, kDropEffectMove);
  EXPECT_EQ(DroppedFile(0), L"E:\\\u00e9t\u00e9");
  EXPECT_EQ(ClipboardBytes(effect).substr(0, 4), "\x02\0\0\0"s);

  // Another thread holds the clipboard open, as another program would: the list is not put
  // there, the caller hears of it, and the earlier list stays.
  std::atomic<int> holding{0};
  std::atomic<bool> release{false};
  std::thread holder([&] {
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    holding = window && OpenClipboard(window) ? 1 : -1;
    while (holding == 1 && !release) Sleep(10);
    if (holding == 1) CloseClipboard();
    if (window) DestroyWindow(window);
  });
  while (holding == 0) Sleep(10);
  ASSERT_EQ(holding, 1);
  EXPECT_FALSE(CopyFilesToClipboard(app, {"E:\\c"}, kDropEffectMove));
  release = true;
  holder.join();
  EXPECT_EQ(DroppedFile(0), L"E:\\\u00e9t\u00e9");
  DestroyWindow(owner);
}

TEST(ShelfShortcut, ShellLinkWritesAShortcutToTheTarget) {
  TempFolder folder;
  ASSERT_TRUE(TempFolder::MakeFile(folder / "target.txt", "x"));
  Win32Shell shell;
  ShellLink link;
  link.linkFile = folder / "target.lnk";
  link.target = folder / "target.txt";
  link.iconFile = link.target;
  link.showCmd = 5;
  ASSERT_TRUE(shell.CreateShellLink(link));
  Win32Files files;
  const auto target = files.LinkTarget(link.linkFile);
  ASSERT_TRUE(target);
  EXPECT_EQ(*target, link.target);
  EXPECT_FALSE(shell.CreateShellLink(ShellLink{})) << "no file names";
  EXPECT_TRUE(shell.FolderPath(ShellFolder::Desktop).has_value());
}

}  // namespace
}  // namespace velmarin::win32
