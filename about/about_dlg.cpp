#include "about/about_dlg.h"

#include "about/logo_bitmap.h"
#include "framework/dpi.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_MESSAGE(WM_DPICHANGED, &CAboutDlg::OnDpiChanged)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT), m_webLink(nullptr, FALSE), m_mailLink(nullptr, FALSE) {}

void CAboutDlg::DoDataExchange(CDataExchange*) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The e-mail label shows the bare address; the shell needs the scheme
    // to know what opens it.
    m_mailLink.m_target.Empty();
    m_mailLink.SubclassDlgItem(IDC_MAIL_LINK, this);
    CString address;
    m_mailLink.GetWindowText(address);
    m_mailLink.m_target = CString("mailto:" + address.str());
    // The web label opens the address it shows.
    m_webLink.m_target.Empty();
    m_webLink.SubclassDlgItem(IDC_WEB_LINK, this);
    ScaleLogo(DpiOfWindow(m_hWnd));
    return TRUE;
}

LRESULT CAboutDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    // The system rescales the dialog and its fonts; the window takes the
    // rectangle it suggests, and the logo follows the new scale.
    const LRESULT result = Default();
    TakeSuggestedRect(m_hWnd, lParam);
    ScaleLogo(LOWORD(wParam));
    return result;
}

void CAboutDlg::ScaleLogo(UINT dpi)
{
    HWND logo = FindBitmapStatic(m_hWnd);
    if (!logo)
        return;
    HBITMAP scaled = ScaledResourceBitmap(IDB_LOGO, dpi);
    if (!scaled)
        return;
    HGDIOBJ previous =
        reinterpret_cast<HGDIOBJ>(::SendMessageW(logo, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled)));
    // The template's bitmap, or our previous scaled one: nobody else holds it.
    if (previous && previous != m_scaledLogo.GetSafeHandle())
        DeleteObject(previous);
    m_scaledLogo.Attach(scaled);
}
