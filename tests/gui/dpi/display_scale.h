// Reading the program's windows at the display scale the run was started with.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The scale this prefix was set to (LogPixels; 96 when not set).
UINT ConfiguredDpi();

// A window's client area as 0x00RRGGBB pixels, read back from the screen.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
Capture CaptureClient(HWND window);

// The bounding box of one colour's pixels.
struct Box {
    int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1, count = 0;
    int Height() const { return maxY - minY + 1; }
};
// Inside a frame `inset` pixels wide.
Box PixelsOf(const Capture& c, COLORREF colour, int inset);

// The room one control's text needs against the room the control has.
struct TextFit {
    std::wstring where;  // the window and the text
    SIZE needed;         // in pixels
    SIZE room;           // the client rectangle
    bool Whole() const { return needed.cx <= room.cx && needed.cy <= room.cy; }
};
// Every static, push button and group box among `window`'s children,
// measured in the control's own font against its client rectangle.
std::vector<TextFit> TextsIn(HWND window, const std::wstring& windowName);
