#include "about/about_dlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUT), m_webLink(nullptr, FALSE), m_mailLink(nullptr, FALSE) {}

void CAboutDlg::DoDataExchange(CDataExchange*) {}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // No target of their own: each label opens the address it shows.
    m_mailLink.m_target.Empty();
    m_mailLink.SubclassDlgItem(IDC_MAIL_LINK, this);
    m_webLink.m_target.Empty();
    m_webLink.SubclassDlgItem(IDC_WEB_LINK, this);
    return TRUE;
}
