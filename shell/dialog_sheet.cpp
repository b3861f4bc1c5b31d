#include "shell/dialog_sheet.h"

#include "res/resource.h"
#include "shell/precision_setting.h"
#include "units/units.h"

IMPLEMENT_DYNAMIC(CDialogSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CDialogSheet, CPropertySheet)
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(WM_DPICHANGED, &CDialogSheet::OnDpiChanged)
END_MESSAGE_MAP()

CDialogSheet::CDialogSheet(CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(IDS_APP_TITLE, pParentWnd, iSelectPage)
{
    CPropertyPage* const pages[] = {&m_lengthPage, &m_volumePage,      &m_weightPage, &m_temperaturePage,
                                    &m_areaPage,   &m_densityPage,     &m_powerPage,  &m_presurePage,
                                    &m_workPage,   &m_performancePage, &m_anglePage,  &m_timePage,
                                    &m_speedPage,  &m_flowPage};
    for (CPropertyPage* page : pages)
        AddPage(page);
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_USEHICON;
    m_hIcon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_MAIN));
}

BOOL CDialogSheet::OnInitDialog()
{
    // Creates the start page, whose own initialisation therefore runs while
    // the unit table is not yet counted.
    const BOOL result = CPropertySheet::OnInitDialog();
    AppendSystemMenuCommands();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    g_unitCount = CountUnitRows(g_units, kTableRows);
    LoadPrecisionSetting();
    return result;
}

LRESULT CDialogSheet::OnDpiChanged(WPARAM, LPARAM lParam)
{
    // The system rescales the sheet's dialogs and their fonts; the sheet
    // takes the rectangle it suggests, and the page repaints, its banner at
    // the new scale.
    const LRESULT result = Default();
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    ::SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return result;
}
