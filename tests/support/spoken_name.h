// The name a screen reader speaks for a control of a dialog, derived from
// the window tree as the system's accessibility layer derives it for the
// standard controls.
#pragma once

#include <windows.h>

#include <string>

// A text as drawn with prefix processing: "&x" shows "x", "&&" shows "&".
std::wstring WithoutMnemonics(const std::wstring& text);

// The control's label: walking back in z-order, the first static (a group
// box counts, as it answers WM_GETDLGCODE with DLGC_STATIC), hidden or not;
// the walk passes hidden controls and controls that are neither a tab stop
// nor a group's start, and gives up at the first one that is. Null if none.
HWND LabelOf(HWND control);

// An edit field or a combo box is named by its label alone (its own text is
// its value); any other control by its own text, or by its label when it
// has none. Empty when the control has no name.
std::wstring SpokenNameOf(HWND control);
