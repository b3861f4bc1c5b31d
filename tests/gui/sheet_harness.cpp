#include "tests/gui/sheet_harness.h"

#include <commctrl.h>
#include <prsht.h>

#include "pages/precision_setting.h"
#include "res/resource.h"
#include "shell/units_app.h"
#include "tests/gui/modal_run.h"
#include "tests/support/program_windows.h"
#include "units/units.h"

namespace {

// Picks the golden length unit of this abbreviation in list `list` of `page`.
void PickLengthUnit(HWND page, int list, const char* abbreviation)
{
    const GoldenUnit* unit = GoldenUnitOf(kLength, abbreviation);
    Select(page, list, unit ? PositionOfRow(Item(page, list), unit->row) : -1);
}

}  // namespace

HWND Sheet::ShowPage(int index) const
{
    const WaitingFor showing("the sheet to show page " + std::to_string(index));
    SendMessageW(window, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return CurrentPage();
}

HWND Sheet::CurrentPage() const
{
    return reinterpret_cast<HWND>(SendMessageW(window, PSM_GETCURRENTPAGEHWND, 0, 0));
}

bool RunSheet(const std::function<void(const Sheet&)>& body)
{
    g_unitCount = 0;
    g_precision = 0;
    ModalRun run;
    run.caption = kSheetCaption;
    run.body = [&](HWND window) {
        const Sheet sheet{window};
        // The start page lists its units on its first paint; give it the
        // time a user would wait.
        HWND fromList = Item(sheet.CurrentPage(), IDC_FROM_UNIT);
        {
            const WaitingFor listing("the start page to list its units");
            WaitFor([&] { return SendMessageW(fromList, CB_GETCOUNT, 0, 0) > 0; }, 10000, 2);
        }
        body(sheet);
    };
    run.closeMessage = PSM_PRESSBUTTON;
    run.closeWParam = PSBTN_CANCEL;
    return RunModal([] { theApp.InitInstance(); }, run);
}

HWND Item(HWND page, int id)
{
    return GetDlgItem(page, id);
}

Conversion MetreToKilometre(const Sheet& sheet)
{
    HWND page = sheet.ShowPage(kLength);
    PickLengthUnit(page, IDC_FROM_UNIT, "m");
    PickLengthUnit(page, IDC_TO_UNIT, "km");
    return {page, Item(page, IDC_VALUE), Item(page, IDC_RESULT)};
}

void Type(HWND field, const std::wstring& keys)
{
    for (wchar_t key : keys)
        SendMessageW(field, WM_CHAR, key, 1);
}

void PressKey(HWND field, UINT virtualKey)
{
    SendMessageW(field, WM_KEYDOWN, virtualKey, 1);
    SendMessageW(field, WM_KEYUP, virtualKey, 0xC0000001);
}

void ConvertAgain(const Conversion& conversion)
{
    PickLengthUnit(conversion.page, IDC_TO_UNIT, "km");
}

std::vector<GoldenUnit> GoldenRowsOf(int category)
{
    std::vector<GoldenUnit> rows;
    for (const GoldenUnit& unit : GoldenUnits())
        if (unit.category == category)
            rows.push_back(unit);
    return rows;
}

const GoldenUnit* GoldenUnitOf(int category, const char* abbreviation)
{
    for (const GoldenUnit& unit : GoldenUnits())
        if (unit.category == category && unit.abbreviation == abbreviation)
            return &unit;
    return nullptr;
}

void Erase(HWND field)
{
    SendMessageW(field, EM_SETSEL, 0, -1);
    Type(field, L"\b");
}

void EmptyFields(const Conversion& conversion)
{
    SetWindowTextW(conversion.value, L"");
    SetWindowTextW(conversion.result, L"");
}

int PositionOfRow(HWND list, int row)
{
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int position = 0; position < count; ++position)
        if (SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(position), 0) == row)
            return position;
    return -1;
}

bool Paste(HWND field, const std::wstring& text, UINT timeoutMs)
{
    // What an edit control does with a paste: the clipboard's text replaces
    // the selection, undoably, in one change. Handed over so, the text never
    // passes through the user's clipboard.
    return SendWithTimeout(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()), nullptr, timeoutMs);
}
