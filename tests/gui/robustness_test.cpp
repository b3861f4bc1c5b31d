// Hostile input at the window, thousands of paints and a damaged or locked
// settings store: every field ends with a defined text, nothing is left
// behind in the GDI handle table, and the precision falls back as it should.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/precision_setting.h"
#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/robustness_probe.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

using namespace std::string_literals;

namespace {

struct Field {
    HWND page, value, result;
};

// Length page, metre to kilometre.
Field MetreToKilometre(const Sheet& sheet)
{
    HWND page = sheet.ShowPage(kLength);
    Select(page, IDC_FROM_UNIT, PositionOfUnit(Item(page, IDC_FROM_UNIT), kLength, "m"));
    Select(page, IDC_TO_UNIT, PositionOfUnit(Item(page, IDC_TO_UNIT), kLength, "km"));
    return {page, Item(page, IDC_VALUE), Item(page, IDC_RESULT)};
}

void SetText(HWND window, const std::wstring& text)
{
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

enum class Route { kTyped, kSetText, kPasted };

// Both fields are emptied first (an empty value converts nothing), so a text
// left by an earlier case cannot pass for this one's.
void Enter(const Field& f, Route route, const std::wstring& text)
{
    SetText(f.value, L"");
    SetText(f.result, L"");
    if (route == Route::kTyped) {
        Type(f.value, text);
    } else if (route == Route::kSetText) {
        SetText(f.value, text);
    } else {
        ASSERT_TRUE(PutOnClipboard(text));
        SendMessageW(f.value, WM_PASTE, 0, 0);
    }
}

constexpr wchar_t kSettingsKey[] = L"Software\\Brodvik\\Jednotar jednotek\\Settings";

std::vector<BYTE> Bytes(const std::wstring& text)
{
    const auto* first = reinterpret_cast<const BYTE*>(text.data());
    return {first, first + text.size() * sizeof(wchar_t)};
}

// As the user does it: the precision dialog, the field emptied, `typed`, OK.
void ConfirmPrecision(const Sheet& sheet, const std::wstring& shown, const wchar_t* typed)
{
    HWND dialog = OpenBySystemCommand(sheet.window, IDM_PRECISION, L"Nastavení přesnosti");
    ASSERT_NE(dialog, nullptr);
    HWND field = Item(dialog, IDC_PRECISION);
    EXPECT_EQ(TextOf(field), shown);
    SendMessageW(field, EM_SETSEL, 0, -1);
    Type(field, L"\b"s + typed);
    PressButton(dialog, IDOK);
    ASSERT_TRUE(WaitUntilGone(dialog));
    Sync(sheet.window);  // the write follows DoModal's return
}

}  // namespace

// Read as atof reads: white space (tab to carriage return, blank) skipped,
// a sign, digits, "." and an e-exponent, stopping at anything else; no
// number is 0; beyond the double range +-inf. A unit that is not valid
// UTF-16 is a character like any other that ends the number.
TEST(RobustnessInput, EveryBadEntryEndsInADefinedText)
{
    struct Case {
        const char* what;
        Route route;
        std::wstring text;
        const wchar_t* value;
        const wchar_t* result;
    };
    const wchar_t* zero = L"0.00000 m";
    const wchar_t* zeroKm = L"0.00000 km";
    const Case cases[] = {
        {"typed lone high surrogate", Route::kTyped, L"\xD800", zero, zeroKm},
        {"typed surrogate after a digit", Route::kTyped, L"3\xDBFF", L"3.00000 m", L"0.00300 km"},
        {"set surrogate before a digit", Route::kSetText,
         L"\xD800"
         L"5",
         zero, zeroKm},
        {"set surrogate inside a number", Route::kSetText,
         L"1\xD800"
         L"2",
         L"1.00000 m", L"0.00100 km"},
        {"set reversed pair", Route::kSetText,
         L"\xDE00\xD83D"
         L"7",
         zero, zeroKm},
        {"pasted surrogate after a digit", Route::kPasted, L"2\xDFFF", L"2.00000 m", L"0.00200 km"},
        // Control characters that are not editing commands of the field
        // (^C, ^V, ^X, ^Z and backspace are): the field takes none of them.
        {"typed control characters", Route::kTyped,
         L"4\x01\x02\x04\x05\x06\x07\t\n\x0B\x0C\r\x0E\x0F\x10\x11\x12\x13\x14\x15\x17\x19\x1B\x1C\x1D\x1E\x1F\x7F",
         L"4.00000 m", L"0.00400 km"},
        {"set tab before a number", Route::kSetText, L"\t5", L"5.00000 m", L"0.00500 km"},
        {"set vertical tab and form feed", Route::kSetText,
         L"\x0B\x0C"
         L"6",
         L"6.00000 m", L"0.00600 km"},
        {"set ^A before a number", Route::kSetText,
         L"\x01"
         L"5",
         zero, zeroKm},
        {"set file separator before a number", Route::kSetText,
         L"\x1C"
         L"5",
         zero, zeroKm},
        {"pasted tab before a number", Route::kPasted, L"\t8", L"8.00000 m", L"0.00800 km"},
        {"pasted NUL inside", Route::kPasted,
         L"6\0"
         L"9"s,
         L"6.00000 m", L"0.00600 km"},
        {"thousand nines", Route::kSetText, std::wstring(1000, L'9'), L"inf m", L"inf km"},
        {"thousand digits, e-995", Route::kPasted, L"1" + std::wstring(999, L'0') + L"e-995", L"10000.00000 m",
         L"10.00000 km"},
        {"thousand decimals", Route::kSetText, L"1." + std::wstring(999, L'5'), L"1.55556 m", L"0.00156 km"},
        {"thousand digits below the range", Route::kSetText, L"0." + std::wstring(998, L'0') + L"1", zero, zeroKm},
        {"1e999", Route::kPasted, L"1e999", L"inf m", L"inf km"},
        {"-1e999", Route::kSetText, L"-1e999", L"-inf m", L"-inf km"},
        {"1e-999", Route::kSetText, L"1e-999", zero, zeroKm},
        {"-1e-999 keeps its sign", Route::kSetText, L"-1e-999", L"-0.00000 m", L"-0.00000 km"},
        {"nan", Route::kSetText, L"nan", zero, zeroKm},
        {"inf", Route::kSetText, L"inf", zero, zeroKm},
        {"-inf", Route::kPasted, L"-inf", zero, zeroKm},
        {"0x10", Route::kSetText, L"0x10", zero, zeroKm},
        {"three blanks", Route::kSetText, L"   ", zero, zeroKm},
        {"plus alone", Route::kSetText, L"+", zero, zeroKm},
        {"minus alone", Route::kTyped, L"-", zero, zeroKm},
    };
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        const Field f = MetreToKilometre(sheet);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            Enter(f, c.route, c.text);
            EXPECT_EQ(TextOf(f.value), c.value);
            EXPECT_EQ(TextOf(f.result), c.result);
            ASSERT_TRUE(Responsive(sheet.window));
        }
        Enter(f, Route::kTyped, L"5");
        EXPECT_EQ(TextOf(f.value), L"5.00000 m");
        EXPECT_EQ(TextOf(f.result), L"0.00500 km");
    }));
}

