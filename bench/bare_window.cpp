// The yardstick of the start-up benchmark: a bare Win32 program that only shows a caption-less
// window of the launcher's size (ten buttons, shelf closed) and waits to be closed. Built a second
// time with BARE_DROP_TARGET (bare_drop_window.exe), it also takes dropped files as every window
// that does pays for it: OLE started and one drop target registered once the window shows.
// Built a third time with BARE_MENU_READER as well (bare_reader_window.exe), it also pays what
// the system asks of any program that watches the Start menu: one worker thread that asks the
// shell where the two program folders are and then waits.
#include <windows.h>
#if defined(BARE_DROP_TARGET)
#include <ole2.h>
#endif
#if defined(BARE_MENU_READER)
#include <knownfolders.h>
#include <shlobj.h>
#endif

namespace {

#if defined(BARE_DROP_TARGET)
// Refuses every drop: only the cost of being a drop target is measured.
class RefusingTarget : public IDropTarget {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IDropTarget) {
      *out = this;
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DragLeave() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Drop(IDataObject*, DWORD, POINTL, DWORD* effect) override {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
};
RefusingTarget target;
#endif

#if defined(BARE_MENU_READER)
HANDLE stopReader;

DWORD WINAPI Reader(void*) {
  const KNOWNFOLDERID* folders[] = {&FOLDERID_Programs, &FOLDERID_CommonPrograms};
  for (const KNOWNFOLDERID* id : folders) {
    PWSTR path = nullptr;
    SHGetKnownFolderPath(*id, KF_FLAG_DONT_VERIFY, nullptr, &path);
    CoTaskMemFree(path);
  }
  WaitForSingleObject(stopReader, INFINITE);
  return 0;
}
#endif

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"bareWindow";
  if (!RegisterClassW(&wc)) return 1;
#if defined(BARE_MENU_READER)
  const wchar_t* title = L"bare_reader_window";
#elif defined(BARE_DROP_TARGET)
  const wchar_t* title = L"bare_drop_window";
#else
  const wchar_t* title = L"bare_window";
#endif
  HWND hwnd = CreateWindowExW(0, wc.lpszClassName, title, WS_POPUP | WS_BORDER, 96, 96, 447, 57,
                              nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
#if defined(BARE_DROP_TARGET)
  if (SUCCEEDED(OleInitialize(nullptr))) RegisterDragDrop(hwnd, &target);
#endif
#if defined(BARE_MENU_READER)
  stopReader = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (HANDLE reader = CreateThread(nullptr, 0, &Reader, nullptr, 0, nullptr)) CloseHandle(reader);
#endif
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
#if defined(BARE_DROP_TARGET)
  RevokeDragDrop(hwnd);
  OleUninitialize();
#endif
  return static_cast<int>(msg.wParam);
}
