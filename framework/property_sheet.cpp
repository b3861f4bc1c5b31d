#include "framework/property_sheet.h"

#include "framework/dpi.h"
#include "framework/module.h"
#include "framework/win_app.h"
#include "framework/window_placement.h"

namespace {

// The sheet's window is made by the common controls; to see its
// WM_INITDIALOG first, the object binds the window as it is created, through
// a CBT hook that lives for one PropertySheetW call on this thread.
CWnd* s_pendingSheet = nullptr;
HHOOK s_createHook = nullptr;

// The sheet is a top-level dialog; any other window made on this thread
// meanwhile (by another hook, say) is not it.
bool IsTopLevelDialog(HWND window, const CREATESTRUCTW& create)
{
    wchar_t className[16] = {};
    return !(create.style & WS_CHILD) && GetClassNameW(window, className, 16) && lstrcmpW(className, L"#32770") == 0;
}

LRESULT CALLBACK BindSheetOnCreate(int code, WPARAM wParam, LPARAM lParam)
{
    const LRESULT next = CallNextHookEx(s_createHook, code, wParam, lParam);
    if (code == HCBT_CREATEWND && s_pendingSheet) {
        HWND window = reinterpret_cast<HWND>(wParam);
        if (IsTopLevelDialog(window, *reinterpret_cast<const CBT_CREATEWNDW*>(lParam)->lpcs)) {
            s_pendingSheet->SubclassWindow(window);
            s_pendingSheet = nullptr;
            UnhookWindowsHookEx(s_createHook);  // one window only
            s_createHook = nullptr;
        }
    }
    return next;
}

class ScopedCreateHook {
public:
    explicit ScopedCreateHook(CWnd* sheet)
    {
        s_pendingSheet = sheet;
        s_createHook = SetWindowsHookExW(WH_CBT, &BindSheetOnCreate, nullptr, GetCurrentThreadId());
    }
    ~ScopedCreateHook()
    {
        if (s_createHook)
            UnhookWindowsHookEx(s_createHook);
        s_createHook = nullptr;
        s_pendingSheet = nullptr;
    }
    ScopedCreateHook(const ScopedCreateHook&) = delete;
    ScopedCreateHook& operator=(const ScopedCreateHook&) = delete;
};

// WM_DPICHANGED_AFTERPARENT (Windows 10 1703), whose header guard asks for a
// newer target than the program's.
constexpr UINT kDpiChangedAfterParent = 0x02E3;

bool AppHandlesHelp()
{
    return AfxGetApp() && AfxGetApp()->HandlesCommand(ID_HELP);
}

// The common controls label the buttons in the system's language; the
// program's string table has them in its own. A missing string leaves the
// button as it is.
void LabelButton(HWND sheet, int id, UINT stringId)
{
    CString text;
    if (text.LoadString(stringId))
        SetDlgItemTextW(sheet, id, text.Wide().c_str());
}

}  // namespace

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_COLOUR_CHANGES()
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate), m_nIDCaption(nIDCaption) {}

BOOL CPropertyPage::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OnLayoutMessage(message, wParam, lParam, pResult))
        return TRUE;
    // The sheet's Help button asks the current page; the page passes it on
    // as the ID_HELP command, which ends with the application.
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_HELP)) {
        SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        *pResult = 0;
        return TRUE;
    }
    return CDialog::OnWndMsg(message, wParam, lParam, pResult);
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CPropertyPage* page = reinterpret_cast<CPropertyPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
    const INT_PTR result = InitBoundDialog(page, hWnd);
    page->FollowSheetDpi();
    return result;
}

UINT CPropertyPage::LayoutDpi() const
{
    return m_layout.Dpi() ? m_layout.Dpi() : DpiOfWindow(m_hWnd);
}

void CPropertyPage::LayOutForDpi(UINT dpi)
{
    m_layout.Apply(m_hWnd, AfxGetResourceHandle(), m_nIDTemplate, dpi);
}

