// The precision dialog as the system menu opens it on the running sheet.
#include <gtest/gtest.h>

#include <optional>
#include <string>

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

// Starts from a stored precision (or none), then empties the store once the
// sheet has loaded it, so that any write the test did not expect shows. The
// store is emptied first for the cases of one test; the suite empties it
// before every test.
void RunFrom(std::optional<DWORD> stored, const std::function<void(const Sheet&)>& body)
{
    ClearSettings();
    if (stored)
        StorePrecision(*stored);
    EXPECT_TRUE(RunSheet([&](const Sheet& sheet) {
        ClearSettings();
        body(sheet);
    }));
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
        RunFrom(c.stored, [&](const Sheet& sheet) {
            HWND dialog = OpenPrecisionDialog(sheet.window);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(TextOf(PrecisionField(dialog)), c.shown);
            // Opening is over once the dialog's thread has handled all that
            // was queued for it: any complaint would be open by then.
            ASSERT_TRUE(Settle(dialog));
            EXPECT_EQ(FocusIn(dialog), PrecisionField(dialog));
            EXPECT_EQ(AnyWindowOwnedBy(dialog), nullptr);
            EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
        });
    }
}

TEST(PrecisionDialog, OkSetsThePrecisionAndWritesItAtOnce)
{
    struct Case {
        const wchar_t* typed;  // null: left as shown
        bool byEnterKey;
        int expected;
    };
    const Case cases[] = {
        {L"0", false, 0},
        {L"10", false, 10},
        {L"3", true, 3},
        {nullptr, false, 7},  // unchanged, and written again all the same
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "expects " << c.expected);
        RunFrom(7, [&](const Sheet& sheet) {
            HWND dialog = OpenPrecisionDialog(sheet.window);
            ASSERT_NE(dialog, nullptr);
            if (c.typed)
                EnterPrecision(dialog, c.typed);
            if (c.byEnterKey)
                PostMessageW(PrecisionField(dialog), WM_KEYDOWN, VK_RETURN, 1);
            else
                PressButton(dialog, IDOK);
            ASSERT_TRUE(AwaitClosed(dialog, sheet.window));
            EXPECT_EQ(g_precision, c.expected);
            EXPECT_EQ(StoredPrecision(), std::optional<DWORD>(c.expected));
        });
    }
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
        RunFrom(c.stored, [&](const Sheet& sheet) {
            const int before = g_precision;
            HWND dialog = OpenPrecisionDialog(sheet.window);
            ASSERT_NE(dialog, nullptr);
            HWND field = PrecisionField(dialog);
            if (c.typed)
                EnterPrecision(dialog, c.typed);
            PressButton(dialog, IDOK);

            HWND box = WaitForTopWindow(OwnedBy(dialog));
            ASSERT_NE(box, nullptr);
            const MessageBoxSeen seen = ReadMessageBox(box);
            EXPECT_EQ(seen.caption, kSheetCaption);
            EXPECT_EQ(seen.text, c.message);
            EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
            EXPECT_TRUE(seen.exclamation);
            ASSERT_TRUE(CloseWith(box, IDOK));
            Sync(dialog);

            EXPECT_TRUE(IsWindowVisible(dialog));
            EXPECT_EQ(FocusIn(dialog), field);
            EXPECT_EQ(SelectionOf(field).start, 0u);
            EXPECT_EQ(SelectionOf(field).end, TextOf(field).size());
            EXPECT_EQ(g_precision, before);
            EXPECT_EQ(StoredPrecision(), std::nullopt);

            EnterPrecision(dialog, L"4");
            PressButton(dialog, IDOK);
            ASSERT_TRUE(AwaitClosed(dialog, sheet.window));
            EXPECT_EQ(g_precision, 4);
            EXPECT_EQ(StoredPrecision(), std::optional<DWORD>(4));
        });
    }
}

TEST(PrecisionDialog, StornoEscapeAndTheCloseBoxChangeNothing)
{
    struct Case {
        const char* way;
        void (*close)(HWND dialog);
    };
    const Case cases[] = {
        {"Storno", [](HWND dialog) { PressButton(dialog, IDCANCEL); }},
        {"Escape", [](HWND dialog) { PostMessageW(PrecisionField(dialog), WM_KEYDOWN, VK_ESCAPE, 1); }},
        {"close box", [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    RunFrom(7, [&](const Sheet& sheet) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.way);
            HWND dialog = OpenPrecisionDialog(sheet.window);
            ASSERT_NE(dialog, nullptr);
            // Out of range: a refusal would keep the dialog open.
            EnterPrecision(dialog, L"99");
            c.close(dialog);
            ASSERT_TRUE(AwaitClosed(dialog, sheet.window));
            EXPECT_EQ(g_precision, 7);
            EXPECT_EQ(StoredPrecision(), std::nullopt);
        }
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
    RunFrom(std::nullopt, [&](const Sheet& sheet) {
        HWND dialog = OpenPrecisionDialog(sheet.window);
        ASSERT_NE(dialog, nullptr);
        HWND field = PrecisionField(dialog);
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
    RunFrom(std::nullopt, [](const Sheet& sheet) {
        const Conversion f = MetreToKilometre(sheet);
        Type(f.value, L"1234");
        ASSERT_EQ(TextOf(f.result), L"1.23400 km");

        ASSERT_TRUE(SetPrecision(sheet.window, L"2"));
        // What is on screen keeps its decimals until the page converts again.
        EXPECT_EQ(TextOf(f.result), L"1.23400 km");
        ConvertAgain(f);
        EXPECT_EQ(TextOf(f.result), L"1.23 km");
        EXPECT_EQ(TextOf(f.value), L"1234.00 m");
    });
}
