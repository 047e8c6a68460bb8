// Reads the main window as a screen reader does, from a process of its own:
//   access_probe.exe list OUT        every child of the window's client object, one a line:
//                                    "id<TAB>name<TAB>role<TAB>state<TAB>x,y,w,h<TAB>description
//                                    <TAB>default action" (UTF-8); state words joined by "+"
//   access_probe.exe press NAME OUT  the default action of the first child named NAME (UTF-8),
//                                    then, for two seconds, the events the window raises:
//                                    "pressed HRESULT" and lines "name ID", "state ID", "reorder"
//   access_probe.exe focus OUT       the object of the window that has the program's keyboard,
//                                    as one line of `list`
//   access_probe.exe press2 FIRST SECOND OUT
//                                    two presses made while the window is busy (its thread held
//                                    still for a moment), FIRST and then SECOND, both before the
//                                    window has carried out either: "pressed HRESULT HRESULT"
// Ends with 0 when the window's object was read (and the child pressed), 1 otherwise.
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Written out: the import library's IID_IAccessible is a thunk, and asking for it fails.
constexpr IID kIidAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Utf8(const wchar_t* text, int length = -1) {
  if (!text) return "";
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
  if (length < 0 && !out.empty()) out.pop_back();
  return out;
}

// A string property of a child: `get` is one of the IAccessible getters.
template <typename Get>
std::string Text(IAccessible* acc, LONG id, Get get) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  BSTR text = nullptr;
  if (FAILED((acc->*get)(child, &text)) || !text) return "";
  std::string out = Utf8(text, static_cast<int>(SysStringLen(text)));
  SysFreeString(text);
  return out;
}

std::string RoleName(LONG role) {
  switch (role) {
    case ROLE_SYSTEM_PUSHBUTTON:
      return "button";
    case ROLE_SYSTEM_STATICTEXT:
      return "text";
    case ROLE_SYSTEM_TEXT:
      return "edit";
    case ROLE_SYSTEM_COMBOBOX:
      return "combobox";
    case ROLE_SYSTEM_LIST:
      return "list";
    case ROLE_SYSTEM_CLIENT:
      return "client";
    default:
      return std::to_string(role);
  }
}

std::string StateWords(LONG state) {
  const std::pair<LONG, const char*> words[] = {
      {STATE_SYSTEM_UNAVAILABLE, "unavailable"}, {STATE_SYSTEM_PRESSED, "pressed"},
      {STATE_SYSTEM_FOCUSED, "focused"},         {STATE_SYSTEM_FOCUSABLE, "focusable"},
      {STATE_SYSTEM_INVISIBLE, "invisible"},     {STATE_SYSTEM_READONLY, "readonly"}};
  std::string out;
  for (const auto& [flag, word] : words) {
    if (!(state & flag)) continue;
    if (!out.empty()) out += '+';
    out += word;
  }
  return out.empty() ? "normal" : out;
}

// One child as a line; `object` is the child's own object (a control) or null (a cell, read
// through the parent by its id).
std::string Line(IAccessible* parent, LONG id, IAccessible* object) {
  IAccessible* acc = object ? object : parent;
  const LONG self = object ? CHILDID_SELF : id;
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = self;
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  acc->get_accRole(child, &role);
  acc->get_accState(child, &state);
  LONG x = 0, y = 0, w = 0, h = 0;
  acc->accLocation(&x, &y, &w, &h, child);
  char where[80];
  std::snprintf(where, sizeof where, "%ld,%ld,%ld,%ld", x, y, w, h);
  const std::string fields[] = {std::to_string(id),
                                Text(acc, self, &IAccessible::get_accName),
                                role.vt == VT_I4 ? RoleName(role.lVal) : "?",
                                state.vt == VT_I4 ? StateWords(state.lVal) : "?",
                                where,
                                Text(acc, self, &IAccessible::get_accDescription),
                                Text(acc, self, &IAccessible::get_accDefaultAction)};
  std::string line;
  for (const std::string& field : fields) {
    if (!line.empty()) line += '\t';
    line += field;
  }
  line += '\n';
  return line;
}

struct Events {
  HWND window = nullptr;
  std::string lines;
};
Events events;

void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD,
                      DWORD) {
  if (hwnd != events.window || object != OBJID_CLIENT) return;
  char line[40];
  if (event == EVENT_OBJECT_NAMECHANGE)
    std::snprintf(line, sizeof line, "name %ld\n", child);
  else if (event == EVENT_OBJECT_STATECHANGE)
    std::snprintf(line, sizeof line, "state %ld\n", child);
  else
    std::snprintf(line, sizeof line, "reorder\n");
  events.lines += line;
}

bool Write(const wchar_t* path, const std::string& text) {
  FILE* file = _wfopen(path, L"wb");
  if (!file) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && ok;
}

// The object of the window with the keyboard in the main window's thread, as a reader hears it
// when the focus moves there.
int ReadFocus(HWND window, const wchar_t* path) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) || !info.hwndFocus) {
    return 1;
  }
  IAccessible* focus = nullptr;
  if (FAILED(AccessibleObjectFromWindow(info.hwndFocus, static_cast<DWORD>(OBJID_CLIENT),
                                        kIidAccessible, reinterpret_cast<void**>(&focus))) ||
      !focus) {
    return 1;
  }
  const std::string line = Line(focus, 0, focus);
  focus->Release();
  return Write(path, line) ? 0 : 1;
}

