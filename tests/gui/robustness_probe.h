// Measuring instruments of the robustness tests: whether the UI thread still
// answers, and a registry key that refuses writes. The GDI and USER objects
// held are counted in gui_objects.h.
#pragma once

#include <windows.h>

// Whether `window`'s thread answers WM_NULL within 5 seconds.
bool Responsive(HWND window);

// Denies setting values and creating subkeys to everyone on the HKCU key
// `path` (not on its subkeys). False when the DACL could not be set.
bool MakeReadOnly(const wchar_t* path);
