// CDialog: a dialog built from its template and run modally. OK exchanges
// the controls into the members and ends only if that succeeds; Cancel ends
// without an exchange.
#pragma once

#include "framework/wnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    // Without a parent the dialog is owned by the application's main window.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
    {}

    virtual INT_PTR DoModal();
    // The first exchange, members into controls. TRUE: focus to the first
    // tab stop.
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

protected:
    virtual void OnOK();
    virtual void OnCancel();

    // Binds the dialog object when its window first hears WM_INITDIALOG.
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR InitBoundDialog(CDialog* dialog, HWND hWnd);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()
};
