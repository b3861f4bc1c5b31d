#include "about/static_link.h"

#include <shellapi.h>

#include <string>

#include "res/resource.h"

namespace {

// The text styles: left-aligned, centred, right-aligned. Modifier bits such
// as SS_NOPREFIX (which a web address with '&' needs) do not change the kind.
bool IsTextStyle(DWORD style)
{
    const DWORD kind = style & SS_TYPEMASK;
    return kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT;
}

}  // namespace

IMPLEMENT_DYNAMIC(CStaticLink, CStatic)

BEGIN_MESSAGE_MAP(CStaticLink, CStatic)
    ON_WM_NCHITTEST()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_SETFONT, &CStaticLink::OnSetFont)
END_MESSAGE_MAP()

const COLORREF CStaticLink::s_unvisitedColor = RGB(0, 0, 220);
const COLORREF CStaticLink::s_visitedColor = RGB(200, 0, 0);
HCURSOR CStaticLink::s_linkCursor = nullptr;
BOOL CStaticLink::s_cursorFallbackTried = FALSE;

CStaticLink::CStaticLink(const char* lpszTarget, BOOL bAutoDelete)
    : m_target(lpszTarget), m_textColor(s_unvisitedColor), m_autoDelete(bAutoDelete)
{
    // Reloaded at every construction, also when the resource is missing:
    // then the fallback lookup takes over at the first cursor request.
    s_linkCursor = LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDC_LINK_CURSOR));
}

LRESULT CStaticLink::OnNcHitTest(CPoint)
{
    // A static without SS_NOTIFY is transparent to the mouse; the label
    // wants the clicks and cursor requests over its whole rectangle.
    return HTCLIENT;
}

HBRUSH CStaticLink::CtlColor(CDC* pDC, UINT)
{
    if (!IsTextStyle(GetStyle()))
        return nullptr;  // the parent colours it as usual
    if (!m_underlineFont.GetSafeHandle())
        MakeUnderlineFont();
    if (m_underlineFont.GetSafeHandle())
        pDC->SelectObject(&m_underlineFont);
    pDC->SetTextColor(m_textColor);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void CStaticLink::MakeUnderlineFont()
{
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (!font)
        font = GetStockObject(DEFAULT_GUI_FONT);  // a control without a font draws in the system font
    LOGFONTW description{};
    if (!GetObjectW(font, sizeof(description), &description))
        return;
    description.lfUnderline = TRUE;
    m_underlineFont.CreateFontIndirect(&description);
}

LRESULT CStaticLink::OnSetFont(WPARAM, LPARAM)
{
    // A new font (the dialog's, remade after a change of display scale):
    // the next colour query underlines a copy of that one.
    m_underlineFont.DeleteObject();
    return Default();
}

void CStaticLink::OnLButtonDown(UINT, CPoint)
{
    if (m_target.IsEmpty())
        GetWindowText(m_target);
    if (m_target.IsEmpty())
        return;
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", m_target.Wide().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<UINT_PTR>(result) <= 32) {
        MessageBeep(MB_OK);
        return;
    }
    m_textColor = s_visitedColor;
    RepaintWithBackground();
}

void CStaticLink::RepaintWithBackground()
{
    // The label paints its text transparently and erases nothing, so its
    // parent repaints the background under it first: no pixel of the old
    // colour stays under the new one.
    HWND parent = ::GetParent(m_hWnd);
    RECT area;
    ::GetWindowRect(m_hWnd, &area);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL CStaticLink::OnSetCursor(CWnd*, UINT, UINT)
{
    if (!s_linkCursor && !s_cursorFallbackTried) {
        s_linkCursor = LoadFallbackCursor();
        s_cursorFallbackTried = TRUE;
    }
    if (!s_linkCursor)
        return FALSE;
    SetCursor(s_linkCursor);
    return TRUE;
}

HCURSOR CStaticLink::LoadFallbackCursor()
{
    // The help viewer carries a hand cursor; our own copy outlives the module.
    wchar_t directory[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const ScopedModule helpViewer(std::wstring(directory) + L"\\winhlp32.exe");
    if (!helpViewer.get())
        return nullptr;
    const HCURSOR cursor = LoadCursorW(helpViewer.get(), MAKEINTRESOURCEW(106));
    return cursor ? CopyCursor(cursor) : nullptr;
}

void CStaticLink::PostNcDestroy()
{
    if (m_autoDelete)
        delete this;
}
