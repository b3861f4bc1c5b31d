// The captions of the program's three windows, as the user reads them in
// their title bars, and the two dialogs that the sheet's system menu opens.
// Every test and probe that looks for one of these windows takes its caption
// from here.
#pragma once

#include <windows.h>

#include "res/resource.h"
#include "tests/support/windows_found.h"

constexpr wchar_t kSheetCaption[] = L"Jednotar jednotek";
constexpr wchar_t kPrecisionCaption[] = L"Nastavení přesnosti";
constexpr wchar_t kAboutCaption[] = L"O programu Jednotar";

// The window class of every dialog, the sheet included.
constexpr wchar_t kDialogClass[] = L"#32770";

// A visible top-level dialog titled `caption`, of any process.
inline WindowQuery DialogTitled(const wchar_t* caption)
{
    WindowQuery query;
    query.className = kDialogClass;
    query.caption = caption;
    return query;
}

struct SystemMenuDialog {
    UINT command;  // the system-menu command that opens it
    const wchar_t* caption;
    const char* name;  // for messages
};
constexpr SystemMenuDialog kSystemMenuDialogs[] = {
    {IDM_PRECISION, kPrecisionCaption, "precision dialog"},
    {IDM_ABOUT, kAboutCaption, "About box"},
};
