#include "shell/dialog_sheet.h"

#include <tuple>

#include "framework/dpi.h"
#include "pages/precision_setting.h"
#include "res/resource.h"
#include "units/units.h"

IMPLEMENT_DYNAMIC(CDialogSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CDialogSheet, CPropertySheet)
    ON_WM_SYSCOMMAND()
    ON_MESSAGE(WM_DPICHANGED, &CDialogSheet::OnDpiChanged)
END_MESSAGE_MAP()

CDialogSheet::CDialogSheet(CWnd* pParentWnd, UINT iSelectPage) : CPropertySheet(IDS_APP_TITLE, pParentWnd, iSelectPage)
{
    std::apply([this](auto&... pages) { (AddPage(&pages), ...); }, m_conversionPages);
    m_psh.dwFlags |= PSH_NOAPPLYNOW | PSH_USEHICON;
    m_hIcon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_MAIN));
}

BOOL CDialogSheet::OnInitDialog()
{
    // Creates the start page, whose own initialisation therefore runs while
    // the unit table is not yet counted.
    const BOOL result = CPropertySheet::OnInitDialog();
    AppendSystemMenuCommands();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    g_unitCount = CountUnitRows(g_units, kTableRows);
    LoadPrecisionSetting();
    return result;
}

LRESULT CDialogSheet::OnDpiChanged(WPARAM wParam, LPARAM lParam)
{
    // The system rescales the sheet's own children, not the controls of its
    // pages: those are laid out anew for the DPI the message carries, and
    // the page repaints, its banner at that scale.
    const LRESULT result = Default();
    TakeSuggestedRect(m_hWnd, lParam);
    LayOutPages(LOWORD(wParam));
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return result;
}
