#include "about/static_link.h"

#include <string>

#include "framework/contrast.h"
#include "framework/shell_open.h"
#include "res/resource.h"

namespace {

// Posted to the label by an accessibility client's default action.
constexpr UINT kOpenLater = WM_APP + 1;

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
    ON_MESSAGE(WM_GETDLGCODE, &CStaticLink::OnGetDlgCode)
    ON_MESSAGE(WM_KEYDOWN, &CStaticLink::OnKeyDown)
    ON_MESSAGE(WM_PAINT, &CStaticLink::OnPaint)
    ON_MESSAGE(WM_SETFOCUS, &CStaticLink::OnFocusOrCuesChanged)
    ON_MESSAGE(WM_KILLFOCUS, &CStaticLink::OnFocusOrCuesChanged)
    ON_MESSAGE(WM_UPDATEUISTATE, &CStaticLink::OnFocusOrCuesChanged)
    ON_MESSAGE(WM_GETOBJECT, &CStaticLink::OnGetObject)
    ON_MESSAGE(kOpenLater, &CStaticLink::OnOpenLater)
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
    // A contrast theme's link colour, for both states; the underline stays
    // the cue.
    pDC->SetTextColor(HighContrastOn() ? SystemColour(COLOR_HOTLIGHT) : m_textColor);
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
    Open();
}

LRESULT CStaticLink::OnGetDlgCode(WPARAM, LPARAM lParam)
{
    // Enter opens the focused link instead of pressing the default button;
    // Tab and Escape keep their meaning in the dialog.
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    const LRESULT code = Default();
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN)
        return code | DLGC_WANTMESSAGE;
    return code;
}

LRESULT CStaticLink::OnKeyDown(WPARAM wParam, LPARAM)
{
    // Enter only, as the platform's links take it; Space is for buttons.
    if (wParam != VK_RETURN)
        return Default();
    Open();
    return 0;
}

void CStaticLink::Open()
{
    if (m_target.IsEmpty())
        GetWindowText(m_target);
    if (m_target.IsEmpty())
        return;
    if (!OpenInShell(m_target.Wide())) {
        MessageBeep(MB_OK);
        return;
    }
    m_textColor = s_visitedColor;
    RepaintWithBackground();
}

LRESULT CStaticLink::OnPaint(WPARAM, LPARAM)
{
    // The static paints its text; the focus rectangle goes over it only
    // where that paint reached, so that no part of it is drawn twice (it is
    // drawn by inverting).
    CGdiObject painted;
    painted.Attach(CreateRectRgn(0, 0, 0, 0));
    const bool known = GetUpdateRgn(m_hWnd, static_cast<HRGN>(painted.GetSafeHandle()), FALSE) != ERROR;
    const LRESULT result = Default();
    if (known && ShowsFocus()) {
        CClientDC dc(m_hWnd);
        SelectClipRgn(dc.m_hDC, static_cast<HRGN>(painted.GetSafeHandle()));
        const RECT rect = TextRect();
        DrawFocusRect(dc.m_hDC, &rect);
    }
    return result;
}

LRESULT CStaticLink::OnFocusOrCuesChanged(WPARAM, LPARAM)
{
    // The rectangle comes or goes: painted afresh over the parent's
    // background, since the label erases nothing itself.
    const LRESULT result = Default();
    RepaintWithBackground();
    return result;
}

bool CStaticLink::ShowsFocus() const
{
    return ::GetFocus() == m_hWnd && !(SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS);
}

RECT CStaticLink::TextRect() const
{
    // Where the static draws its text, in the font the colour query gives
    // it, a pixel wider on each side where the control has the room.
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const DWORD style = GetStyle();
    if (!IsTextStyle(style))
        return client;
    HGDIOBJ font = m_underlineFont.GetSafeHandle();
    if (!font)
        font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    CClientDC dc(m_hWnd);
    const ScopedSelect textFont(dc, font ? font : GetStockObject(SYSTEM_FONT));
    const std::wstring text = WindowText(m_hWnd).Wide();
    RECT rect = client;
    DrawTextW(dc.m_hDC, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0));
    const LONG width = rect.right - rect.left;
    const DWORD kind = style & SS_TYPEMASK;
    if (kind == SS_CENTER)
        rect.left = client.left + (client.right - client.left - width) / 2;
    else if (kind == SS_RIGHT)
        rect.left = client.right - width;
    rect.right = rect.left + width;
    rect.left = rect.left > client.left ? rect.left - 1 : client.left;
    rect.right = rect.right < client.right ? rect.right + 1 : client.right;
    rect.bottom = rect.bottom < client.bottom ? rect.bottom : client.bottom;
    return rect;
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

LRESULT CStaticLink::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const LRESULT answer = m_accessible.Answer(m_hWnd, wParam, lParam, *this);
    return answer ? answer : Default();
}

std::wstring CStaticLink::LinkAddress() const
{
    // What the eye reads; the target only where the control shows nothing.
    const CString shown = WindowText(m_hWnd);
    return (shown.IsEmpty() ? m_target : shown).Wide();
}

std::wstring CStaticLink::LinkActionName() const
{
    CString name;
    name.LoadString(IDS_LINK_ACTION);
    return name.Wide();
}

bool CStaticLink::LinkVisited() const
{
    return m_textColor == s_visitedColor;
}

void CStaticLink::OpenLinkLater()
{
    PostMessageW(m_hWnd, kOpenLater, 0, 0);
}

LRESULT CStaticLink::OnOpenLater(WPARAM, LPARAM)
{
    Open();
    return 0;
}

void CStaticLink::PostNcDestroy()
{
    m_accessible.Disconnect();  // a client holding the object learns the window is gone
    if (m_autoDelete)
        delete this;
}
