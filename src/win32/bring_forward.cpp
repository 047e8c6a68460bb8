#include "win32/bring_forward.h"

#include "shell/come_forward.h"

namespace velmarin::win32 {

namespace {

// Wine on an X desktop, where a window manager owns the stacking and the keyboard: Wine then
// answers yes to the foreground call for a window the manager left behind. Wine hands its
// windows to the manager unless its X11 driver is told not to ("Managed" = "N"). On Windows the
// answer is the truth.
bool StackedByAWindowManager() {
  static const bool stacked = [] {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return false;
    wchar_t managed[8] = {};
    DWORD bytes = sizeof managed;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Managed", RRF_RT_REG_SZ,
                     nullptr, managed, &bytes) != ERROR_SUCCESS) {
      return true;
    }
    return managed[0] != L'N' && managed[0] != L'n';
  }();
  return stacked;
}

}  // namespace

void BringForward(HWND hwnd) {
  if (!hwnd) return;
  if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
  ForegroundAnswer answer;
  answer.wasBehind = GetForegroundWindow() != hwnd;
  answer.granted = SetForegroundWindow(hwnd) && GetForegroundWindow() == hwnd;
  answer.stackedElsewhere = StackedByAWindowManager();
  if (!ShowAnewToComeForward(answer) || !IsWindowVisible(hwnd)) return;
  // A window that appears is put in front with the keyboard, whoever decides the stacking.
  ShowWindow(hwnd, SW_HIDE);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
}

}  // namespace velmarin::win32
