#pragma once
// A wait for a thread that has windows, its own or those COM and the shell make for it: the
// messages sent to them are handled while it waits, so that a program that sends a message to
// every window (a broadcast) is never held up by this thread.
#include <windows.h>

#include <vector>

namespace velmarin::win32 {

// Like WaitForMultipleObjects with bWaitAll FALSE: WAIT_OBJECT_0 + i for the handle signalled,
// WAIT_TIMEOUT or WAIT_FAILED. At most MAXIMUM_WAIT_OBJECTS - 1 handles.
DWORD WaitHandlingMessages(const std::vector<HANDLE>& handles, DWORD timeout);

}  // namespace velmarin::win32
