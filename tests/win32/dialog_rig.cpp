#include "dialog_rig.h"

#include <cstdio>

namespace velmarin::win32 {

namespace {

DialogRig* running = nullptr;
constexpr UINT kTickMs = 40;
constexpr int kPatienceTicks = 100;  // a step that waits gives up after some 4 s

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

// Closes whatever the thread still shows besides the stand-in main window: menus, boxes, dialogs.
void CloseEverything(HWND main) {
  EndMenu();
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w != main && IsWindowVisible(w) &&
        GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) {
      PostMessageW(w, WM_CLOSE, 0, 0);
    }
  }
}

}  // namespace

DialogRig::DialogRig() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"velmarinStandIn";
  RegisterClassW(&wc);
  main = CreateWindowExW(0, L"velmarinStandIn", L"velmarin", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                         40, 320, 120, nullptr, nullptr, instance, nullptr);
  SetForegroundWindow(main);
  system.window = main;
  platform.Wire(app);
  platform.SetOwner(main);
  app.platform.system = &system;
  // Two pages; the first button of the first holds a program, a tool tip and a drawer line.
  app.model.PageCount = 2;
  app.model.settings.MaxButton = 10;
  app.model.settings.MaxDrawer = 2;
  ClampLimits(app.model);
  app.model.Pages[0].Caption = "テスト";
  app.model.Pages[1].Caption = "二枚目";
  Button& first = app.model.Pages[0].Buttons[0];
  first.Path = "C:\\windows\\notepad.exe";
  first.ToolTip = "メモ帳";
  first.Drawer[0] = "C:\\windows\\system32\\cmd.exe";
  Pump();
}

DialogRig::~DialogRig() {
  CloseEverything(main);
  Pump();
  DestroyWindow(main);
}

bool DialogRig::Run(const std::function<void()>& open, std::vector<Step> steps) {
  steps_ = std::move(steps);
  next_ = 0;
  ticksAfter_ = 0;
  running = this;
  const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, &DialogRig::Tick);
  open();
  KillTimer(nullptr, timer);
  running = nullptr;
  return next_ == steps_.size() && ticksAfter_ < kPatienceTicks;
}

void CALLBACK DialogRig::Tick(HWND, UINT, UINT_PTR, DWORD) {
  DialogRig* rig = running;
  if (!rig) return;
  if (rig->next_ < rig->steps_.size()) {
    if (rig->steps_[rig->next_]()) {
      ++rig->next_;
      rig->ticksAfter_ = 0;
    } else if (++rig->ticksAfter_ >= kPatienceTicks) {
      std::fprintf(stderr, "step %zu of %zu waited in vain\n", rig->next_ + 1, rig->steps_.size());
      rig->next_ = rig->steps_.size() + 1;  // given up
      CloseEverything(rig->main);
    }
    return;
  }
  // Every step ran: the dialog should close by itself.
  if (rig->next_ == rig->steps_.size() && ++rig->ticksAfter_ >= kPatienceTicks) {
    CloseEverything(rig->main);
  }
}

void DialogRig::Pump() {
  MSG msg;
  for (int round = 0; round < 5; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(kTickMs);
  }
}

HWND DialogRig::Find(const wchar_t* windowClass, const std::string& caption) {
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (GetWindowThreadProcessId(w, nullptr) != GetCurrentThreadId() || !IsWindowVisible(w)) {
      continue;
    }
    if (ClassOf(w) == windowClass && (caption.empty() || Text(w) == caption)) return w;
  }
  return nullptr;
}

HWND DialogRig::Control(const DialogForm& form, const std::string& name, int index) {
  for (size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].name == name && form.controls[i].index == index) {
      return GetDlgItem(Dialog(), kFirstControlId + static_cast<int>(i));
    }
  }
  return nullptr;
}

std::string DialogRig::Text(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return Narrow(text);
}

HWND DialogRig::DefaultButton(HWND dialog) {
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (SendMessageW(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) return c;
  }
  return nullptr;
}

void DialogRig::Key(WORD key, bool shift, bool alt) {
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
  if (alt) inputs.push_back(KeyInput(VK_MENU, false));
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  if (alt) inputs.push_back(KeyInput(VK_MENU, true));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  Send(inputs);
}

void DialogRig::Type(const std::string& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : Widen(text)) {
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  Send(inputs);
}

void DialogRig::MoveTo(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  Send({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, MulDiv(point.x, 65535, width - 1),
                   MulDiv(point.y, 65535, height - 1))});
}

void DialogRig::Click(HWND window, int x, int y, bool right, bool twice) {
  MoveTo(window, x, y);
  const DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  const DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  std::vector<INPUT> inputs{MouseInput(down), MouseInput(up)};
  if (twice) inputs.insert(inputs.end(), {MouseInput(down), MouseInput(up)});
  Send(inputs);
}

void DialogRig::ClickCentre(HWND window, bool right) {
  RECT rect{};
  GetClientRect(window, &rect);
  Click(window, rect.right / 2, rect.bottom / 2, right);
}

}  // namespace velmarin::win32
