// Conversions on the pages, driven by real keystrokes and list picks. Units
// are found in the lists by their row, and every name, abbreviation and
// factor expected comes from the golden table.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/gui/precision_driver.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

namespace {

// Picks the golden row's unit in a list of `page`, where it must stand
// under its golden name.
void Pick(HWND page, int list, const GoldenUnit& unit)
{
    const int position = PositionOfRow(Item(page, list), unit.row);
    ASSERT_GE(position, 0) << "row " << unit.row << " is not listed";
    EXPECT_EQ(ItemTextOf(Item(page, list), position), Widen(unit.czechName)) << "row " << unit.row;
    Select(page, list, position);
}

}  // namespace

// Step by step on the length page, each run on a fresh sheet.
TEST(PageConversion, TypingPickingPastingAndEmptying)
{
    enum Act { kFrom, kTo, kType, kPaste, kErase };
    struct Step {
        Act act;
        const char* text;                // the unit's abbreviation, or what is typed or pasted
        const wchar_t* value = nullptr;  // the fields afterwards; null: not looked at
        const wchar_t* result = nullptr;
    };
    struct Run {
        const char* what;
        std::vector<Step> steps;
    };
    const Run runs[] = {
        {"typing, relabelling and emptying",
         {{kFrom, "m"},
          {kTo, "km"},
          {kType, "5", L"5.00000 m", L"0.00500 km"},
          // A new "from" unit relabels the number; it does not convert it.
          {kFrom, "cm", L"5.00000 cm", L"0.00005 km"},
          {kErase, "", L"", L"0.00005 km"}}},
        {"nothing converts until both units are chosen",
         {{kFrom, "m"}, {kType, "5", L"5", L""}, {kTo, "km", L"5.00000 m", L"0.00500 km"}}},
        // The result comes from the value as pasted, not from its rounded
        // rewrite; the next conversion starts from the rewrite.
        {"a pasted value converts before it is rounded",
         {{kFrom, "m"},
          {kTo, "mm"},
          {kPaste, "1.234567", L"1.23457 m", L"1234.56700 mm"},
          {kTo, "cm", nullptr, L"123.45700 cm"}}},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.what);
        ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
            HWND page = sheet.ShowPage(kLength);
            HWND value = Item(page, IDC_VALUE);
            for (const Step& step : run.steps) {
                SCOPED_TRACE(step.text);
                if (step.act == kFrom || step.act == kTo) {
                    const GoldenUnit* unit = GoldenUnitOf(kLength, step.text);
                    ASSERT_NE(unit, nullptr);
                    Pick(page, step.act == kFrom ? IDC_FROM_UNIT : IDC_TO_UNIT, *unit);
                } else if (step.act == kType) {
                    Type(value, Widen(step.text));
                } else if (step.act == kPaste) {
                    ASSERT_TRUE(Paste(value, Widen(step.text)));
                } else {
                    Erase(value);
                }
                if (step.value) {
                    EXPECT_EQ(TextOf(value), step.value);
                }
                if (step.result) {
                    EXPECT_EQ(TextOf(Item(page, IDC_RESULT)), step.result);
                }
            }
        }));
    }
}

TEST(PageConversion, TemperatureByItsFormulas)
{
    const std::vector<GoldenUnit> units = GoldenRowsOf(kTemperature);
    ASSERT_EQ(units.size(), 3u);  // Celsius, Fahrenheit, Kelvin
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND page = sheet.ShowPage(kTemperature);
        HWND value = Item(page, IDC_VALUE);
        HWND result = Item(page, IDC_RESULT);

        Pick(page, IDC_FROM_UNIT, units[0]);
        Pick(page, IDC_TO_UNIT, units[0]);
        Type(value, L"36.6");
        EXPECT_EQ(TextOf(value), L"36.60000 " + Widen(units[0].abbreviation));
        EXPECT_EQ(TextOf(result), TextOf(value));

        Pick(page, IDC_TO_UNIT, units[1]);
        Erase(value);
        Type(value, L"100");
        EXPECT_EQ(TextOf(result), L"212.00000 " + Widen(units[1].abbreviation));
        Pick(page, IDC_TO_UNIT, units[2]);
        EXPECT_EQ(TextOf(result), L"373.15000 " + Widen(units[2].abbreviation));
    }));
}

TEST(PageConversion, EveryPageConvertsItsFirstUnitToItself)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        for (int category = 0; category < kCategoryCount; ++category) {
            const GoldenUnit first = GoldenRowsOf(category).at(0);
            HWND page = sheet.ShowPage(category);
            Pick(page, IDC_FROM_UNIT, first);
            Pick(page, IDC_TO_UNIT, first);
            Type(Item(page, IDC_VALUE), L"2");
            EXPECT_EQ(TextOf(Item(page, IDC_RESULT)), L"2.00000 " + Widen(first.abbreviation)) << "page " << category;
        }
    }));
}

// One of each unit in the base unit, or one base unit in it, whichever is
// at least 1: with ten decimals the result then shows the factor to ten
// significant digits or more.
TEST(PageConversion, EveryUnitConvertsByItsGoldenFactor)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        ASSERT_TRUE(SetPrecision(sheet.window, L"10"));
        for (int category = 0; category < kCategoryCount; ++category) {
            if (category == kTemperature)
                continue;  // by its formulas, above
            const std::vector<GoldenUnit> units = GoldenRowsOf(category);
            const GoldenUnit& base = units.at(0);
            ASSERT_EQ(base.isBase, 1) << "page " << category;
            HWND page = sheet.ShowPage(category);
            Type(Item(page, IDC_VALUE), L"1");
            for (const GoldenUnit& unit : units) {
                SCOPED_TRACE(testing::Message() << "row " << unit.row << ", " << unit.englishName);
                ASSERT_GT(unit.factor, 0.0);
                const bool toBase = unit.factor >= 1;
                const GoldenUnit& from = toBase ? unit : base;
                const GoldenUnit& to = toBase ? base : unit;
                Pick(page, IDC_FROM_UNIT, from);
                Pick(page, IDC_TO_UNIT, to);
                EXPECT_EQ(TextOf(Item(page, IDC_VALUE)), L"1.0000000000 " + Widen(from.abbreviation));
                const std::wstring shown = TextOf(Item(page, IDC_RESULT));
                wchar_t* rest = nullptr;
                const double amount = std::wcstod(shown.c_str(), &rest);
                const double expected = toBase ? unit.factor : 1 / unit.factor;
                EXPECT_NEAR(amount, expected, expected * 1e-9) << Narrow(shown);
                EXPECT_EQ(std::wstring(rest), L" " + Widen(to.abbreviation)) << Narrow(shown);
            }
        }
    }));
}
