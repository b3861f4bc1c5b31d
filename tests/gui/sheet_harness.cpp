#include "tests/gui/sheet_harness.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <utility>

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

// A copy of `bytes` of `data` for the clipboard, which frees it once it is set there.
HGLOBAL CopyOf(const void* data, size_t bytes)
{
    HGLOBAL copy = bytes ? GlobalAlloc(GMEM_MOVEABLE, bytes) : nullptr;
    if (copy) {
        std::memcpy(GlobalLock(copy), data, bytes);
        GlobalUnlock(copy);
    }
    return copy;
}

bool Put(UINT format, HGLOBAL data)
{
    if (data && SetClipboardData(format, data))
        return true;
    GlobalFree(data);
    return false;
}

// Keeps what is put on the clipboard out of clipboard history, the cloud
// clipboard and clipboard monitors.
void MarkUnrecorded()
{
    const DWORD no = 0;
    for (const wchar_t* name : {L"ExcludeClipboardContentFromMonitorProcessing", L"CanIncludeInClipboardHistory",
                                L"CanUploadToCloudClipboard"})
        Put(RegisterClipboardFormatW(name), CopyOf(&no, sizeof(no)));
}

// The user's clipboard lent to a test: what was there is copied, the test's
// text put in its place, and the copy put back when the loan ends. Only data
// held in memory is kept: the texts, CF_DIB (from which CF_BITMAP comes back)
// and the formats programs register. GDI objects (bitmaps, palettes,
// metafiles), private and owner-drawn formats are not, and data a program
// would render only when asked is rendered now, its promise not kept.
class LentClipboard {
public:
    LentClipboard(const void* text, size_t bytes)
    {
        if (!Open())
            return;
        for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
            const bool gdi = format == CF_BITMAP || format == CF_PALETTE || format == CF_METAFILEPICT ||
                             format == CF_ENHMETAFILE || (format >= CF_OWNERDISPLAY && format <= CF_GDIOBJLAST);
            HGLOBAL data = gdi ? nullptr : GetClipboardData(format);
            if (data && GlobalSize(data)) {
                m_kept.emplace_back(format, CopyOf(GlobalLock(data), GlobalSize(data)));
                GlobalUnlock(data);
            }
        }
        EmptyClipboard();
        placed = Put(CF_UNICODETEXT, CopyOf(text, bytes));
        MarkUnrecorded();
        CloseClipboard();
        m_lent = true;
    }
    ~LentClipboard()
    {
        // A paste that ran out of time may still hold it open a moment.
        if (m_lent && Open()) {
            EmptyClipboard();
            for (const auto& [format, data] : m_kept)
                Put(format, data);
            // Exactly the user's formats again: a mark would change what
            // other programs see, and history records the user's own once
            // more at worst.
            m_kept.clear();
            CloseClipboard();
        }
        for (const auto& kept : m_kept)  // what could not be put back
            GlobalFree(kept.second);
        DestroyWindow(m_owner);
    }
    LentClipboard(const LentClipboard&) = delete;
    LentClipboard& operator=(const LentClipboard&) = delete;

    bool placed = false;

private:
    bool Open() const
    {
        return m_owner && WaitFor([&] { return OpenClipboard(m_owner) != FALSE; }, 5000);
    }

    // Data is set only on a clipboard opened by a window, its owner.
    HWND m_owner = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    bool m_lent = false;
    std::vector<std::pair<UINT, HGLOBAL>> m_kept;
};

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
    const LentClipboard clipboard(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return clipboard.placed && SendWithTimeout(field, WM_PASTE, 0, 0, nullptr, timeoutMs);
}
