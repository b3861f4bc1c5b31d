// Whether the user runs a high-contrast theme, and the messages that tell a
// window the system's colours or theme have changed.
#pragma once

#include <windows.h>

// True while a high-contrast theme is on: windows then draw in the theme's
// system colours instead of their own.
bool HighContrastOn();

// The question as the system answers it; a test may put another answer in
// its place from any thread (null puts the system's back).
using HighContrastQuery = bool (*)();
void SetHighContrastQuery(HighContrastQuery query);

// WM_SYSCOLORCHANGE, WM_SETTINGCHANGE and WM_THEMECHANGED: what a window
// hears when a theme is switched on or off.
bool IsColourChange(UINT message);

// Repaints `window` and every child at once, backgrounds and frames too.
void RepaintWholly(HWND window);
