// The precision dialog: edits the number of decimal places, 0 to 10. It
// touches neither the setting nor the registry; its caller does.
#pragma once

#include "framework/framework.h"

class CPrecisionDlg : public CDialog {
public:
    explicit CPrecisionDlg(CWnd* pParent = nullptr);

    int m_nPrecision = 0;  // set before DoModal, read after IDOK

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