// The child id of the first simple element named `name`, 0 when there is none.
LONG ChildNamed(IAccessible* client, const std::string& name) {
  LONG count = 0;
  client->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<size_t>(count > 0 ? count : 0));
  LONG got = 0;
  if (count > 0) AccessibleChildren(client, 0, count, children.data(), &got);
  LONG found = 0;
  for (LONG k = 0; k < got; ++k) {
    VARIANT& v = children[static_cast<size_t>(k)];
    if (!found && v.vt == VT_I4 && Text(client, v.lVal, &IAccessible::get_accName) == name) {
      found = v.lVal;
    }
    VariantClear(&v);
  }
  return found;
}

// One press from a thread of its own, with an object of its own, made when `go` is set.
struct PressJob {
  HWND window = nullptr;
  LONG id = 0;
  HANDLE ready = nullptr;
  HANDLE go = nullptr;
  HRESULT hr = E_FAIL;
};

DWORD WINAPI PressOnGo(void* param) {
  auto* job = static_cast<PressJob*>(param);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* client = nullptr;
  const bool have =
      SUCCEEDED(AccessibleObjectFromWindow(job->window, static_cast<DWORD>(OBJID_CLIENT),
                                           kIidAccessible, reinterpret_cast<void**>(&client))) &&
      client;
  SetEvent(job->ready);
  if (have) {
    WaitForSingleObject(job->go, 10000);
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = job->id;
    job->hr = client->accDoDefaultAction(child);
    client->Release();
  }
  CoUninitialize();
  return 0;
}

// Two presses that reach the window while its thread is held still, as when it is busy: both
// are asked for before it carries out the first.
int PressTwoWhileBusy(HWND window, IAccessible* client, const std::string& first,
                      const std::string& second, const wchar_t* path) {
  PressJob jobs[2];
  jobs[0].id = ChildNamed(client, first);
  jobs[1].id = ChildNamed(client, second);
  if (!jobs[0].id || !jobs[1].id) return 1;
  DWORD pid = 0;
  const DWORD tid = GetWindowThreadProcessId(window, &pid);
  HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME, FALSE, tid);
  if (!thread) return 1;
  HANDLE workers[2] = {};
  for (int k = 0; k < 2; ++k) {
    jobs[k].window = window;
    jobs[k].ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    jobs[k].go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    workers[k] = CreateThread(nullptr, 0, PressOnGo, &jobs[k], 0, nullptr);
    if (workers[k]) WaitForSingleObject(jobs[k].ready, 10000);
  }
  SuspendThread(thread);
  SetEvent(jobs[0].go);
  Sleep(500);
  SetEvent(jobs[1].go);
  Sleep(500);
  ResumeThread(thread);
  for (HANDLE worker : workers) {
    if (!worker) continue;
    WaitForSingleObject(worker, 10000);
    CloseHandle(worker);
  }
  for (PressJob& job : jobs) {
    CloseHandle(job.ready);
    CloseHandle(job.go);
  }
  CloseHandle(thread);
  char line[64];
  std::snprintf(line, sizeof line, "pressed 0x%08lx 0x%08lx\n",
                static_cast<unsigned long>(jobs[0].hr), static_cast<unsigned long>(jobs[1].hr));
  return Write(path, line) && SUCCEEDED(jobs[0].hr) && SUCCEEDED(jobs[1].hr) ? 0 : 1;
}

int Run(int argc, wchar_t** argv) {
  if (argc < 3) return 1;
  const std::wstring mode = argv[1];
  HWND window = FindWindowW(L"velmarinMForm", nullptr);
  if (!window) return 1;
  if (mode == L"focus") return ReadFocus(window, argv[2]);
  IAccessible* client = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                        reinterpret_cast<void**>(&client))) ||
      !client) {
    return 1;
  }
  if (mode == L"press2") {
    const int code =
        argc > 4 ? PressTwoWhileBusy(window, client, Utf8(argv[2]), Utf8(argv[3]), argv[4]) : 1;
    client->Release();
    return code;
  }
  LONG count = 0;
  client->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<size_t>(count > 0 ? count : 0));
  LONG got = 0;
  if (count > 0) AccessibleChildren(client, 0, count, children.data(), &got);
  std::string out;
  LONG pressed = 0;
  const std::string wanted = argc > 3 ? Utf8(argv[2]) : "";
  for (LONG k = 0; k < got; ++k) {
    VARIANT& v = children[static_cast<size_t>(k)];
    IAccessible* object = nullptr;
    LONG id = k + 1;
    if (v.vt == VT_DISPATCH && v.pdispVal) {
      v.pdispVal->QueryInterface(kIidAccessible, reinterpret_cast<void**>(&object));
    } else if (v.vt == VT_I4) {
      id = v.lVal;
    }
    if (mode == L"list") out += Line(client, id, object);
    if (mode == L"press" && !object && !pressed &&
        Text(client, id, &IAccessible::get_accName) == wanted) {
      pressed = id;
    }
    if (object) object->Release();
    VariantClear(&v);
  }
  if (mode == L"press") {
    if (!pressed) return 1;
    events.window = window;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_NAMECHANGE, nullptr,
                                         OnEvent, pid, 0, WINEVENT_OUTOFCONTEXT);
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = pressed;
    const HRESULT hr = client->accDoDefaultAction(child);
    const DWORD end = GetTickCount() + 2000;
    while (GetTickCount() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    if (hook) UnhookWinEvent(hook);
    char head[40];
    std::snprintf(head, sizeof head, "pressed 0x%08lx\n", static_cast<unsigned long>(hr));
    out.assign(head);
    out += events.lines;
    client->Release();
    return Write(argv[3], out) && SUCCEEDED(hr) ? 0 : 1;
  }
  client->Release();
  return Write(argv[2], out) ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 1;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int code = Run(argc, argv);
  CoUninitialize();
  LocalFree(argv);
  return code;
}
