#include "framework/dialog.h"

#include "framework/module.h"
#include "framework/window_placement.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_COLOUR_CHANGES()
END_MESSAGE_MAP()

INT_PTR CDialog::DoModal()
{
    const HWND owner = OwnerOrMainWindow(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, this);
    // DialogBoxParam disables the owner for the modal loop and enables it again.
    return DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CDialog::InitBoundDialog(CDialog* dialog, HWND hWnd)
{
    // From here on the window's messages pass the object's message map
    // before the dialog manager's own procedure.
    dialog->SubclassWindow(hWnd);
    return dialog->OnInitDialog();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    const INT_PTR result = InitBoundDialog(reinterpret_cast<CDialog*>(lParam), hWnd);
    // A modal dialog opens centred over its owner, whatever its template says.
    CenterWindow(hWnd);
    return result;
}
