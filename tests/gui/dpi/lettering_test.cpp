// Every Czech letter shows, and every page fills the room the sheet gives
// it, at this run's display scale and in the fonts of this run's prefix.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "framework/string_utf8.h"
#include "pages/page_roster.h"
#include "res/resource.h"
#include "tests/gui/dpi/display_scale.h"
#include "tests/gui/dpi/page_layout.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

TEST(DisplayScale, EveryTextHasAllItsLettersInATrueTypeFont)
{
    std::vector<Lettering> texts;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        VisitEveryWindow(sheet, [&](HWND window, const std::wstring& name) {
            const std::vector<Lettering> found = LetteringIn(window, name);
            texts.insert(texts.end(), found.begin(), found.end());
        });
    }));
    int missing = 0;
    int notTrueType = 0;
    std::set<std::wstring> faces;
    for (const Lettering& text : texts) {
        missing += text.missing;
        notTrueType += !text.trueType;
        faces.insert(text.face);
    }
    std::printf("%u DPI: %zu texts, %d letters without a glyph, %d texts in a font that is not TrueType; faces:",
                ConfiguredDpi(), texts.size(), missing, notTrueType);
    for (const std::wstring& face : faces)
        std::printf(" \"%s\"", WideToUtf8(face).c_str());
    std::printf("\n");
    // Every page's five texts and its units in both lists (every unit of the
    // table), the sheet's tabs and buttons, and the texts of both dialogs.
    EXPECT_GE(texts.size(), kPageCount * 5 + 2 * (kTableRows - 1) + kPageCount + 3 + 3 + 8);
    for (const Lettering& text : texts) {
        EXPECT_EQ(text.missing, 0) << WideToUtf8(text.where) << " in " << WideToUtf8(text.face);
        EXPECT_TRUE(text.trueType) << WideToUtf8(text.where) << " in " << WideToUtf8(text.face);
    }
}

TEST(DisplayScale, EveryPageFillsItsRoom)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        for (int page = 0; page < static_cast<int>(kPageCount); ++page) {
            HWND window = sheet.ShowPage(page);
            ASSERT_NE(window, nullptr);
            // The banner spans the page but for one margin on either side.
            RECT client{};
            GetClientRect(window, &client);
            const RECT banner = RectIn(Item(window, IDC_BANNER), window);
            const long left = banner.left - client.left;
            const long right = client.right - banner.right;
            if (page == 0)
                std::printf("%u DPI: page %ld px wide, banner margins %ld px left and %ld px right\n", ConfiguredDpi(),
                            client.right - client.left, left, right);
            EXPECT_NEAR(left, right, 1) << "page " << page;
        }
    }));
}
