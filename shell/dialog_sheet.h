// The converter sheet: the program's one window, fourteen conversion pages.
#pragma once

#include "framework/framework.h"
#include "pages/page_roster.h"

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
    ConversionPages m_conversionPages;  // in tab order
    HICON m_hIcon;                      // shared resource icon: not released
};
