#include "shell/precision_dlg.h"

#include <commctrl.h>

#include "convert/convert.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CPrecisionDlg, CDialog)
END_MESSAGE_MAP()

CPrecisionDlg::CPrecisionDlg(CWnd* pParent) : CDialog(IDD_PRECISION, pParent) {}

void CPrecisionDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PRECISION, m_nPrecision);
    DDV_MinMaxInt(pDX, m_nPrecision, kMinPrecision, kMaxPrecision);
}

BOOL CPrecisionDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Upper limit in the low word, so the up arrow counts up; no wrap.
    SendDlgItemMessage(IDC_PRECISION_SPIN, UDM_SETRANGE, 0, MAKELONG(kMaxPrecision, kMinPrecision));
    return TRUE;
}
