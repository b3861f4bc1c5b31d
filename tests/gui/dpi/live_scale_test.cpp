// A change of display scale while the program runs: every page that exists
// then stands as a fresh start at the new scale lays it out, also the pages
// first shown after the change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "framework/dialog_layout.h"
#include "pages/page_roster.h"
#include "res/resource.h"
#include "tests/gui/banner_picture.h"
#include "tests/gui/dpi/display_scale.h"
#include "tests/gui/dpi/page_layout.h"
#include "tests/gui/gui_objects.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/platform.h"
#include "tests/support/program_windows.h"

namespace {

constexpr UINT kScales[] = {96, 144, 192};
// The ten controls a page shows and the four hidden labels that name its
// fields and lists for screen readers, laid out like the rest.
constexpr size_t kControlsPerPage = 14;

// WM_DPICHANGED as Windows sends it, with the sheet's rectangle grown or
// shrunk by the change as the suggestion.
void ChangeScale(HWND sheet, UINT from, UINT to)
{
    RECT r{};
    GetWindowRect(sheet, &r);
    RECT suggested = {r.left, r.top, r.left + MulDiv(r.right - r.left, static_cast<int>(to), static_cast<int>(from)),
                      r.top + MulDiv(r.bottom - r.top, static_cast<int>(to), static_cast<int>(from))};
    SendMessageW(sheet, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

// How far the farthest edge of `a` lies from that of `b`.
int EdgeDistance(const RECT& a, const RECT& b)
{
    return std::max({std::abs(a.left - b.left), std::abs(a.top - b.top), std::abs(a.right - b.right),
                     std::abs(a.bottom - b.bottom)});
}

const ControlLayout* Find(const std::vector<ControlLayout>& controls, int page, int index)
{
    for (const ControlLayout& c : controls)
        if (c.page == page && c.index == index)
            return &c;
    return nullptr;
}

}  // namespace

TEST(LiveScale, EveryPageIsLaidOutAsAFreshStartAtTheNewScale)
{
    // A program takes a scale written to the registry as it starts under
    // Wine; Windows takes it at the next sign-in only, so there this session
    // cannot start the program at another scale to compare with.
    if (!RunningUnderWine())
        GTEST_SKIP() << "a fresh start at another display scale needs a new sign-in on Windows";
    std::map<UINT, FreshLayout> fresh;
    for (UINT dpi : kScales) {
        fresh[dpi] = FreshLayoutAt(dpi);
        ASSERT_EQ(fresh[dpi].dpi, dpi) << "the fresh start did not run at the scale set for it";
        ASSERT_EQ(fresh[dpi].controls.size(), kPageCount * kControlsPerPage);
    }
    // From the scale this run started at to each other one and back; the
    // pages that exist grow with every step: five before the first change,
    // more first shown after each.
    const UINT start = ConfiguredDpi();
    std::vector<UINT> steps;
    for (UINT dpi : kScales)
        if (dpi != start)
            steps.push_back(dpi);
    steps.push_back(start);
    constexpr int kAll = static_cast<int>(kPageCount);
    const int pagesAfter[] = {10, kAll, kAll};

    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        for (int page = 0; page < 5; ++page)
            sheet.ShowPage(page);
        UINT current = start;
        for (size_t step = 0; step < steps.size(); ++step) {
            const UINT dpi = steps[step];
            ChangeScale(sheet.window, current, dpi);
            ChangeScale(sheet.window, dpi, dpi);  // laid out twice for one scale
            current = dpi;
            for (int page = pagesAfter[step] - 1; page >= 0; --page)
                sheet.ShowPage(page);

            const std::vector<ControlLayout> now = LayoutOfPages(sheet);
            ASSERT_EQ(now.size(), static_cast<size_t>(pagesAfter[step]) * kControlsPerPage);
            int worst = 0;
            for (const ControlLayout& c : now) {
                const ControlLayout* f = Find(fresh[dpi].controls, c.page, c.index);
                ASSERT_NE(f, nullptr);
                const int off = EdgeDistance(c.rect, f->rect);
                worst = std::max(worst, off);
                EXPECT_LE(off, 1) << dpi << " DPI, page " << c.page << ", control " << c.index << " at (" << c.rect.left
                                  << ", " << c.rect.top << ")-(" << c.rect.right << ", " << c.rect.bottom
                                  << "), fresh (" << f->rect.left << ", " << f->rect.top << ")-(" << f->rect.right
                                  << ", " << f->rect.bottom << ")";
                EXPECT_NEAR(c.fontHeight, f->fontHeight, 1)
                    << dpi << " DPI, page " << c.page << ", control " << c.index;
            }
            std::printf("%u -> %u DPI: %zu controls of %d pages, at most %d px from a fresh start\n", start, dpi,
                        now.size(), pagesAfter[step], worst);

            // The banner of the page shown (the start page) is painted at the
            // scale of its layout: outline width and shadow offset.
            const int outline = MulDiv(1, static_cast<int>(dpi), 96);
            const BannerPicture picture = PaintedBanner(sheet.CurrentPage(), outline);
            const Capture& c = picture.pixels;
            EXPECT_EQ(c.At(outline - 1, outline - 1), kBannerGrey) << dpi << " DPI";
            EXPECT_EQ(c.At(outline, outline), kBannerFill) << dpi << " DPI";
            const Box& face = picture.face;
            const Box& shadow = picture.shadow;
            EXPECT_EQ(shadow.minX - face.minX, 2 * MulDiv(2, static_cast<int>(dpi), 96)) << dpi << " DPI";
        }
    }));
}

