// Where every control of every existing page stands, here and in a fresh
// start of the program at another display scale.
#pragma once

#include <windows.h>

#include <vector>

#include "tests/gui/sheet_harness.h"

// One control: its page, its place among the page's children, its rectangle
// in the page's client coordinates and its font's height (LOGFONT).
struct ControlLayout {
    int page = 0;
    int index = 0;
    RECT rect{};
    LONG fontHeight = 0;
};

// `control`'s rectangle in `window`'s client coordinates.
RECT RectIn(HWND control, HWND window);
// Every child of `window`, numbered as page `page`.
std::vector<ControlLayout> ControlsOf(HWND window, int page);
// Every child of every page the sheet has created.
std::vector<ControlLayout> LayoutOfPages(const Sheet& sheet);

// The switch that makes dpi_tests a fresh start that writes its layout.
constexpr char kFreshLayoutSwitch[] = "--write-fresh-layout";
// With the switch: starts the sheet, shows every page and writes the layout
// and this process's DPI to `path`; answers the exit status.
int WriteFreshLayout(const char* path);

struct FreshLayout {
    UINT dpi = 0;  // the DPI the fresh process ran at
    std::vector<ControlLayout> controls;
};
// Starts this program anew, with the prefix's display scale set to `dpi`
// for the time of that start, and reads what it wrote. The scale is put
// back afterwards.
FreshLayout FreshLayoutAt(UINT dpi);
