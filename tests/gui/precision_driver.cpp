#include "tests/gui/precision_driver.h"

#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

HWND OpenPrecisionDialog(HWND sheet)
{
    return OpenBySystemCommand(sheet, IDM_PRECISION, kPrecisionCaption);
}

HWND PrecisionField(HWND dialog)
{
    return Item(dialog, IDC_PRECISION);
}

void EnterPrecision(HWND dialog, const std::wstring& text)
{
    Erase(PrecisionField(dialog));
    Type(PrecisionField(dialog), text);
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
    HWND dialog = OpenPrecisionDialog(sheet);
    if (!dialog)
        return false;
    if (shown)
        *shown = TextOf(PrecisionField(dialog));
    EnterPrecision(dialog, typed);
    PressButton(dialog, IDOK);
    return AwaitClosed(dialog, sheet);
}
