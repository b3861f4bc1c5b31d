#include "about/logo_bitmap.h"

#include "framework/dpi.h"
#include "framework/win_app.h"

namespace {

// A memory DC with one bitmap selected; both restored and freed on leaving.
class SelectedBitmap {
public:
    SelectedBitmap(HDC screen, HBITMAP bitmap) : m_dc(CreateCompatibleDC(screen))
    {
        m_previous = SelectObject(m_dc, bitmap);
    }
    ~SelectedBitmap()
    {
        SelectObject(m_dc, m_previous);
        DeleteDC(m_dc);
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

}  // namespace

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
    HBITMAP original = static_cast<HBITMAP>(
        LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!original)
        return nullptr;
    BITMAP size{};
    GetObjectW(original, sizeof(size), &size);
    const int width = ScaleForDpi(size.bmWidth, dpi);
    const int height = ScaleForDpi(size.bmHeight, dpi);

    HDC screen = GetDC(nullptr);
    HBITMAP scaled = CreateCompatibleBitmap(screen, width, height);
    if (scaled) {
        const SelectedBitmap from(screen, original);
        const SelectedBitmap to(screen, scaled);
        SetStretchBltMode(to.dc(), COLORONCOLOR);  // nearest neighbour, no blending
        StretchBlt(to.dc(), 0, 0, width, height, from.dc(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    }
    ReleaseDC(nullptr, screen);
    DeleteObject(original);
    return scaled;
}
