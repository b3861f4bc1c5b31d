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
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Shows the logo in proportion to the display scale, at 96 DPI too: the
    // bitmap the control loaded from the template is then deleted here, as
    // not every static control frees it itself (Wine's does not).
    void ScaleLogo(UINT dpi);
    CGdiObject m_scaledLogo;  // the bitmap the logo control shows
};
