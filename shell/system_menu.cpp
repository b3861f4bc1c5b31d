// The sheet's two system-menu commands.
#include "about/about_dlg.h"
#include "pages/precision_setting.h"
#include "res/resource.h"
#include "shell/dialog_sheet.h"
#include "shell/precision_dlg.h"

namespace {

void ShowAbout()
{
    CAboutDlg about;
    about.DoModal();  // OK and Cancel alike
}

void ChangePrecision()
{
    CPrecisionDlg dialog;
    dialog.m_nPrecision = g_precision;
    if (dialog.DoModal() != IDOK)
        return;
    // Saved at once, also when unchanged: nothing is saved at exit.
    g_precision = dialog.m_nPrecision;
    AfxGetApp()->WriteProfileInt(kSettingsSection, kPrecisionEntry, g_precision);
}

}  // namespace

void CDialogSheet::AppendSystemMenuCommands()
{
    CMenu* menu = GetSystemMenu(FALSE);
    if (!menu)
        return;
    CString precision;
    precision.LoadString(IDS_PRECISION);
    CString about;
    about.LoadString(IDS_ABOUT);
    menu->AppendMenu(MF_SEPARATOR);
    menu->AppendMenu(MF_STRING, IDM_PRECISION, precision);
    menu->AppendMenu(MF_STRING, IDM_ABOUT, about);
}

void CDialogSheet::OnSysCommand(UINT nID, LPARAM lParam)
{
    // The About id is matched as the platform's own commands are: their low
    // four bits are the system's to use.
    if ((nID & 0xFFF0) == IDM_ABOUT)
        ShowAbout();
    else if (nID == IDM_PRECISION)
        ChangePrecision();
    else
        CPropertySheet::OnSysCommand(nID, lParam);
}
