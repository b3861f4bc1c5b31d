// The framework's dialog data exchange on a real dialog: the precision
// template's edit field exchanged as a whole number in 0..10.
#include <gtest/gtest.h>

#include <string>

#include "framework/framework.h"
#include "res/resource.h"
#include "tests/gui/dialog_harness.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"

namespace {

class NumberDialog : public CDialog {
public:
    NumberDialog() : CDialog(IDD_PRECISION) {}
    int m_nNumber = 4;
    int m_exchanges = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        ++m_exchanges;
        DDX_Text(pDX, IDC_PRECISION, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 0, 10);
    }
};

// Puts `text` into the field and presses OK; answers the message box that
// refuses the text, or null when the dialog ends instead (it was taken).
HWND PressOkWith(HWND dialog, const wchar_t* text)
{
    SendMessageW(GetDlgItem(dialog, IDC_PRECISION), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const WindowQuery boxOverDialog = OwnedBy(dialog);
    HWND box = nullptr;
    WaitFor([&] { return (box = FindTopWindow(boxOverDialog)) != nullptr || !IsWindow(dialog); }, 10000);
    return box;
}

}  // namespace

TEST(DataExchange, InitialisationShowsTheMemberAndOkTakesOnlyAWholeNumberInRange)
{
    const wchar_t* const integer = L"Zadejte celé číslo.";
    const wchar_t* const range = L"Zadejte celé číslo od 0 do 10.";
    // A text that is no number leaves the member untouched; a number out of
    // range has already been read into it when the range check refuses it.
    struct Case {
        const wchar_t* text;
        const wchar_t* refusal;  // null: taken
        int member;
    };
    const Case cases[] = {
        {L"0", nullptr, 0}, {L"10", nullptr, 10}, {L" 7 ", nullptr, 7},         {L"+3", nullptr, 3},
        {L"", integer, 4},  {L"abc", integer, 4}, {L"1.5", integer, 4},         {L"3x", integer, 4},
        {L"11", range, 11}, {L"-1", range, -1},   {L"99999999999", integer, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text " + Narrow(c.text));
        NumberDialog dialog;
        std::wstring shown;
        const INT_PTR result = RunDialog(dialog, [&](HWND window) {
            SCOPED_TRACE("text " + Narrow(c.text));  // on this thread too
            HWND field = GetDlgItem(window, IDC_PRECISION);
            shown = TextOf(field);
            HWND box = PressOkWith(window, c.text);
            if (!c.refusal) {
                EXPECT_EQ(box, nullptr) << Narrow(ReadMessageBox(box).text);
                return;
            }
            ExpectRefusal(box, window, field, c.refusal);
        });
        EXPECT_EQ(shown, L"4");
        EXPECT_EQ(result, c.refusal ? IDCANCEL : IDOK);
        EXPECT_EQ(dialog.m_nNumber, c.member);
    }
}

TEST(DataExchange, CancelEndsWithoutAnExchange)
{
    NumberDialog dialog;
    const INT_PTR result = RunDialog(dialog, [](HWND window) {
        SendMessageW(GetDlgItem(window, IDC_PRECISION), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"abc"));
        // Gone means the modal loop ended: a refusal would have held it open.
        EXPECT_TRUE(CloseWith(window, IDCANCEL));
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog.m_exchanges, 1);  // only the first one, into the controls
}

TEST(DataExchange, WholeNumberReading)
{
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"0", true, 0},
        {"  12  ", true, 12},
        {"-7", true, -7},
        {"+7", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"1 2", false, 0},
        {"0x10", false, 0},
        {"1e3", false, 0},
    };
    for (const Case& c : cases) {
        int value = -99;
        EXPECT_EQ(ParseWholeNumber(c.text, &value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}
