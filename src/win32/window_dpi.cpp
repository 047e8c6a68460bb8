#include "win32/window_dpi.h"

#include <initializer_list>

namespace velmarin::win32 {

namespace {

// A function of user32 looked up by name: systems before Windows 10 1607 lack these.
template <typename Fn>
Fn User32(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

int Valid(int dpi) { return dpi > 0 ? dpi : 96; }

}  // namespace

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow && hwnd) {
    if (const UINT dpi = getDpiForWindow(hwnd); dpi > 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto getDpiForSystem = User32<GetDpiForSystemFn>("GetDpiForSystem");
  if (getDpiForSystem) {
    if (const UINT dpi = getDpiForSystem(); dpi > 0) return static_cast<int>(dpi);
  }
  // Before it, the screen's device context tells the system's DPI to a program aware of DPI.
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return Valid(dpi);
}

int MetricForDpi(int index, int dpi) {
  using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
  static const auto forDpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, static_cast<UINT>(Valid(dpi)));
  return MulDiv(GetSystemMetrics(index), Valid(dpi), SystemDpi());
}

bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
  using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto forDpi = User32<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
  metrics.cbSize = sizeof(metrics);
  if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                       static_cast<UINT>(Valid(dpi)))) {
    return true;
  }
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return false;
  // The system's sizes, scaled from its DPI to the monitor's.
  const int system = SystemDpi();
  for (LOGFONTW* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                         &metrics.lfStatusFont, &metrics.lfMessageFont}) {
    font->lfHeight = MulDiv(font->lfHeight, Valid(dpi), system);
  }
  return true;
}

HFONT ControlFontForDpi(ControlFont which, int dpi) {
  if (which == ControlFont::Status) {
    NONCLIENTMETRICSW metrics{};
    return NonClientMetricsForDpi(metrics, dpi) ? CreateFontIndirectW(&metrics.lfStatusFont)
                                                : nullptr;
  }
  using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto forDpi = User32<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
  LOGFONTW font{};
  if (!forDpi ||
      !forDpi(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0, static_cast<UINT>(Valid(dpi)))) {
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof(font), &font, 0)) return nullptr;
    font.lfHeight = MulDiv(font.lfHeight, Valid(dpi), SystemDpi());
  }
  return CreateFontIndirectW(&font);
}

void GiveControlFont(HWND window, HFONT& held, ControlFont which, int dpi) {
  if (!window || (!held && Valid(dpi) == SystemDpi())) return;
  HFONT font = ControlFontForDpi(which, dpi);
  if (!font) return;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (held) DeleteObject(held);
  held = font;
}

bool AdjustRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto forDpi = User32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  if (forDpi && forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(Valid(dpi)))) return true;
  return AdjustWindowRectEx(&rect, style, FALSE, exStyle) != FALSE;
}

}  // namespace velmarin::win32
