// The converter sheet: the program's one window, fourteen conversion pages.
#pragma once

#include "pages/page_roster.h"
#include "shell/framework/framework.h"

class CDialogSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CDialogSheet)
public:
    explicit CDialogSheet(CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    BOOL OnInitDialog() override;

protected:
    // The system-menu commands (shell/system_menu.cpp).
    void AppendSystemMenuCommands();
    void OnSysCommand(UINT nID, LPARAM lParam);
    // Moved to a monitor with another scale.
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Members in tab order; destroyed in reverse, the length page last.
    CLengthPage m_lengthPage;
    CVolumePage m_volumePage;
    CWeightPage m_weightPage;
    CTemperaturePage m_temperaturePage;
    CAreaPage m_areaPage;
    CDensityPage m_densityPage;
    CPowerPage m_powerPage;
    CPresurePage m_presurePage;
    CWorkPage m_workPage;
    CPerformancePage m_performancePage;
    CAnglePage m_anglePage;
    CTimePage m_timePage;
    CSpeedPage m_speedPage;
    CFlowPage m_flowPage;
    HICON m_hIcon;  // shared resource icon: not released
};
