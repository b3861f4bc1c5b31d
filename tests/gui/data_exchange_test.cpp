// The framework's dialog data exchange on a real dialog: the precision
// template's edit field exchanged as a whole number in 0..10.
#include <gtest/gtest.h>

#include <string>

#include "framework/framework.h"
#include "res/resource.h"
#include "tests/gui/dialog_harness.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

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

struct Refusal {
    MessageBoxSeen box;  // nothing read where none was shown
    bool dialogStayed = false;
    bool focusOnField = false;
    bool wholeTextSelected = false;
};

// Puts `text` into the field, presses OK and reads the refusal, if any.
Refusal PressOkWith(HWND dialog, const wchar_t* text)
{
    Refusal refusal;
    HWND field = GetDlgItem(dialog, IDC_PRECISION);
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    const WindowQuery boxOverDialog = OwnedBy(dialog);
    // Either the dialog ends (the text was taken) or a message box refuses it.
    HWND box = nullptr;
    WaitFor([&] { return (box = FindTopWindow(boxOverDialog)) != nullptr || !IsWindow(dialog); }, 10000);
    if (!box)
        return refusal;
    refusal.box = ReadMessageBox(box);
    if (!CloseWith(box, IDOK))
        return refusal;
    // The focus moves back once the box's modal loop has returned; the
    // dialog's thread is back in its own loop when it answers.
    Sync(dialog);
    refusal.dialogStayed = IsWindow(dialog) && IsWindowVisible(dialog);
    refusal.focusOnField = FocusIn(dialog) == field;
    const TextSelection selection = SelectionOf(field);
    refusal.wholeTextSelected =
        selection.start == 0 && selection.end == static_cast<DWORD>(GetWindowTextLengthW(field));
    return refusal;
}

}  // namespace

TEST(DataExchange, InitialisationShowsTheMemberAndOkTakesAValidNumber)
{
    struct Case {
        const wchar_t* text;
        int number;
    };
    for (const Case& c : {Case{L"0", 0}, Case{L"10", 10}, Case{L" 7 ", 7}, Case{L"+3", 3}}) {
        NumberDialog dialog;
        std::wstring shown;
        const INT_PTR result = RunDialog(dialog, [&](HWND window) {
            shown = TextOf(GetDlgItem(window, IDC_PRECISION));
            const Refusal refusal = PressOkWith(window, c.text);
            EXPECT_TRUE(refusal.box.text.empty()) << Narrow(refusal.box.text);
        });
        EXPECT_EQ(shown, L"4");
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(dialog.m_nNumber, c.number);
    }
}

TEST(DataExchange, RefusesTextThatIsNoWholeNumberOrOutOfRange)
{
    const std::wstring integer = L"Zadejte celé číslo.";
    const std::wstring range = L"Zadejte celé číslo od 0 do 10.";
    // A text that is no number leaves the member untouched; a number out of
    // range has already been read into it when the range check refuses it.
    struct Case {
        const wchar_t* text;
        const std::wstring& message;
        int member;
    };
    const Case cases[] = {
        {L"", integer, 4},  {L"abc", integer, 4}, {L"1.5", integer, 4},         {L"3x", integer, 4},
        {L"11", range, 11}, {L"-1", range, -1},   {L"99999999999", integer, 4},
    };
    for (const Case& c : cases) {
        NumberDialog dialog;
        const INT_PTR result = RunDialog(dialog, [&](HWND window) {
            const Refusal refusal = PressOkWith(window, c.text);
            EXPECT_EQ(refusal.box.text, c.message) << "text " << Narrow(c.text);
            EXPECT_EQ(refusal.box.caption, kSheetCaption);
            EXPECT_TRUE(refusal.dialogStayed);
            EXPECT_TRUE(refusal.focusOnField) << "text " << Narrow(c.text);
            EXPECT_TRUE(refusal.wholeTextSelected) << "text " << Narrow(c.text);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dialog.m_nNumber, c.member) << "text " << Narrow(c.text);
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
