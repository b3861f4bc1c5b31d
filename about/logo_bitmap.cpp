#include "about/logo_bitmap.h"

#include "framework/dpi.h"
#include "framework/gdi.h"

HWND FindBitmapStatic(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[16] = {};
        GetClassNameW(child, kind, 16);
        if (_wcsicmp(kind, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return child;
    }
    return nullptr;
}

HBITMAP ScaledResourceBitmap(UINT id, UINT dpi)
{
    CBitmap original;
    if (!original.LoadBitmap(id))
        return nullptr;
    BITMAP size{};
    original.GetBitmap(&size);
    const int width = ScaleForDpi(size.bmWidth, dpi);
    const int height = ScaleForDpi(size.bmHeight, dpi);

    const CClientDC screen(nullptr);
    CBitmap scaled;
    if (scaled.CreateCompatibleBitmap(screen, width, height)) {
        CMemoryDC from(screen.m_hDC);
        CMemoryDC to(screen.m_hDC);
        const ScopedSelect fromBitmap(from, original);
        const ScopedSelect toBitmap(to, scaled);
        to.SetStretchBltMode(COLORONCOLOR);  // nearest neighbour, no blending
        to.StretchBlt(0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    return static_cast<HBITMAP>(scaled.Detach());
}
