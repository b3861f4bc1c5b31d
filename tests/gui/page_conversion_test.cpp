// Conversions on the pages, driven by real keystrokes and list picks.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

namespace {

struct LengthPage {
    HWND page;
    HWND value;
    HWND result;
    int Position(const char* abbreviation) const
    {
        return PositionOfUnit(Item(page, IDC_FROM_UNIT), kLength, abbreviation);
    }
};

LengthPage OpenLength(const Sheet& sheet)
{
    HWND page = sheet.ShowPage(kLength);
    return {page, Item(page, IDC_VALUE), Item(page, IDC_RESULT)};
}

void ClearField(HWND field)
{
    SendMessageW(field, EM_SETSEL, 0, -1);
    Type(field, L"\b");
}

}  // namespace

TEST(PageConversion, TypingRelabellingAndEmptying)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const LengthPage p = OpenLength(sheet);
        Select(p.page, IDC_FROM_UNIT, p.Position("m"));
        Select(p.page, IDC_TO_UNIT, p.Position("km"));
        Type(p.value, L"5");
        EXPECT_EQ(TextOf(p.value), L"5.00000 m");
        EXPECT_EQ(TextOf(p.result), L"0.00500 km");

        // A new "from" unit relabels the number; it does not convert it.
        Select(p.page, IDC_FROM_UNIT, p.Position("cm"));
        EXPECT_EQ(TextOf(p.value), L"5.00000 cm");
        EXPECT_EQ(TextOf(p.result), L"0.00005 km");

        ClearField(p.value);
        EXPECT_EQ(TextOf(p.value), L"");
        EXPECT_EQ(TextOf(p.result), L"0.00005 km");
    }));
}

TEST(PageConversion, NothingConvertsUntilBothUnitsAreChosen)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const LengthPage p = OpenLength(sheet);
        Select(p.page, IDC_FROM_UNIT, p.Position("m"));
        Type(p.value, L"5");
        EXPECT_EQ(TextOf(p.value), L"5");
        EXPECT_EQ(TextOf(p.result), L"");
        Select(p.page, IDC_TO_UNIT, p.Position("km"));
        EXPECT_EQ(TextOf(p.value), L"5.00000 m");
        EXPECT_EQ(TextOf(p.result), L"0.00500 km");
    }));
}

// The result comes from the value as pasted, not from its rounded rewrite;
// the next conversion starts from the rewrite.
TEST(PageConversion, PastedValueConvertsBeforeItIsRounded)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const LengthPage p = OpenLength(sheet);
        Select(p.page, IDC_FROM_UNIT, p.Position("m"));
        Select(p.page, IDC_TO_UNIT, p.Position("mm"));
        ASSERT_TRUE(PutOnClipboard(L"1.234567"));
        SendMessageW(p.value, WM_PASTE, 0, 0);
        EXPECT_EQ(TextOf(p.value), L"1.23457 m");
        EXPECT_EQ(TextOf(p.result), L"1234.56700 mm");
        Select(p.page, IDC_TO_UNIT, p.Position("cm"));
        EXPECT_EQ(TextOf(p.result), L"123.45700 cm");
    }));
}

TEST(PageConversion, TemperatureByItsFormulas)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        HWND page = sheet.ShowPage(kTemperature);
        HWND value = Item(page, IDC_VALUE);
        HWND result = Item(page, IDC_RESULT);
        const std::wstring celsius = Widen(g_units[83].abbreviation);
        const std::wstring fahrenheit = Widen(g_units[84].abbreviation);
        const std::wstring kelvin = Widen(g_units[85].abbreviation);

        Select(page, IDC_FROM_UNIT, 0);
        Select(page, IDC_TO_UNIT, 0);
        Type(value, L"36.6");
        EXPECT_EQ(TextOf(value), L"36.60000 " + celsius);
        EXPECT_EQ(TextOf(result), TextOf(value));

        Select(page, IDC_TO_UNIT, 1);
        ClearField(value);
        Type(value, L"100");
        EXPECT_EQ(TextOf(result), L"212.00000 " + fahrenheit);
        Select(page, IDC_TO_UNIT, 2);
        EXPECT_EQ(TextOf(result), L"373.15000 " + kelvin);
    }));
}

TEST(PageConversion, EveryPageConvertsItsBaseUnitToItself)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        for (int category = 0; category < kCategoryCount; ++category) {
            HWND page = sheet.ShowPage(category);
            Select(page, IDC_FROM_UNIT, 0);
            Select(page, IDC_TO_UNIT, 0);
            Type(Item(page, IDC_VALUE), L"2");
            int row = 0;
            while (g_units[row].category != category)
                ++row;
            const std::wstring expected = L"2.00000 " + Widen(g_units[row].abbreviation);
            EXPECT_EQ(TextOf(Item(page, IDC_RESULT)), expected) << "page " << category;
        }
    }));
}
