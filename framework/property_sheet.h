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
#include "framework/dialog_layout.h"

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    // Caption id 0: the tab title is the template's caption.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    // The DPI the page is laid out for: the one its window was made at,
    // until a change of scale lays it out anew.
    UINT LayoutDpi() const;
    // Every control's rectangle from the page's template at `dpi`, in the
    // template's font made anew at that DPI (kept by the page).
    void LayOutForDpi(UINT dpi);

protected:
    // OK and Cancel belong to the sheet, not to a page.
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK PageDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // A page created after a change of scale comes up at the sheet's DPI.
    void FollowSheetDpi();
    BOOL OnLayoutMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    UINT m_nIDCaption;
    CPropertySheet* m_pSheet = nullptr;
    DialogLayout m_layout;
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* page)
    {
        page->m_pSheet = this;
        m_pages.push_back(page);
    }
    // A change of scale: every page that exists is laid out for `dpi`, and
    // so is every page created from now on.
    void LayOutPages(UINT dpi);

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
    friend class CPropertyPage;
    UINT m_nPageDpi = 0;  // that of the last change of scale, 0 before one
};
