// A high-contrast theme as the tests stand it in. Wine never reports one
// on, so the program's question is answered by the test; the theme's
// colours are distinctive system colours, seen in no picture of ours.
#pragma once

#include <windows.h>

constexpr COLORREF kThemeFace = RGB(16, 40, 96);   // COLOR_BTNFACE
constexpr COLORREF kThemeText = RGB(250, 230, 0);  // COLOR_BTNTEXT
constexpr COLORREF kThemeLink = RGB(0, 200, 120);  // COLOR_HOTLIGHT

// Sets the three colours (SetSysColors, which repaints every window) with
// the theme still off; puts back the colours and the system's answer when
// it goes.
class ContrastTheme {
public:
    ContrastTheme();
    ~ContrastTheme();
    ContrastTheme(const ContrastTheme&) = delete;
    ContrastTheme& operator=(const ContrastTheme&) = delete;

    // The program's answer from now on; no window is told.
    void Switch(bool on);

private:
    static constexpr int kElements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HOTLIGHT};
    COLORREF m_previous[3] = {};
};
