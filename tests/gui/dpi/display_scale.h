// The display scale of the prefix, and reading the program's windows at the
// scale the run was started with.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/gui/sheet_harness.h"
#include "tests/gui/window_capture.h"
#include "tests/support/program_windows.h"

// The scale the program's windows open at on the primary monitor.
UINT ConfiguredDpi();
// The prefix's LogPixels, nullopt when not set; once set (or deleted, for
// nullopt) it is the scale a process started from then on reads. Written
// under Wine only: elsewhere the write fails the test and changes nothing.
std::optional<DWORD> LogPixels();
void SetLogPixels(std::optional<DWORD> dpi);

// Every window of the program that shows texts, with a name for messages:
// each page (its tab selected), the sheet, and the precision dialog and the
// About box (opened from the system menu, closed after the visit).
void VisitEveryWindow(const Sheet& sheet, const std::function<void(HWND, const std::wstring&)>& visit);
// Each dialog of the sheet's system menu, opened by its command, visited
// and closed with Cancel.
void VisitSystemMenuDialogs(const Sheet& sheet, const std::function<void(HWND, const SystemMenuDialog&)>& visit);

// The room one control's text needs against the room the control has.
struct TextFit {
    std::wstring where;  // the window and the text
    SIZE needed;         // in pixels
    SIZE room;           // the client rectangle
    bool Whole() const { return needed.cx <= room.cx && needed.cy <= room.cy; }
};
// Every visible static, push button and group box among `window`'s children,
// measured in the control's own font against its client rectangle.
std::vector<TextFit> TextsIn(HWND window, const std::wstring& windowName);

// One text shown by a control, looked up in the control's own font.
struct Lettering {
    std::wstring where;  // the window, the control and the text
    std::wstring face;   // the face the font resolved to
    int missing = 0;     // characters the font has no glyph for
    bool trueType = false;
};
// Every text that `window`'s children show: their window texts (not those
// of up-down controls or image statics), the items of combo boxes and the
// titles of tab controls. Page windows among the children are left out.
std::vector<Lettering> LetteringIn(HWND window, const std::wstring& windowName);
