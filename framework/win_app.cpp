#include "framework/win_app.h"

#include <commctrl.h>

#include "framework/module.h"
#include "framework/registry_key.h"

namespace {
CWinApp* s_app = nullptr;
}

CWinApp::CWinApp(const char* lpszAppName)
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

int AfxWinMain(CWinApp& app, HINSTANCE hInstance)
{
    AfxSetInstanceHandle(hInstance);
    app.InitInstance();
    return app.ExitInstance();
}
