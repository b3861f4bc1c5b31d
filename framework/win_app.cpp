#include "framework/win_app.h"

#include <commctrl.h>

#include "framework/registry_key.h"
#include "framework/wnd.h"

namespace {
CWinApp* s_app = nullptr;
}

CWinApp::CWinApp(const char* lpszAppName) : m_hInstance(GetModuleHandleW(nullptr))
{
    if (lpszAppName)
        m_strAppName = lpszAppName;
    s_app = this;
}

CWinApp::~CWinApp()
{
    if (s_app == this)
        s_app = nullptr;
}

const char* CWinApp::GetAppName()
{
    if (m_strAppName.IsEmpty())
        m_strAppName.LoadString(AFX_IDS_APP_TITLE);
    return m_strAppName;
}

void CWinApp::Enable3dControls()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
}

void CWinApp::SetRegistryKey(const char* lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
}

std::wstring CWinApp::SectionPath(const char* lpszSection)
{
    return Utf8ToWide(std::string("Software\\") + m_strRegistryKey.str() + "\\" + GetAppName() + "\\" + lpszSection);
}

UINT CWinApp::GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault)
{
    RegistryKey key;
    DWORD value = 0;
    if (m_strRegistryKey.IsEmpty() || !key.Open(HKEY_CURRENT_USER, SectionPath(lpszSection), KEY_QUERY_VALUE) ||
        !key.ReadDword(Utf8ToWide(lpszEntry), &value))
        return static_cast<UINT>(nDefault);
    return value;
}

BOOL CWinApp::WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue)
{
    RegistryKey key;
    if (m_strRegistryKey.IsEmpty() || !key.Create(HKEY_CURRENT_USER, SectionPath(lpszSection), KEY_SET_VALUE))
        return FALSE;
    return key.WriteDword(Utf8ToWide(lpszEntry), static_cast<DWORD>(nValue)) ? TRUE : FALSE;
}

CWinApp* AfxGetApp()
{
    return s_app;
}

HINSTANCE AfxGetInstanceHandle()
{
    return s_app ? s_app->m_hInstance : GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    return AfxGetInstanceHandle();
}

int AfxWinMain(CWinApp& app, HINSTANCE hInstance)
{
    app.m_hInstance = hInstance;
    app.InitInstance();
    return app.ExitInstance();
}

int AfxMessageBox(const char* lpszText, UINT nType, HWND hOwner)
{
    CWinApp* app = AfxGetApp();
    hOwner = OwnerOrMainWindow(hOwner);
    const std::wstring text = Utf8ToWide(lpszText ? lpszText : "");
    const std::wstring caption = Utf8ToWide(app ? app->GetAppName() : "");
    return MessageBoxW(hOwner, text.c_str(), caption.c_str(), nType);
}

HWND OwnerOrMainWindow(HWND owner, const CWnd* self)
{
    if (owner)
        return owner;
    const CWinApp* app = AfxGetApp();
    return app && app->m_pMainWnd && app->m_pMainWnd != self ? app->m_pMainWnd->m_hWnd : nullptr;
}
