#include "bench/win/sheet_floor.h"

#include <commctrl.h>

#include "pages/page_roster.h"
#include "res/resource.h"

namespace {

// TRUE for WM_INITDIALOG lets the dialog manager place the focus, as the
// converter's pages do; every other message goes to the default handling.
INT_PTR CALLBACK IdlePage(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

}  // namespace

INT_PTR ShowSheetFloor(HINSTANCE resources)
{
    // The converter registers the same classes before its sheet.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);

    // The converter's own templates, in its tab order.
    PROPSHEETPAGEW pages[kPageCount] = {};
    for (size_t i = 0; i < kPageCount; ++i) {
        pages[i].dwSize = sizeof(PROPSHEETPAGEW);
        pages[i].dwFlags = PSP_DEFAULT | PSP_HASHELP;  // the tab title is the template's caption
        pages[i].hInstance = resources;
        pages[i].pszTemplate = MAKEINTRESOURCEW(kPageRoster[i].dialogId);
        pages[i].pfnDlgProc = &IdlePage;
    }
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_HASHELP | PSH_NOAPPLYNOW | PSH_USEICONID;
    header.hInstance = resources;
    header.pszIcon = MAKEINTRESOURCEW(IDI_MAIN);
    header.pszCaption = MAKEINTRESOURCEW(IDS_APP_TITLE);
    header.nPages = static_cast<UINT>(std::size(pages));
    header.ppsp = pages;
    return PropertySheetW(&header);
}