// The page's own paint (and with it the banner's) without the children's,
// which are the platform's and would triple the time.
TEST(RobustnessGdi, TenThousandRepaintsLeaveTheHandleRoomUnchanged)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const Field f = MetreToKilometre(sheet);
        Type(f.value, L"5");
        HWND banner = Item(f.page, IDC_BANNER);
        constexpr int kPaints = 10000;
        constexpr COLORREF kFill = RGB(192, 192, 192);
        // Now and then a spot of the banner is blotted out, and the paint must
        // fill it again. The probe's DC is held throughout and used once
        // beforehand: Wine's first read-back after a paint costs it 3 handles.
        HDC probe = GetDC(banner);
        int unpainted = 0;
        int bannerMissed = 0;
        const auto paint = [&](bool blot) {
            if (blot)
                SetPixel(probe, 1, 1, RGB(0, 0, 0));
            RedrawWindow(f.page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
            unpainted += GetUpdateRect(f.page, nullptr, FALSE) ? 1 : 0;
            // The X server may show the drawing a moment later on a busy machine.
            if (blot)
                bannerMissed += WaitFor([&] { return GetPixel(probe, 1, 1) == kFill; }, 5000) ? 0 : 1;
        };
        paint(true);
        const int roomBefore = FreeGdiRoom();
        const double start = NowMs();
        for (int i = 0; i < kPaints; ++i)
            paint(i % 100 == 0);
        const double elapsed = NowMs() - start;
        const int roomAfter = FreeGdiRoom();
        ReleaseDC(banner, probe);
        std::printf("%d repaints in %.0f ms; free GDI handle room %d before, %d after\n", kPaints, elapsed, roomBefore,
                    roomAfter);
        ASSERT_GT(roomBefore, kPaints);  // a leak of one object per paint would show in full
        EXPECT_EQ(unpainted, 0);
        EXPECT_EQ(bannerMissed, 0);
        // A leak in the paint would cost one object per paint at least, or
        // one per hundred where the banner is blotted. A handle or two may
        // come and go meanwhile on the process's other threads (the shell's,
        // after a link test has opened files), whatever order the tests run in.
        EXPECT_LE(roomBefore - roomAfter, 5);
        EXPECT_TRUE(Responsive(sheet.window));
    }));
}

