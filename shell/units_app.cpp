#include "shell/units_app.h"

#include "framework/com_apartment.h"
#include "res/resource.h"
#include "shell/dialog_sheet.h"

CUnitsApp theApp;

BEGIN_MESSAGE_MAP(CUnitsApp, CWinApp)
    ON_COMMAND(ID_HELP, &CUnitsApp::OnHelp)
END_MESSAGE_MAP()

BOOL CUnitsApp::InitInstance()
{
    Enable3dControls();
    SetRegistryKey("Brodvik");
    {
        const ComApartment com;  // for the links' shell; ends after the sheet is gone
        CDialogSheet sheet;
        m_pMainWnd = &sheet;
        sheet.DoModal();  // every way of closing ends the program alike
    }
    return FALSE;
}

void CUnitsApp::OnHelp()
{
    // There is no help file: the Help button explains the page in a few lines.
    CString text;
    text.LoadString(IDS_HELP_TEXT);
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
}
