// Measuring instruments of the robustness tests: whether the UI thread still
// answers, how much room the GDI handle table has left, and a registry key
// that refuses writes.
#pragma once

#include <windows.h>

// Whether `window`'s thread answers WM_NULL within 5 seconds.
bool Responsive(HWND window);

// How many more pens the process can make: the free room of the GDI handle
// table, so that its change counts the objects left behind. GetGuiResources
// answers 0 under Wine, so it cannot serve.
int FreeGdiRoom();

// Denies setting values and creating subkeys to everyone on the HKCU key
// `path` (not on its subkeys). False when the DACL could not be set.
bool MakeReadOnly(const wchar_t* path);
