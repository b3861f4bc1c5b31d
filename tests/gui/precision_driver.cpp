#include "tests/gui/precision_driver.h"

#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

void EnterPrecision(HWND dialog, const std::wstring& text)
{
    Erase(Item(dialog, IDC_PRECISION));
    Type(Item(dialog, IDC_PRECISION), text);
}

bool AwaitClosed(HWND dialog, HWND sheet)
{
    if (!WaitUntilGone(dialog))
        return false;
    Sync(sheet);
    return true;
}

bool SetPrecision(HWND sheet, const std::wstring& typed, std::wstring* shown)
{
    HWND dialog = OpenBySystemCommand(sheet, IDM_PRECISION, kPrecisionCaption);
    if (!dialog)
        return false;
    if (shown)
        *shown = TextOf(Item(dialog, IDC_PRECISION));
    EnterPrecision(dialog, typed);
    PressButton(dialog, IDOK);
    return AwaitClosed(dialog, sheet);
}
