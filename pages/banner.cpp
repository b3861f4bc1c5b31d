#include "pages/banner.h"

#include "framework/contrast.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/wnd.h"

namespace {

constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// Pixel figures at 96 DPI; each is scaled to the DPI the page is laid out for.
constexpr int kFontHeight = -33;
constexpr int kShadowOffset = 2;
constexpr int kOutlineWidth = 1;

// The banner's colours: our own greys, or in a contrast theme the theme's
// text on its face colour, framed in the text colour and without a shadow.
struct BannerColours {
    COLORREF fill;
    COLORREF outline;
    COLORREF title;
    bool shadow;
};

BannerColours ColoursNow()
{
    if (!HighContrastOn())
        return {kLightGrey, kGrey, kBlack, true};
    const COLORREF text = SystemColour(COLOR_BTNTEXT);
    return {SystemColour(COLOR_BTNFACE), text, text, false};
}

}  // namespace

void DrawBanner(CWnd* banner, CString text, UINT dpi)
{
    if (!banner || !banner->m_hWnd)
        return;
    const BannerColours colours = ColoursNow();
    // Declared before the DC so that they are deleted after it is released,
    // each put out of the DC first by its ScopedSelect.
    CGdiObject fill;
    CPen pen;
    CFont font;
    {
        CClientDC dc(banner->m_hWnd);
        const int outline = ScaleForDpi(kOutlineWidth, dpi);
        const int offset = ScaleForDpi(kShadowOffset, dpi);
        fill.Attach(CreateSolidBrush(colours.fill));
        // A wider outline is drawn inside the control, as the one-pixel one is.
        pen.CreatePen(outline > 1 ? PS_INSIDEFRAME : PS_SOLID, outline, colours.outline);
        font.CreateFont(ScaleForDpi(kFontHeight, dpi), 0, 0, 0, 1000, TRUE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "Arial");
        RECT rect;
        banner->GetClientRect(&rect);

        // Let the control paint its own frame now, so that it never paints
        // over the banner afterwards.
        banner->InvalidateRect(nullptr, TRUE);
        banner->UpdateWindow();

        const ScopedSelect boxBrush(dc, fill);
        const ScopedSelect outlinePen(dc, pen);
        dc.Rectangle(rect.left, rect.top, rect.right, rect.bottom);

        const ScopedSelect titleFont(dc, font);
        dc.SetBkMode(TRANSPARENT);

        const SIZE extent = dc.GetTextExtent(text);
        // Integer halves truncate toward zero, also for a text wider than
        // the control.
        const int x = rect.left + (rect.right - extent.cx - rect.left) / 2;
        const int y = rect.top + (rect.bottom - extent.cy - rect.top) / 2;

        if (colours.shadow) {
            dc.SetTextColor(kGrey);
            dc.TextOut(x + offset, y + offset, text);
        }
        // The face stands off the centre only to make room for its shadow.
        const int face = colours.shadow ? offset : 0;
        dc.SetTextColor(colours.title);
        dc.TextOut(x - face, y - face, text);
    }
}