void CPropertyPage::FollowSheetDpi()
{
    m_layout.Reset();  // a new window
    // The dialog manager made the page at its window's DPI, which stays the
    // system's where the platform does not rescale.
    const UINT sheetDpi = m_pSheet ? m_pSheet->m_nPageDpi : 0;
    if (sheetDpi != 0 && sheetDpi != DpiOfWindow(m_hWnd))
        LayOutForDpi(sheetDpi);
}

BOOL CPropertyPage::OnLayoutMessage(UINT message, WPARAM, LPARAM, LRESULT* pResult)
{
    if (!m_layout.Dpi())
        return FALSE;
    if (message == WM_GETFONT) {  // the dialog manager knows only the font it made
        *pResult = reinterpret_cast<LRESULT>(m_layout.Font());
        return TRUE;
    }
    if (message == kDpiChangedAfterParent) {
        // Whatever the platform did to the page, the layout stands.
        *pResult = Default();
        LayOutForDpi(m_layout.Dpi());
        return TRUE;
    }
    return FALSE;
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) : m_pParentWnd(pParentWnd)
{
    m_strCaption.LoadString(nIDCaption);
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
}

INT_PTR CPropertySheet::DoModal()
{
    const bool help = AppHandlesHelp();
    std::vector<PROPSHEETPAGEW> pages;
    for (CPropertyPage* page : m_pages) {
        PROPSHEETPAGEW psp{};
        psp.dwSize = sizeof(psp);
        psp.dwFlags = PSP_DEFAULT | (help ? PSP_HASHELP : 0);
        psp.hInstance = AfxGetResourceHandle();
        psp.pszTemplate = MAKEINTRESOURCEW(page->m_nIDTemplate);
        psp.pfnDlgProc = &CPropertyPage::PageDialogProc;
        psp.lParam = reinterpret_cast<LPARAM>(page);
        if (page->m_nIDCaption != 0) {  // 0: the tab title is the template's caption
            psp.dwFlags |= PSP_USETITLE;
            psp.pszTitle = MAKEINTRESOURCEW(page->m_nIDCaption);
        }
        pages.push_back(psp);
    }
    const std::wstring caption = m_strCaption.Wide();

    PROPSHEETHEADERW header = m_psh;
    header.dwSize = sizeof(header);
    header.dwFlags |= PSH_PROPSHEETPAGE | (help ? PSH_HASHELP : 0);
    header.hwndParent = OwnerOrMainWindow(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, this);
    header.hInstance = AfxGetResourceHandle();
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();

    INT_PTR result;
    {
        ScopedCreateHook bind(this);
        result = PropertySheetW(&header);
    }
    return result > 0 ? IDOK : IDCANCEL;
}

void CPropertySheet::LayOutPages(UINT dpi)
{
    m_nPageDpi = dpi;
    for (CPropertyPage* page : m_pages) {
        if (page->m_hWnd)
            page->LayOutForDpi(dpi);
    }
}

BOOL CPropertySheet::OnInitDialog()
{
    m_nPageDpi = 0;  // a new window, at the scale it is made at
    const BOOL result = static_cast<BOOL>(Default());
    LabelButton(m_hWnd, IDOK, AFX_IDS_SHEET_OK);
    LabelButton(m_hWnd, IDCANCEL, AFX_IDS_SHEET_CANCEL);
    LabelButton(m_hWnd, IDHELP, AFX_IDS_SHEET_HELP);
    // Sized by now (tabs, pages, buttons): centred on the work area, or over
    // an owner if it has one.
    CenterWindow(m_hWnd);
    return result;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    // F1, or the caption's "?" followed by a click anywhere in the sheet: the
    // same help as the Help button.
    if (message == WM_HELP && AppHandlesHelp()) {
        SendMessage(WM_COMMAND, MAKEWPARAM(ID_HELP, 0), 0);
        return TRUE;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
