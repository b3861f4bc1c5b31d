// Every text of every window whole at this run's display scale.
#include <gtest/gtest.h>

#include <cstdio>

#include "framework/string_utf8.h"
#include "pages/page_roster.h"
#include "tests/gui/dpi/display_scale.h"
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
    std::vector<TextFit> fits;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        VisitEveryWindow(sheet, [&](HWND window, const std::wstring& name) {
            const bool dialog = window != sheet.window && !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
            for (const TextFit& fit : TextsIn(window, name)) {
                if (dialog)
                    Report(fit);  // the figures of the dialogs, each time
                fits.push_back(fit);
            }
        });
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
