// A program for the end-to-end drop tests: a small window titled "drag_probe" at (300, 300)
// whose left press drags the files named on its command line out as a copy, through OLE, the
// way a file window does. The test moves the mouse from it onto the window under test. When a
// drag has ended, drag_probe.txt in the current folder says what the drop did: "copy", "link",
// or "none" when nothing took the files.
// clang-format off
#include <windows.h>  // first: the other Windows headers need it
#include <shellapi.h>
// clang-format on

#include <cstdio>
#include <string>
#include <vector>

#include "win32/drag_source.h"
#include "win32/wide.h"

namespace {

std::vector<std::string> g_files;

void Report(DWORD effect) {
  const char* what = effect & DROPEFFECT_COPY   ? "copy\n"
                     : effect & DROPEFFECT_LINK ? "link\n"
                                                : "none\n";
  // Written whole and then renamed, so that a test never reads half of it.
  if (FILE* f = _wfopen(L"drag_probe.txt.part", L"wb")) {
    fputs(what, f);
    fclose(f);
    MoveFileExW(L"drag_probe.txt.part", L"drag_probe.txt", MOVEFILE_REPLACE_EXISTING);
  }
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_LBUTTONDOWN: {
      DWORD effect = DROPEFFECT_NONE;
      velmarin::win32::DragFilesOut(g_files, &effect);
      Report(effect);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 2) return 2;
  for (int i = 1; i < argc; ++i) g_files.push_back(velmarin::win32::Narrow(argv[i]));
  LocalFree(argv);
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"drag_probe";
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_TOPMOST, L"drag_probe", L"drag_probe", WS_POPUP | WS_BORDER,
                              300, 300, 200, 100, nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 3;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
