// Every page lists exactly its category's units.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

namespace {

// A list's entries: each item's text and data, the row of its unit.
using Entries = std::vector<std::pair<std::wstring, LRESULT>>;

Entries EntriesOf(HWND list)
{
    Entries entries;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        entries.emplace_back(ItemTextOf(list, i), SendMessageW(list, CB_GETITEMDATA, i, 0));
    return entries;
}

void ExpectSameEntries(const Entries& actual, const Entries& expected, int page)
{
    ASSERT_EQ(actual.size(), expected.size()) << "page " << page;
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "page " << page << " position " << i;
}

}  // namespace

TEST(PageListing, EveryPageListsItsCategoryInTableOrderWithNothingSelected)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        for (int page = 0; page < kCategoryCount; ++page) {
            HWND window = sheet.ShowPage(page);
            ASSERT_NE(window, nullptr);
            // The golden rows of the page's category, in table order, under
            // their Czech names (string 137 is "CZ").
            Entries expected;
            for (const GoldenUnit& unit : GoldenRowsOf(page))
                expected.emplace_back(Widen(unit.czechName), unit.row);
            ASSERT_FALSE(expected.empty());
            for (int list : {IDC_FROM_UNIT, IDC_TO_UNIT}) {
                ExpectSameEntries(EntriesOf(Item(window, list)), expected, page);
                EXPECT_EQ(SendMessageW(Item(window, list), CB_GETCURSEL, 0, 0), CB_ERR) << "page " << page;
            }
            EXPECT_EQ(TextOf(Item(window, IDC_VALUE)), L"");
            EXPECT_EQ(TextOf(Item(window, IDC_RESULT)), L"");
        }
    }));
}

TEST(PageListing, KnownCategoriesByName)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const Entries temperature = {{L"Stupeň Celsia", 83}, {L"Stupeň Fahrenheita", 84}, {L"Kelvin", 85}};
        ExpectSameEntries(EntriesOf(Item(sheet.ShowPage(kTemperature), IDC_FROM_UNIT)), temperature, kTemperature);
        EXPECT_EQ(EntriesOf(Item(sheet.ShowPage(kLength), IDC_TO_UNIT)).size(), 24u);
        EXPECT_EQ(EntriesOf(Item(sheet.ShowPage(kVolume), IDC_TO_UNIT)).size(), 35u);
        EXPECT_EQ(EntriesOf(Item(sheet.ShowPage(kFlow), IDC_TO_UNIT)).size(), 5u);
    }));
}

// The start page is initialised before the sheet counts the table (the
// harness starts with the count at 0, as a fresh process does): its lists
// are filled by its first paint, once, not twice.
TEST(PageListing, StartPageListsOnceThoughInitialisedBeforeTheCount)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        HWND length = sheet.CurrentPage();
        EXPECT_EQ(SendMessageW(Item(length, IDC_FROM_UNIT), CB_GETCOUNT, 0, 0), 24);
        EXPECT_EQ(SendMessageW(Item(length, IDC_TO_UNIT), CB_GETCOUNT, 0, 0), 24);
        // More paints do not list again.
        RedrawWindow(length, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        sheet.ShowPage(1);
        sheet.ShowPage(0);
        EXPECT_EQ(SendMessageW(Item(length, IDC_FROM_UNIT), CB_GETCOUNT, 0, 0), 24);
    }));
}
