// The sheet's two system-menu commands.
#include "res/resource.h"
#include "shell/dialog_sheet.h"

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
    CPropertySheet::OnSysCommand(nID, lParam);
}
