#include "tests/gui/window_capture.h"

#include "framework/gdi.h"

Capture CaptureClient(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    const CClientDC dc(window);
    return CaptureDc(dc.m_hDC, rect.right, rect.bottom);
}

Capture CaptureDc(HDC dc, int width, int height)
{
    Capture capture;
    capture.width = width;
    capture.height = height;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const CMemoryDC memory(dc);
    const ScopedSelect copy(memory, bitmap);
    BitBlt(memory.m_hDC, 0, 0, capture.width, capture.height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* raw = static_cast<const DWORD*>(bits);
    for (int i = 0; i < capture.width * capture.height; ++i) {
        const DWORD p = raw[i];
        capture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    return capture;
}

Box PixelsOf(const Capture& c, COLORREF colour, int inset)
{
    Box box;
    for (int y = inset; y < c.height - inset; ++y)
        for (int x = inset; x < c.width - inset; ++x)
            if (c.At(x, y) == colour) {
                box.minX = x < box.minX ? x : box.minX;
                box.minY = y < box.minY ? y : box.minY;
                box.maxX = x > box.maxX ? x : box.maxX;
                box.maxY = y > box.maxY ? y : box.maxY;
                ++box.count;
            }
    return box;
}

HGDIOBJ FontOf(HWND window)
{
    return reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0));
}

LOGFONTW LogFontOf(HGDIOBJ font)
{
    LOGFONTW description{};
    if (font)
        GetObjectW(font, sizeof(description), &description);
    return description;
}
