// A thread waiting with windows of its own, under wine.
#include "win32/message_wait.h"

#include <gtest/gtest.h>

#include <thread>

namespace velmarin::win32 {
namespace {

TEST(MessageWait, AWaitingThreadAnswersWhatIsSentToItsWindows) {
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND window = nullptr;
  DWORD result = 0;
  std::thread waiter([&] {
    window = CreateWindowExW(0, L"STATIC", L"waiter", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    SetEvent(made);
    result = WaitHandlingMessages({never, stop}, INFINITE);
    DestroyWindow(window);
  });
  ASSERT_EQ(WaitForSingleObject(made, 5000), WAIT_OBJECT_0);
  ASSERT_NE(window, nullptr);
  // What a program sending to every window would wait for.
  DWORD_PTR length = 0;
  EXPECT_NE(SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 3000, &length), 0)
      << "answered while it waits";
  EXPECT_EQ(length, 6u);
  SetEvent(stop);
  waiter.join();
  EXPECT_EQ(result, WAIT_OBJECT_0 + 1) << "the handle signalled";
  EXPECT_EQ(WaitHandlingMessages({never}, 30), static_cast<DWORD>(WAIT_TIMEOUT));
  for (HANDLE h : {stop, never, made}) CloseHandle(h);
}

}  // namespace
}  // namespace velmarin::win32
