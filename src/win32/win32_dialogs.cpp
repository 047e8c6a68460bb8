#include "win32/win32_dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <typeinfo>

#include "win32/current_folder.h"
#include "win32/wide.h"

namespace velmarin::win32 {

namespace {

// Longest path the pickers hand back (the file system's own limit).
constexpr DWORD kPathBuffer = 32768;

// A function of a system library, loaded from the system folder only.
template <typename F>
F Export(const wchar_t* dll, const char* name) {
  HMODULE module = LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) return nullptr;
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

Win32DialogHost::~Win32DialogHost() = default;

HWND Win32DialogHost::Owner() const { return open_.empty() ? owner_ : open_.back(); }

HWND Win32DialogHost::InnermostDialog() const { return open_.empty() ? nullptr : open_.back(); }

void Win32DialogHost::ShowModal(IDialog& dialog) {
  DialogWindow window(dialog, Owner(), true);
  if (!window.Create()) return;
  open_.push_back(window.Handle());
  MSG msg;
  while (!window.Done()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the program is ending: leave it to end
      break;
    }
    if (got < 0) break;
    if (IsDialogMessageW(window.Handle(), &msg)) continue;
    if (PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  open_.pop_back();
  DropClosed();
}

void Win32DialogHost::ShowModeless(std::unique_ptr<IDialog> dialog) {
  DropClosed();
  if (!dialog) return;
  // One window of each kind: asked again, the open one comes forward.
  const IDialog& asked = *dialog;
  for (Modeless& open : modeless_) {
    const IDialog& shown = *open.dialog;
    if (typeid(shown) == typeid(asked)) {
      open.window->BringForward();
      return;
    }
  }
  auto window = std::make_unique<DialogWindow>(*dialog, owner_, false);
  if (!window->Create()) return;
  modeless_.push_back({std::move(dialog), std::move(window)});
}

bool Win32DialogHost::PreTranslate(MSG& msg) {
  for (Modeless& open : modeless_) {
    if (!open.window->Done() && IsDialogMessageW(open.window->Handle(), &msg)) return true;
  }
  return false;
}

void Win32DialogHost::DropClosed() {
  std::erase_if(modeless_, [](const Modeless& open) { return open.window->Done(); });
}

std::optional<std::string> Win32DialogHost::PickFile(const std::string& filter,
                                                     const std::string& title) {
  using Open = BOOL(WINAPI*)(OPENFILENAMEW*);
  static const Open open = Export<Open>(L"comdlg32.dll", "GetOpenFileNameW");
  if (!open) return std::nullopt;
  std::wstring pattern = Widen(filter);
  std::replace(pattern.begin(), pattern.end(), L'|', L'\0');
  pattern.append(2, L'\0');
  const std::wstring caption = Widen(title);
  std::wstring buffer(kPathBuffer, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = Owner();
  ofn.lpstrFilter = pattern.c_str();
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = kPathBuffer;
  ofn.lpstrTitle = caption.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_CREATEPROMPT | OFN_LONGNAMES | OFN_NOCHANGEDIR;
  // Windows documents the flag as having no effect on the Open picker, which moves the current
  // folder to wherever the user browsed: it is put back when the picker closes.
  const KeepCurrentFolder keep;
  if (!open(&ofn)) return std::nullopt;
  buffer.resize(wcsnlen(buffer.c_str(), buffer.size()));
  return Narrow(buffer);
}

std::optional<IconChoice> Win32DialogHost::PickIcon(const std::string& file, int index) {
  using Pick = int(WINAPI*)(HWND, LPWSTR, UINT, int*);
  static const Pick pick = Export<Pick>(L"shell32.dll", MAKEINTRESOURCEA(62));
  if (!pick) return std::nullopt;
  std::wstring buffer(kPathBuffer, L'\0');
  const std::wstring offered = Widen(file);
  std::copy_n(offered.begin(), std::min<size_t>(offered.size(), kPathBuffer - 1), buffer.begin());
  int chosen = index;
  // Its Browse button opens the file picker, which may move the current folder.
  const KeepCurrentFolder keep;
  if (!pick(Owner(), buffer.data(), kPathBuffer, &chosen)) return std::nullopt;
  // The path may come back with its environment names unexpanded.
  std::wstring path(buffer.c_str());
  std::wstring expanded(kPathBuffer, L'\0');
  if (const DWORD n = ExpandEnvironmentStringsW(path.c_str(), expanded.data(), kPathBuffer);
      n > 0 && n <= kPathBuffer) {
    path.assign(expanded.c_str());
  }
  return IconChoice{Narrow(path), chosen};
}

std::optional<int32_t> Win32DialogHost::PickColor(int32_t initial) {
  using Choose = BOOL(WINAPI*)(CHOOSECOLORW*);
  static const Choose choose = Export<Choose>(L"comdlg32.dll", "ChooseColorW");
  if (!choose) return std::nullopt;
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = Owner();
  cc.rgbResult = static_cast<COLORREF>(initial);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT;
  if (!choose(&cc)) return std::nullopt;
  return static_cast<int32_t>(cc.rgbResult & 0xFFFFFF);
}

std::string Win32DialogHost::SystemFolder() {
  std::wstring buffer(MAX_PATH, L'\0');
  const UINT n = GetSystemDirectoryW(buffer.data(), MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  buffer.resize(n);
  return Narrow(buffer);
}

}  // namespace velmarin::win32
