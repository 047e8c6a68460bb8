#include "win32/win32_ui.h"

#include "win32/wide.h"
#include "win32/window_dpi.h"

namespace velmarin::win32 {

namespace {

UINT ButtonFlags(MbButtons buttons) {
  switch (buttons) {
    case MbButtons::OkCancel:
      return MB_OKCANCEL;
    case MbButtons::YesNo:
      return MB_YESNO;
    case MbButtons::YesNoCancel:
      return MB_YESNOCANCEL;
    case MbButtons::Ok:
      break;
  }
  return MB_OK;
}

UINT IconFlags(MbIcon icon) {
  switch (icon) {
    case MbIcon::Information:
      return MB_ICONINFORMATION;
    case MbIcon::Question:
      return MB_ICONQUESTION;
    case MbIcon::Exclamation:
      return MB_ICONEXCLAMATION;
    case MbIcon::Error:
      return MB_ICONERROR;
    case MbIcon::None:
      break;
  }
  return 0;
}

// When no box could be shown, the answer that changes least: Cancel where there is one, else No.
MbResult Unanswered(MbButtons buttons) {
  switch (buttons) {
    case MbButtons::OkCancel:
    case MbButtons::YesNoCancel:
      return MbResult::Cancel;
    case MbButtons::YesNo:
      return MbResult::No;
    case MbButtons::Ok:
      break;
  }
  return MbResult::Ok;
}

// Text for a wide call: a NUL inside would end the text early, so it becomes a space.
std::wstring ForDisplay(const std::string& text) {
  std::wstring wide = Widen(text);
  for (wchar_t& c : wide) {
    if (c == L'\0') c = L' ';
  }
  return wide;
}

}  // namespace

MbResult Win32MessageBox::Show(const std::string& text, const std::string& title, MbButtons buttons,
                               MbIcon icon) {
  const std::wstring wideText = ForDisplay(text);
  const std::wstring wideTitle = ForDisplay(title.empty() ? std::string(kDefaultTitle) : title);
  HWND dialog = innermostDialog_ ? innermostDialog_() : nullptr;
  HWND owner = dialog ? dialog : owner_;
  const UINT flags = ButtonFlags(buttons) | IconFlags(icon) | MB_SETFOREGROUND |
                     (owner ? MB_APPLMODAL : MB_TASKMODAL);
  switch (MessageBoxW(owner, wideText.c_str(), wideTitle.c_str(), flags)) {
    case IDOK:
      return MbResult::Ok;
    case IDCANCEL:
      return MbResult::Cancel;
    case IDYES:
      return MbResult::Yes;
    case IDNO:
      return MbResult::No;
    default:
      return Unanswered(buttons);
  }
}

int Win32Screen::WidthPixels() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Screen::HeightPixels() { return GetSystemMetrics(SM_CYSCREEN); }

int Win32Screen::SystemDpi() { return win32::SystemDpi(); }

std::vector<PixelRect> Win32Screen::WorkAreas() {
  std::vector<RECT> found;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM list) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (GetMonitorInfoW(monitor, &info)) {
          auto& areas = *reinterpret_cast<std::vector<RECT>*>(list);
          // The primary monitor first, as the rest of the program expects.
          if (info.dwFlags & MONITORINFOF_PRIMARY) {
            areas.insert(areas.begin(), info.rcWork);
          } else {
            areas.push_back(info.rcWork);
          }
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  if (found.empty()) return IScreen::WorkAreas();
  std::vector<PixelRect> areas;
  for (const RECT& r : found) {
    areas.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  return areas;
}

// A layout pixel is a 96th of an inch on every screen.
int Win32Screen::TwipsPerPixelX() { return 1440 / kLayoutDpi; }
int Win32Screen::TwipsPerPixelY() { return 1440 / kLayoutDpi; }

}  // namespace velmarin::win32
