// The About box: what the program is, who made it, and two links to the
// maker's web and e-mail addresses.
#pragma once

#include "about/static_link.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    // Embedded, so never self-deleting; each opening starts unvisited.
    CStaticLink m_webLink;
    CStaticLink m_mailLink;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
