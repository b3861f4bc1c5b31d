// A high-contrast theme as the tests stand it in. Wine never reports one
// on, so the program's question is answered by the test; the theme's
// colours are distinctive system colours, seen in no picture of ours.
#pragma once

#include <windows.h>

constexpr COLORREF kThemeFace = RGB(16, 40, 96);   // COLOR_BTNFACE
constexpr COLORREF kThemeText = RGB(250, 230, 0);  // COLOR_BTNTEXT
constexpr COLORREF kThemeLink = RGB(0, 200, 120);  // COLOR_HOTLIGHT

// While it lives, the program's contrast question and its system colours
// are answered in-process, the three colours above being the theme's: the
// desktop's colours stay as they are. The theme starts off; no window is
// told of a switch.
class ContrastTheme {
public:
    ContrastTheme();
    ~ContrastTheme();
    ContrastTheme(const ContrastTheme&) = delete;
    ContrastTheme& operator=(const ContrastTheme&) = delete;

    void Switch(bool on);
};
