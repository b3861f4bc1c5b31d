// Hostile input at the window: every field ends with a defined text and the
// sheet keeps answering.
#include <gtest/gtest.h>

#include <string>

#include "tests/gui/robustness_probe.h"
#include "tests/gui/sheet_harness.h"

// Read as atof reads: white space (tab to carriage return, blank) skipped,
// a sign, digits, "." and an e-exponent, stopping at anything else; no
// number is 0; beyond the double range +-inf. A unit that is not valid
// UTF-16 is a character like any other that ends the number.
TEST(RobustnessInput, EveryBadEntryEndsInADefinedText)
{
    enum class Route { kTyped, kSetText, kPasted };
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
        {"set surrogate before a digit", Route::kSetText, {L'\xD800', L'5'}, zero, zeroKm},
        {"set surrogate inside a number", Route::kSetText, {L'1', L'\xD800', L'2'}, L"1.00000 m", L"0.00100 km"},
        {"set reversed pair", Route::kSetText, {L'\xDE00', L'\xD83D', L'7'}, zero, zeroKm},
        {"pasted surrogate after a digit", Route::kPasted, L"2\xDFFF", L"2.00000 m", L"0.00200 km"},
        // Control characters that are not editing commands of the field
        // (^C, ^V, ^X, ^Z and backspace are): the field takes none of them.
        {"typed control characters", Route::kTyped,
         L"4\x01\x02\x04\x05\x06\x07\t\n\x0B\x0C\r\x0E\x0F\x10\x11\x12\x13\x14\x15\x17\x19\x1B\x1C\x1D\x1E\x1F\x7F",
         L"4.00000 m", L"0.00400 km"},
        {"set tab before a number", Route::kSetText, L"\t5", L"5.00000 m", L"0.00500 km"},
        {"set vertical tab and form feed", Route::kSetText, L"\v\f6", L"6.00000 m", L"0.00600 km"},
        {"set ^A before a number", Route::kSetText, {L'\x01', L'5'}, zero, zeroKm},
        {"set file separator before a number", Route::kSetText, {L'\x1C', L'5'}, zero, zeroKm},
        {"pasted tab before a number", Route::kPasted, L"\t8", L"8.00000 m", L"0.00800 km"},
        {"pasted NUL inside", Route::kPasted, {L'6', L'\0', L'9'}, L"6.00000 m", L"0.00600 km"},
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
        {"and then a plain number", Route::kTyped, L"5", L"5.00000 m", L"0.00500 km"},
    };
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        const Conversion f = MetreToKilometre(sheet);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            EmptyFields(f);
            if (c.route == Route::kTyped)
                Type(f.value, c.text);
            else if (c.route == Route::kSetText)
                SetWindowTextW(f.value, c.text.c_str());
            else
                ASSERT_TRUE(Paste(f.value, c.text));
            EXPECT_EQ(TextOf(f.value), c.value);
            EXPECT_EQ(TextOf(f.result), c.result);
            ASSERT_TRUE(Responsive(sheet.window));
        }
    }));
}
