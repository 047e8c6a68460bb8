#include "win32/message_wait.h"

namespace velmarin::win32 {

DWORD WaitHandlingMessages(const std::vector<HANDLE>& handles, DWORD timeout) {
  const auto count = static_cast<DWORD>(handles.size());
  const ULONGLONG until = GetTickCount64() + timeout;
  for (;;) {
    DWORD left = INFINITE;
    if (timeout != INFINITE) {
      const ULONGLONG now = GetTickCount64();
      left = now >= until ? 0 : static_cast<DWORD>(until - now);
    }
    const DWORD result =
        MsgWaitForMultipleObjectsEx(count, handles.data(), left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (result != WAIT_OBJECT_0 + count) return result;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

}  // namespace velmarin::win32
