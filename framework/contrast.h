// Whether the user runs a high-contrast theme, the system's colours, and the
// messages that tell a window the colours or theme have changed.
#pragma once

#include <windows.h>

// True while a high-contrast theme is on: windows then draw in the theme's
// system colours instead of their own.
bool HighContrastOn();

// The question as the system answers it; a test may put another answer in
// its place from any thread (null puts the system's back).
using HighContrastQuery = bool (*)();
void SetHighContrastQuery(HighContrastQuery query);

// A system colour by its index (COLOR_BTNFACE, ...), as GetSysColor answers
// unless a test has put another answer in its place, from any thread, so
// that no colour of the user's desktop changes (null puts the system's back).
COLORREF SystemColour(int index);
using SystemColourQuery = COLORREF (*)(int index);
void SetSystemColourQuery(SystemColourQuery query);

// WM_SYSCOLORCHANGE, WM_SETTINGCHANGE and WM_THEMECHANGED: what a window
// hears when a theme is switched on or off.
bool IsColourChange(UINT message);

// Repaints `window` and every child at once, backgrounds and frames too.
void RepaintWholly(HWND window);
