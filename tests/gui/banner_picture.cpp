#include "tests/gui/banner_picture.h"

#include "framework/gdi.h"
#include "res/resource.h"

void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

BannerPicture PaintedBanner(HWND page, int outline)
{
    Repaint(page);
    BannerPicture picture{CaptureClient(GetDlgItem(page, IDC_BANNER)), {}, {}};
    picture.face = PixelsOf(picture.pixels, kBannerFace, outline);
    picture.shadow = PixelsOf(picture.pixels, kBannerGrey, outline);
    return picture;
}

Box CentredFace(HWND banner, const std::wstring& title, UINT dpi, int outline, bool shadowed)
{
    const int scale = static_cast<int>(dpi);
    RECT client{};
    GetClientRect(banner, &client);
    // The banner's title font, heavy italic Arial 33 pixels high at 96 DPI,
    // and a bitmap like the screen's, so that the title is rasterised as there.
    CFont font;
    font.CreateFont(-MulDiv(33, scale, 96), 0, 0, 0, 1000, TRUE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "Arial");
    CBitmap bitmap;
    const CClientDC screen(banner);
    bitmap.CreateCompatibleBitmap(screen, client.right, client.bottom);
    const CMemoryDC memory(screen.m_hDC);
    const ScopedSelect picture(memory, bitmap);
    const ScopedSelect titleFont(memory, font);
    FillRect(memory.m_hDC, &client, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH)));
    SIZE extent{};
    GetTextExtentPoint32W(memory.m_hDC, title.c_str(), static_cast<int>(title.size()), &extent);
    // Halves truncated toward zero, also for a title wider than the banner.
    const int offset = shadowed ? MulDiv(2, scale, 96) : 0;
    const int x = (client.right - extent.cx) / 2 - offset;
    const int y = (client.bottom - extent.cy) / 2 - offset;
    SetBkMode(memory.m_hDC, TRANSPARENT);
    SetTextColor(memory.m_hDC, kBannerFace);
    TextOutW(memory.m_hDC, x, y, title.c_str(), static_cast<int>(title.size()));
    return PixelsOf(CaptureDc(memory.m_hDC, client.right, client.bottom), kBannerFace, outline);
}
