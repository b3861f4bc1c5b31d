// A window's painted pixels, read back from the screen, and where one colour
// lies among them; and the font it paints its text in.
#pragma once

#include <windows.h>

#include <vector>

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
Capture CaptureClient(HWND window);
// The pixels of `dc` from (0, 0), `width` by `height`.
Capture CaptureDc(HDC dc, int width, int height);

// The bounding box of one colour's pixels.
struct Box {
    int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1, count = 0;
    int Height() const { return maxY - minY + 1; }
};
// The pixels of `colour` inside a frame `inset` pixels wide.
Box PixelsOf(const Capture& c, COLORREF colour, int inset);

// The font `window` was given (WM_GETFONT); null when it draws in the system font.
HGDIOBJ FontOf(HWND window);
// The description of `font`; all zero when there is none.
LOGFONTW LogFontOf(HGDIOBJ font);
