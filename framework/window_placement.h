// Where a top-level window opens: centred over its owner, or on the work
// area of its monitor when it has none, and always kept inside that work
// area. Nothing is remembered between runs.
#pragma once

#include <windows.h>

// Moves `window` (size unchanged): centred over its owner when the owner is
// visible and not minimised, else centred on its monitor's work area;
// then moved back inside that work area where it would stick out.
void CenterWindow(HWND window);
