#pragma once
// The dots per inch of the monitor a window is on, of the system, and the system's sizes made
// for a DPI. The calls that take a DPI exist from Windows 10 1607 on; before it, everything is
// at the system's DPI and the sizes are scaled from there.
#include <windows.h>

namespace velmarin::win32 {

// The window's DPI where the system tells it per window (GetDpiForWindow), otherwise the
// system's; 96 when neither answers.
int WindowDpi(HWND hwnd);

// The system's DPI, one for the whole session (the primary monitor's when the user signed in).
int SystemDpi();

// GetSystemMetrics for a monitor of `dpi`.
int MetricForDpi(int index, int dpi);

// The fonts and sizes of windows' frames (SPI_GETNONCLIENTMETRICS) for a monitor of `dpi`.
bool NonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

// The fonts the common controls take by default: a list view's (the icon titles' font) and a
// tool tip's (the status font).
enum class ControlFont { IconTitle, Status };

// That font for a monitor of `dpi`; nullptr when the system gives none. The caller deletes it.
HFONT ControlFontForDpi(ControlFont which, int dpi);

// Gives `window` the control font for `dpi` and keeps it in `held`, deleting the one held
// before. At the system's DPI with no font held yet the control keeps its own.
void GiveControlFont(HWND window, HFONT& held, ControlFont which, int dpi);

// The outer rectangle of a window with the client rectangle `rect`, its frame as it is drawn on a
// monitor of `dpi`.
bool AdjustRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);

}  // namespace velmarin::win32
