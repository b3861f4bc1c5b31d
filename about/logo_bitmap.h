// The About box's logo at the display scale.
#pragma once

#include <windows.h>

// The first child of `dialog` that is a static showing a bitmap; null if none.
HWND FindBitmapStatic(HWND dialog);

// Bitmap resource `id` of the program, enlarged or reduced to `dpi` by
// nearest neighbour, so that a word mark keeps its hard edges: each pixel
// becomes a whole block (2 × 2 at 192 DPI). The caller owns it.
HBITMAP ScaledResourceBitmap(UINT id, UINT dpi);
