// The value field under real typing: where the caret stays after the page
// rewrites the field, and input far larger than anyone types.
#include <gtest/gtest.h>

#include <string>

#include "tests/gui/sheet_harness.h"

TEST(PageInput, CaretStaysWhereTheUserTypes)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const Conversion f = MetreToKilometre(sheet);
        struct Step {
            const wchar_t* keys;
            UINT virtualKey;  // pressed before the keys, 0 for none
            const wchar_t* value;
            DWORD caret;
        };
        const Step steps[] = {
            {L"1", 0, L"1.00000 m", 1},         {L"5", 0, L"15.00000 m", 2},
            {L".", 0, L"15.00000 m", 3},        {L"2", 0, L"15.20000 m", 4},
            {L"5", 0, L"15.25000 m", 5},        {L"\b", 0, L"15.20000 m", 4},  // backspace removes what was just typed
            {L"3", VK_HOME, L"315.20000 m", 1},                                // typing at the start stays at the start
            {L"", VK_END, L"315.20000 m", 11},                                 // caret keys alone rewrite nothing
        };
        for (const Step& step : steps) {
            if (step.virtualKey)
                PressKey(f.value, step.virtualKey);
            Type(f.value, step.keys);
            EXPECT_EQ(TextOf(f.value), step.value) << "after " << static_cast<int>(step.keys[0]);
            EXPECT_EQ(SelectionOf(f.value).end, step.caret) << "after " << static_cast<int>(step.keys[0]);
        }
        EXPECT_EQ(TextOf(f.result), L"0.31520 km");
    }));
}

// A caret beyond the end of a shorter rewrite lands at its end.
TEST(PageInput, CaretIsClampedToTheRewrittenText)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const Conversion f = MetreToKilometre(sheet);
        Type(f.value, L"7.123456789");
        EXPECT_EQ(TextOf(f.value), L"7.12346 m");
        EXPECT_EQ(SelectionOf(f.value).end, 9u);
    }));
}

// A paste is cut to the field's own limit of text, so a megabyte of digits
// arrives as a number beyond the double range, and a megabyte after a number
// leaves the number to read.
TEST(PageInput, MegabytePastesConvertWithoutHanging)
{
    struct Case {
        std::wstring pasted;
        const wchar_t* value;
        const wchar_t* result;
    };
    const Case cases[] = {
        {std::wstring(1 << 20, L'9'), L"inf m", L"inf km"},
        {L"2" + std::wstring(1 << 20, L'x'), L"2.00000 m", L"0.00200 km"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.value));
        ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
            const Conversion f = MetreToKilometre(sheet);
            ASSERT_TRUE(Paste(f.value, c.pasted, 60000));
            EXPECT_EQ(TextOf(f.value), c.value);
            EXPECT_EQ(TextOf(f.result), c.result);
        }));
    }
}
