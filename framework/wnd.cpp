#include "framework/wnd.h"

#include "framework/contrast.h"
#include "framework/menu.h"
#include "framework/win_app.h"

namespace {

// The bound object of a window is kept in a window property.
constexpr wchar_t kObjectProperty[] = L"Jednotar.CWnd";

TempMap<HWND, CWnd>& TemporaryWindows()
{
    static TempMap<HWND, CWnd> map;
    return map;
}

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    if (m_pfnSuper)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(GetPropW(hWnd, kObjectProperty)) : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (!hWnd)
        return nullptr;
    if (CWnd* bound = FromHandlePermanent(hWnd))
        return bound;
    return TemporaryWindows().Lookup(hWnd);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_pfnSuper || FromHandlePermanent(hWnd))
        return FALSE;
    m_hWnd = hWnd;
    SetPropW(hWnd, kObjectProperty, this);
    m_pfnSuper =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    return pParent ? SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID))) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd && m_pfnSuper) {
        if (GetWindowLongPtrW(hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::WndProc))
            SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        RemovePropW(hWnd, kObjectProperty);
    }
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
    return hWnd;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}
DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

void CWnd::GetWindowText(CString& text) const
{
    text = WindowText(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::OnColourChange(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    RepaintWholly(m_hWnd);
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (OnWndMsg(message, wParam, lParam, &result))
        return result;
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    if (IsCtlColorMessage(message) && ReflectCtlColor(wParam, lParam, message - WM_CTLCOLORMSGBOX, pResult))
        return TRUE;
    return DispatchMessageMap(message, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // A control's notification during this window's own exchange is the
    // echo of the exchange writing that control: dropped, not handled.
    if (lParam != 0 && m_exchangeDepth > 0)
        return TRUE;
    LRESULT result = 0;
    if (DispatchMessageMap(WM_COMMAND, wParam, lParam, &result))
        return TRUE;
    // Commands (menus, accelerators, button clicks) nobody here handles go
    // on to the application.
    if (HIWORD(wParam) == 0 && AfxGetApp() && AfxGetApp()->OnCmdMsg(LOWORD(wParam)))
        return TRUE;
    return FALSE;
}

bool CWnd::ReflectCtlColor(WPARAM wParam, LPARAM lParam, UINT ctlType, LRESULT* pResult)
{
    CWnd* child = FromHandlePermanent(reinterpret_cast<HWND>(lParam));
    if (!child || child == this)
        return false;
    return child->DispatchMessageMap(WM_REFLECT_CTLCOLOR, wParam, ctlType, pResult);
}

LRESULT CWnd::Route(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG previous = m_current;
    m_current.hwnd = m_hWnd;
    m_current.message = message;
    m_current.wParam = wParam;
    m_current.lParam = lParam;
    const LRESULT result = WindowProc(message, wParam, lParam);
    m_current = previous;
    if (message == WM_NCDESTROY)
        UnbindAfterDestroy();
    return result;
}

void CWnd::UnbindAfterDestroy()
{
    UnsubclassWindow();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
    PostNcDestroy();  // last: it may delete this
}

LRESULT CALLBACK CWnd::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return wnd->Route(message, wParam, lParam);
}

CString WindowText(HWND hWnd)
{
    const int length = GetWindowTextLengthW(hWnd);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hWnd, wide.data(), length + 1);
    wide.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return CString::FromWide(wide);
}

HWND OwnerOrMainWindow(HWND owner, const CWnd* self)
{
    if (owner)
        return owner;
    const CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd && app->m_pMainWnd != self ? app->m_pMainWnd->m_hWnd : nullptr;
}
