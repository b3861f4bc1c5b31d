// The precision dialog as the system menu opens it on the running sheet.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pages/precision_setting.h"
#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/precision_driver.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"
#include "tests/support/settings_store.h"

namespace {

constexpr wchar_t kIntegerMessage[] = L"Zadejte celé číslo.";
constexpr wchar_t kRangeMessage[] = L"Zadejte celé číslo od 0 do 10.";

// Starts the sheet from a stored precision (or none), empties the store once
// the sheet has loaded it, so that any write the test did not expect shows,
// and opens the dialog. The store is emptied first for the cases of one
// test; the suite empties it before every test.
void OpenFrom(std::optional<DWORD> stored, const std::function<void(const Sheet&, HWND dialog)>& body)
{
    ClearSettings();
    if (stored)
        StorePrecision(*stored);
    EXPECT_TRUE(RunSheet([&](const Sheet& sheet) {
        ClearSettings();
        HWND dialog = OpenBySystemCommand(sheet.window, IDM_PRECISION, kPrecisionCaption);
        ASSERT_NE(dialog, nullptr);
        body(sheet, dialog);
    }));
}

void PressOk(HWND dialog)
{
    PressButton(dialog, IDOK);
}

// A way out of the dialog and what it leaves: the precision in force and
// the one stored.
struct WayOut {
    const char* what;
    const wchar_t* typed;  // null: left as shown
    void (*close)(HWND dialog);
    int inForce;
    std::optional<DWORD> stored;
};

void Leave(const Sheet& sheet, HWND dialog, const WayOut& way)
{
    if (way.typed)
        EnterPrecision(dialog, way.typed);
    way.close(dialog);
    ASSERT_TRUE(AwaitClosed(dialog, sheet.window));
    EXPECT_EQ(g_precision, way.inForce);
    EXPECT_EQ(StoredPrecision(), way.stored);
}

// Each way taken on a sheet started from a stored 7.
void ExpectWaysOutFromSeven(const std::vector<WayOut>& ways)
{
    for (const WayOut& way : ways) {
        SCOPED_TRACE(way.what);
        OpenFrom(7, [&](const Sheet& sheet, HWND dialog) { Leave(sheet, dialog, way); });
    }
}

}  // namespace

TEST(PrecisionDialog, OpensShowingTheCurrentPrecision)
{
    struct Case {
        std::optional<DWORD> stored;
        const wchar_t* shown;
    };
    // 42 only a hand-edited registry can hold: shown without complaint.
    const Case cases[] = {{std::nullopt, L"5"}, {0, L"0"}, {7, L"7"}, {42, L"42"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "shows " << c.shown);
        OpenFrom(c.stored, [&](const Sheet&, HWND dialog) {
            EXPECT_EQ(TextOf(Item(dialog, IDC_PRECISION)), c.shown);
            // Opening is over once the dialog's thread has handled all that
            // was queued for it: any complaint would be open by then.
            ASSERT_TRUE(Settle(dialog));
            EXPECT_EQ(FocusIn(dialog), Item(dialog, IDC_PRECISION));
            EXPECT_EQ(AnyWindowOwnedBy(dialog), nullptr);
            EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
        });
    }
}

TEST(PrecisionDialog, OkSetsThePrecisionAndWritesItAtOnce)
{
    ExpectWaysOutFromSeven({
        {"0 by OK", L"0", &PressOk, 0, 0},
        {"10 by OK", L"10", &PressOk, 10, 10},
        {"3 by the Enter key", L"3",
         [](HWND dialog) { PostMessageW(Item(dialog, IDC_PRECISION), WM_KEYDOWN, VK_RETURN, 1); }, 3, 3},
        {"unchanged, and written again all the same", nullptr, &PressOk, 7, 7},
    });
}

TEST(PrecisionDialog, RefusesWithAMessageAndStaysOpenUntilCorrected)
{
    struct Case {
        std::optional<DWORD> stored;
        const wchar_t* typed;  // null: left as shown
        const wchar_t* message;
    };
    const Case cases[] = {
        {7, L"11", kRangeMessage},
        {7, L"", kIntegerMessage},
        {42, nullptr, kRangeMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "typed " << (c.typed ? c.typed : L"(nothing)"));
        OpenFrom(c.stored, [&](const Sheet& sheet, HWND dialog) {
            const int before = g_precision;
            HWND field = Item(dialog, IDC_PRECISION);
            if (c.typed)
                EnterPrecision(dialog, c.typed);
            PressButton(dialog, IDOK);

            ExpectRefusal(WaitForTopWindow(OwnedBy(dialog)), dialog, field, c.message);
            EXPECT_EQ(g_precision, before);
            EXPECT_EQ(StoredPrecision(), std::nullopt);

            Leave(sheet, dialog, {"corrected to 4", L"4", &PressOk, 4, 4});
        });
    }
}

TEST(PrecisionDialog, StornoEscapeAndTheCloseBoxChangeNothing)
{
    // Out of range: a refusal would keep the dialog open.
    ExpectWaysOutFromSeven({
        {"Storno", L"99", [](HWND dialog) { PressButton(dialog, IDCANCEL); }, 7, std::nullopt},
        {"Escape", L"99", [](HWND dialog) { PostMessageW(Item(dialog, IDC_PRECISION), WM_KEYDOWN, VK_ESCAPE, 1); }, 7,
         std::nullopt},
        {"close box", L"99", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }, 7, std::nullopt},
    });
}

TEST(PrecisionDialog, UpDownStepsAndStopsAtZeroAndTen)
{
    enum Action { kUpKey, kDownKey, kUpArrow, kDownArrow };
    struct Case {
        const wchar_t* start;
        Action action;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"9", kUpKey, L"10"},  {L"10", kUpKey, L"10"},   {L"1", kDownKey, L"0"},   {L"0", kDownKey, L"0"},
        {L"5", kUpArrow, L"6"}, {L"10", kUpArrow, L"10"}, {L"5", kDownArrow, L"4"}, {L"0", kDownArrow, L"0"},
    };
    OpenFrom(std::nullopt, [&](const Sheet&, HWND dialog) {
        HWND field = Item(dialog, IDC_PRECISION);
        HWND spin = Item(dialog, IDC_PRECISION_SPIN);
        RECT area;
        GetClientRect(spin, &area);
        for (const Case& c : cases) {
            SetWindowTextW(field, c.start);
            if (c.action == kUpKey || c.action == kDownKey) {
                PressKey(field, c.action == kUpKey ? VK_UP : VK_DOWN);
            } else {
                const int y = c.action == kUpArrow ? area.bottom / 4 : area.bottom * 3 / 4;
                SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.right / 2, y));
                SendMessageW(spin, WM_LBUTTONUP, 0, MAKELPARAM(area.right / 2, y));
            }
            EXPECT_EQ(TextOf(field), c.expected) << "from " << c.start << ", action " << c.action;
        }
        EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
    });
}

TEST(PrecisionDialog, TheNextConversionUsesTheNewPrecision)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const Conversion f = MetreToKilometre(sheet);
        Type(f.value, L"1234");
        ASSERT_EQ(TextOf(f.result), L"1.23400 km");

        ASSERT_TRUE(SetPrecision(sheet.window, L"2"));
        // What is on screen keeps its decimals until the page converts again.
        EXPECT_EQ(TextOf(f.result), L"1.23400 km");
        ConvertAgain(f);
        EXPECT_EQ(TextOf(f.result), L"1.23 km");
        EXPECT_EQ(TextOf(f.value), L"1234.00 m");
    }));
}