// A value the program cannot use: the default 5; a DWORD out of 0..10 is
// used as stored and printed at the nearest bound. The program leaves the
// bad value as it is until a confirmed precision dialog writes over it.
TEST(RobustnessRegistry, BadStoredValuesFallBackAndAreOverwrittenByTheDialog)
{
    enum Shape { kValue, kNoSettingsKey, kPrecisionIsAKey };
    struct Case {
        const char* what;
        Shape shape;
        DWORD type;
        std::vector<BYTE> data;  // encodes 3 wherever a misreading could
        int loaded = 5;
        const wchar_t* value = L"5.00000 m";
        const wchar_t* result = L"0.00500 km";
    };
    const Case cases[] = {
        {"REG_NONE", kValue, REG_NONE, {3, 0, 0, 0}},
        {"REG_EXPAND_SZ", kValue, REG_EXPAND_SZ, Bytes(L"3"s + L'\0')},
        {"REG_MULTI_SZ", kValue, REG_MULTI_SZ, Bytes(L"3\0\0"s)},
        {"REG_DWORD_BIG_ENDIAN", kValue, REG_DWORD_BIG_ENDIAN, {0, 0, 0, 3}},
        {"REG_LINK", kValue, REG_LINK, Bytes(L"3")},
        {"REG_DWORD of 0 bytes", kValue, REG_DWORD, {}},
        {"REG_DWORD of 8 bytes", kValue, REG_DWORD, {3, 0, 0, 0, 0, 0, 0, 0}},
        {"no Settings key", kNoSettingsKey, REG_NONE, {}},
        {"Precision is a key", kPrecisionIsAKey, REG_NONE, {}},
        {"2^31-1", kValue, REG_DWORD, {0xFF, 0xFF, 0xFF, 0x7F}, INT_MAX, L"5.0000000000 m", L"0.0050000000 km"},
        {"-2^31", kValue, REG_DWORD, {0, 0, 0, 0x80}, INT_MIN, L"5 m", L"0 km"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ClearSettings();
        HKEY key = nullptr;
        std::wstring path = kSettingsKey;
        if (c.shape == kNoSettingsKey)
            path.resize(path.rfind(L'\\'));
        if (c.shape == kPrecisionIsAKey)
            path += L"\\Precision";
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        if (c.shape == kValue) {
            ASSERT_EQ(RegSetValueExW(key, L"Precision", 0, c.type, c.data.data(), static_cast<DWORD>(c.data.size())),
                      ERROR_SUCCESS);
        }
        RegCloseKey(key);
        const StoredRaw stored = ReadStoredRaw();

        EXPECT_TRUE(RunSheet([&](const Sheet& sheet) {
            EXPECT_EQ(g_precision, c.loaded);
            const Field f = MetreToKilometre(sheet);
            Type(f.value, L"5");
            EXPECT_EQ(TextOf(f.value), c.value);
            EXPECT_EQ(TextOf(f.result), c.result);
            EXPECT_EQ(ReadStoredRaw(), stored);  // loading wrote nothing
            ConfirmPrecision(sheet, std::to_wstring(c.loaded), L"7");
            EXPECT_EQ(g_precision, 7);
            EXPECT_EQ(ReadStoredRaw(), StoredRaw(std::pair(DWORD{REG_DWORD}, std::vector<BYTE>{7, 0, 0, 0})));
        }));
    }
    ClearSettings();
}

// Wine checks a key's DACL when the key is opened, but not the parent's
// KEY_CREATE_SUB_KEY when a subkey is created: so every level is locked.
TEST(RobustnessRegistry, ReadOnlyStoreLoadsAndAFailedWriteIsSilent)
{
    const wchar_t* levels[] = {L"Software\\Brodvik", L"Software\\Brodvik\\Jednotar jednotek", kSettingsKey};
    ClearSettings();
    StorePrecision(3);
    for (const wchar_t* level : levels)
        ASSERT_TRUE(MakeReadOnly(level));
    HKEY probe = nullptr;
    const LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_SET_VALUE, &probe);
    if (opened == ERROR_SUCCESS)
        RegCloseKey(probe);
    // Windows and Wine both refuse; the test needs the refusal to mean anything.
    ASSERT_EQ(opened, ERROR_ACCESS_DENIED) << "the settings key was not made read-only";

    EXPECT_TRUE(RunSheet([](const Sheet& sheet) {
        EXPECT_EQ(g_precision, 3);
        const Field f = MetreToKilometre(sheet);
        Type(f.value, L"5");
        EXPECT_EQ(TextOf(f.result), L"0.005 km");

        ConfirmPrecision(sheet, L"3", L"8");
        // The failed write is over once the sheet's thread has taken all
        // that was queued for it; a message would be open by then.
        ASSERT_TRUE(Settle(sheet.window));
        EXPECT_EQ(AnyWindowOwnedBy(sheet.window), nullptr);
        EXPECT_EQ(g_precision, 8);
        EXPECT_EQ(StoredPrecision(), std::optional<DWORD>(3));
        Select(f.page, IDC_TO_UNIT, PositionOfUnit(Item(f.page, IDC_TO_UNIT), kLength, "km"));
        EXPECT_EQ(TextOf(f.result), L"0.00500000 km");
        EXPECT_EQ(TextOf(f.value), L"5.00000000 m");
        EXPECT_TRUE(Responsive(sheet.window));
    }));
    ClearSettings();
    HKEY gone = nullptr;  // no locked key is left for later tests
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Brodvik", 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND);
}
