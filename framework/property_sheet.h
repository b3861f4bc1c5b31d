// CPropertySheet and CPropertyPage over the common controls' property sheet.
// Pages stand in AddPage order; the start page is created inside the sheet's
// own WM_INITDIALOG (so during CPropertySheet::OnInitDialog), every other
// page when its tab is first selected.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <vector>

#include "framework/dialog.h"

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // Caption id 0: the tab title is the template's caption.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

protected:
    // OK and Cancel belong to the sheet, not to a page.
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    UINT m_nIDCaption;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* page) { m_pages.push_back(page); }

    // IDOK when the sheet was closed by OK, else IDCANCEL.
    virtual INT_PTR DoModal();
    // The common controls' own initialisation: tabs, buttons, start page.
    virtual BOOL OnInitDialog();

    // Header flags and fields; DoModal adds the pages, the caption and, when
    // the application handles ID_HELP, PSH_HASHELP.
    PROPSHEETHEADERW m_psh{};

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

private:
    CString m_strCaption;
    CWnd* m_pParentWnd;
    std::vector<CPropertyPage*> m_pages;
};
