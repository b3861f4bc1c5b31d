// Every text of every window whole at this run's display scale.
#include <gtest/gtest.h>

#include <cstdio>

#include "framework/string_utf8.h"
#include "pages/page_roster.h"
#include "res/resource.h"
#include "tests/gui/dpi/display_scale.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"

namespace {

void Report(const TextFit& fit)
{
    std::printf("  %s %s: needs %ld x %ld, has %ld x %ld\n", fit.Whole() ? "whole" : "CUT  ",
                WideToUtf8(fit.where).c_str(), fit.needed.cx, fit.needed.cy, fit.room.cx, fit.room.cy);
}

}  // namespace

TEST(DisplayScale, EveryTextIsWhole)
{
    struct Dialog {
        UINT command;
        const wchar_t* caption;
    };
    const Dialog dialogs[] = {{IDM_PRECISION, L"Nastavení přesnosti"}, {IDM_ABOUT, L"O programu Jednotar"}};
    std::vector<TextFit> fits;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        for (int page = 0; page < static_cast<int>(kPageCount); ++page) {
            HWND window = sheet.ShowPage(page);
            ASSERT_NE(window, nullptr);
            const std::vector<TextFit> texts = TextsIn(window, L"page " + std::to_wstring(page));
            fits.insert(fits.end(), texts.begin(), texts.end());
        }
        const std::vector<TextFit> buttons = TextsIn(sheet.window, L"sheet");
        fits.insert(fits.end(), buttons.begin(), buttons.end());
        for (const Dialog& d : dialogs) {
            HWND dialog = OpenBySystemCommand(sheet.window, d.command, d.caption);
            ASSERT_NE(dialog, nullptr);
            for (const TextFit& fit : TextsIn(dialog, d.caption)) {
                Report(fit);  // the figures of the dialogs, each time
                fits.push_back(fit);
            }
            EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
        }
    }));
    std::printf("%u DPI: %zu texts measured\n", ConfiguredDpi(), fits.size());
    // Five texts on every page, the sheet's three buttons, three texts of the
    // precision dialog and nine of the About box.
    EXPECT_GE(fits.size(), kPageCount * 5 + 3 + 3 + 9);
    for (const TextFit& fit : fits) {
        EXPECT_TRUE(fit.Whole()) << WideToUtf8(fit.where) << " needs " << fit.needed.cx << " x " << fit.needed.cy
                                 << " pixels, has " << fit.room.cx << " x " << fit.room.cy;
    }
}