TEST(LiveScale, AtItsOwnScaleAPlainDialogTemplateGivesTheDialogManagersLayout)
{
    // The precision dialog's template is a plain DIALOG (the pages' are
    // DIALOGEX): read and laid out at the scale the dialog manager made the
    // dialog at, nothing moves and every font stays as high.
    DialogLayout layout;  // its font outlives the dialog's controls
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND dialog = OpenBySystemCommand(sheet.window, IDM_PRECISION, kPrecisionCaption);
        ASSERT_NE(dialog, nullptr);
        const std::vector<ControlLayout> made = ControlsOf(dialog, 0);
        ASSERT_TRUE(layout.Apply(dialog, GetModuleHandleW(nullptr), IDD_PRECISION, ConfiguredDpi()));
        const std::vector<ControlLayout> laidOut = ControlsOf(dialog, 0);
        ASSERT_EQ(laidOut.size(), 5u);
        ASSERT_EQ(laidOut.size(), made.size());
        for (size_t i = 0; i < made.size(); ++i) {
            // The third item, the up-down control, makes itself as wide as
            // it likes when it is created; only where it stands is the
            // template's.
            const bool sizesItself = i == 2;
            const RECT& a = laidOut[i].rect;
            const RECT& b = made[i].rect;
            EXPECT_EQ(a.left, b.left) << "control " << i;
            EXPECT_EQ(a.top, b.top) << "control " << i;
            EXPECT_TRUE(sizesItself || (a.right == b.right && a.bottom == b.bottom)) << "control " << i;
            EXPECT_EQ(laidOut[i].fontHeight, made[i].fontHeight) << "control " << i;
        }
        EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
    }));
}

// Changes of scale with every page made and the About box open, each sent
// to the sheet and to the box as the system sends them to every top-level
// window: each page makes its font anew at every change and the box its
// logo, and neither may keep the one it replaced.
TEST(LiveScale, ChangesOfScaleLeaveNoGuiObjectBehind)
{
    const UINT start = ConfiguredDpi();
    std::vector<UINT> cycle;  // the other scales, then back
    for (UINT dpi : kScales)
        if (dpi != start)
            cycle.push_back(dpi);
    cycle.push_back(start);
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        for (int page = 0; page < static_cast<int>(kPageCount); ++page)
            ASSERT_NE(sheet.ShowPage(page), nullptr);
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        UINT current = start;
        size_t next = 0;
        const auto change = [&] {
            const UINT dpi = cycle[next++ % cycle.size()];
            ChangeScale(sheet.window, current, dpi);
            ChangeScale(about, current, dpi);
            current = dpi;
            // Painted at each scale, the page's banner too.
            for (HWND window : {sheet.window, about})
                RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        };
        // Whole cycles, so that the count starts and ends at this run's scale.
        const int changes = static_cast<int>(cycle.size()) * 10;
        const GuiObjectsGrowth growth = GrowthOver("changes of scale", static_cast<int>(cycle.size()), changes, change);
        EXPECT_EQ(current, start);
        EXPECT_LE(growth.Gdi(), kGuiObjectsNoise);
        EXPECT_LE(growth.User(), kGuiObjectsNoise);
        EXPECT_TRUE(CloseWith(about, IDOK));
    }));
}
