// The painted banner as the tests read it back: its colours, a repaint of
// its page, the face and shadow of its title, and where the face belongs.
#pragma once

#include <windows.h>

#include <string>

#include "tests/gui/window_capture.h"

constexpr COLORREF kBannerFill = RGB(192, 192, 192);  // LTGRAY_BRUSH
constexpr COLORREF kBannerGrey = RGB(128, 128, 128);  // outline and shadow
constexpr COLORREF kBannerFace = RGB(0, 0, 0);

// Invalidates `window` with every child and repaints it at once.
void Repaint(HWND window);

struct BannerPicture {
    Capture pixels;
    Box face;    // the title's black pixels inside the outline
    Box shadow;  // its grey pixels inside the outline
};
// Repaints `page` and reads back its banner, whose outline is `outline` pixels wide.
BannerPicture PaintedBanner(HWND page, int outline);

// Where the face's black pixels belong: `title` in the banner's font at
// `dpi`, its extent centred in `banner`'s client area by integer halves and
// moved up and left by the face's offset (none for a banner without its
// shadow), drawn alone in a bitmap of that size and read back inside a frame
// `outline` pixels wide.
Box CentredFace(HWND banner, const std::wstring& title, UINT dpi, int outline, bool shadowed = true);
