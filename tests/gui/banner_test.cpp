// Repaints of the banner, read back from the banner control's pixels; its
// picture at each display scale is in the display-scale tests.
#include <gtest/gtest.h>

#include <cstdio>

#include "framework/dpi.h"
#include "res/resource.h"
#include "tests/gui/banner_picture.h"
#include "tests/gui/contrast_theme.h"
#include "tests/gui/gui_objects.h"
#include "tests/gui/robustness_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/clock.h"
#include "tests/support/platform.h"

// Ten thousand of the page's own paints (and with them the banner's) without
// the children's, which are the platform's and would triple the time, then
// whole repaints with every child: nothing is left behind in the GDI handle
// table, and every paint is the banner's.
TEST(Banner, RepaintsLeaveNoGdiObjectBehind)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const Conversion f = MetreToKilometre(sheet);
        Type(f.value, L"5");
        HWND banner = Item(f.page, IDC_BANNER);
        constexpr int kPagePaints = 10000;
        constexpr int kWholePaints = 300;
        // Now and then a spot of the banner is blotted out, and the paint must
        // fill it again. The probe's DC is held throughout and used once
        // beforehand: Wine's first read-back after a paint costs it 3 handles.
        HDC probe = GetDC(banner);
        int unpainted = 0;
        int bannerMissed = 0;
        const auto paint = [&](bool blot) {
            if (blot)
                SetPixel(probe, 1, 1, kBannerFace);
            RedrawWindow(f.page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
            unpainted += GetUpdateRect(f.page, nullptr, FALSE) ? 1 : 0;
            // The X server may show the drawing a moment later on a busy machine.
            if (blot)
                bannerMissed += WaitFor([&] { return GetPixel(probe, 1, 1) == kBannerFill; }, 5000) ? 0 : 1;
        };
        // The first paints of a process make objects that it keeps (Wine's
        // DC and font caches among them): they come before the count.
        for (int i = 0; i < 100; ++i)
            paint(i % 10 == 0);
        for (int i = 0; i < 10; ++i)
            Repaint(f.page);
        const long heldBefore = HeldGdiObjects();
        const double start = NowMs();
        for (int i = 0; i < kPagePaints; ++i)
            paint(i % 100 == 0);
        for (int i = 0; i < kWholePaints; ++i)
            Repaint(f.page);
        const double elapsed = NowMs() - start;
        const long heldAfter = HeldGdiObjects();
        ReleaseDC(banner, probe);
        std::printf("%d page and %d whole repaints in %.0f ms; GDI objects held %ld before, %ld after%s\n", kPagePaints,
                    kWholePaints, elapsed, heldBefore, heldAfter, RunningUnderWine() ? " (free room, negated)" : "");
        // A leak of one object per paint would show in full in Wine's free
        // room; on Windows the process's quota of 10 000 would cap it.
        if (RunningUnderWine()) {
            ASSERT_GT(-heldBefore, kPagePaints + 2 * kWholePaints);
        }
        EXPECT_EQ(unpainted, 0);
        EXPECT_EQ(bannerMissed, 0);
        // A leak in the paint would cost one object per paint at least, or
        // one per hundred where the banner is blotted. A handle or two may
        // come and go meanwhile on the process's other threads.
        EXPECT_LE(heldAfter - heldBefore, kGuiObjectsNoise);
        // And the last paint is still the banner.
        EXPECT_EQ(CaptureClient(banner).At(1, 1), kBannerFill);
        EXPECT_TRUE(Responsive(sheet.window));
    }));
}

// A contrast theme switched on and off while the sheet runs: the sheet is
// told as the system tells it, and the banner is drawn anew at once, in the
// theme's text on its face colour without the greys or the shadow, or as
// before.
TEST(Banner, FollowsAContrastThemeSwitchedWhileTheSheetRuns)
{
    wchar_t title[64] = {};
    LoadStringW(GetModuleHandleW(nullptr), IDS_BANNER_LENGTH, title, 64);
    ContrastTheme theme;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND page = sheet.CurrentPage();
        HWND banner = Item(page, IDC_BANNER);
        const auto corners = [&](COLORREF frame, COLORREF fill) {
            return WaitFor(
                [&] {
                    const Capture c = CaptureClient(banner);
                    return c.At(0, 0) == frame && c.At(c.width - 1, c.height - 1) == frame && c.At(1, 1) == fill;
                },
                3000);
        };
        ASSERT_TRUE(corners(kBannerGrey, kBannerFill));
        struct Step {
            bool on;
            UINT message;
        };
        for (const Step step : {Step{true, WM_SYSCOLORCHANGE}, Step{false, WM_SETTINGCHANGE},
                                Step{true, WM_SETTINGCHANGE}, Step{false, WM_THEMECHANGED}}) {
            SCOPED_TRACE(testing::Message()
                         << "theme " << (step.on ? "on" : "off") << ", message 0x" << std::hex << step.message);
            theme.Switch(step.on);
            SendMessageW(sheet.window, step.message, step.message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
            EXPECT_TRUE(step.on ? corners(kThemeText, kThemeFace) : corners(kBannerGrey, kBannerFill));
            const Capture c = CaptureClient(banner);
            const Box expected = CentredFace(banner, title, DpiOfWindow(banner), 1, !step.on);
            const Box face = PixelsOf(c, step.on ? kThemeText : kBannerFace, 1);
            ASSERT_GT(expected.count, 200);
            EXPECT_NEAR(face.minX, expected.minX, 1);
            EXPECT_NEAR(face.maxX, expected.maxX, 1);
            EXPECT_NEAR(face.minY, expected.minY, 1);
            EXPECT_NEAR(face.maxY, expected.maxY, 1);
            EXPECT_EQ(PixelsOf(c, kBannerGrey, 1).count > 200, !step.on) << "the shadow";
            EXPECT_EQ(PixelsOf(c, kBannerFill, 0).count > 0, !step.on) << "the light grey";
        }
    }));
}
