// The display scale of a window. Pixel figures of the program are given for
// 96 DPI (100 %) and scaled to the DPI of the window they are drawn into.
#pragma once

#include <windows.h>

constexpr UINT kBaseDpi = 96;

// The window's DPI: GetDpiForWindow where the system has it (Windows 10
// 1607 and later), else DpiOfWindowDc.
UINT DpiOfWindow(HWND window);
// The DPI of the window's device context, which is the system's (Windows 7
// to 8.1 know no other); 96 when there is no DC.
UINT DpiOfWindowDc(HWND window);

// `value` pixels at 96 DPI, at `dpi`; rounded as MulDiv rounds.
inline int ScaleForDpi(int value, UINT dpi)
{
    return MulDiv(value, static_cast<int>(dpi), static_cast<int>(kBaseDpi));
}

// WM_DPICHANGED: moves and sizes `window` to the rectangle the system
// suggests for the new scale (lParam of the message).
void TakeSuggestedRect(HWND window, LPARAM suggestedRect);
