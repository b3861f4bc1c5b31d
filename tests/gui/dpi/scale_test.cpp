// The program at this run's display scale: the banner, where the windows
// open, the About box's logo, a change of scale, and paths run again and
// again that must leave no drawing object behind. The SmallScreen suite
// needs a screen smaller than the sheet, and runs on one of its own.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/string_utf8.h"
#include "pages/page_roster.h"
#include "res/resource.h"
#include "tests/gui/banner_picture.h"
#include "tests/gui/dpi/display_scale.h"
#include "tests/gui/gui_objects.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

namespace {

// The face of "Jednotar délek" in the 96-DPI banner is this many pixels
// tall (its font's character height), read from that banner's picture.
constexpr int kFaceHeightAt96 = 33;

int Scaled(int pixelsAt96)
{
    return MulDiv(pixelsAt96, static_cast<int>(ConfiguredDpi()), 96);
}

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT WorkArea(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

// Centred: the gaps on either side differ by at most one pixel.
void ExpectCentred(const RECT& inner, const RECT& outer, const char* what)
{
    std::printf("  %s at (%ld, %ld)-(%ld, %ld) in (%ld, %ld)-(%ld, %ld)\n", what, inner.left, inner.top, inner.right,
                inner.bottom, outer.left, outer.top, outer.right, outer.bottom);
    EXPECT_NEAR(inner.left - outer.left, outer.right - inner.right, 1) << what;
    EXPECT_NEAR(inner.top - outer.top, outer.bottom - inner.bottom, 1) << what;
}

// Along each axis: a window that fits the work area lies inside it; one
// that does not starts where the work area starts, its top-left corner and
// title bar in sight.
void ExpectKeptInside(const RECT& window, const RECT& work, const char* what)
{
    std::printf("  %s at (%ld, %ld)-(%ld, %ld) in the work area (%ld, %ld)-(%ld, %ld)\n", what, window.left, window.top,
                window.right, window.bottom, work.left, work.top, work.right, work.bottom);
    if (window.right - window.left <= work.right - work.left) {
        EXPECT_GE(window.left, work.left) << what;
        EXPECT_LE(window.right, work.right) << what;
    } else {
        EXPECT_EQ(window.left, work.left) << what;
    }
    if (window.bottom - window.top <= work.bottom - work.top) {
        EXPECT_GE(window.top, work.top) << what;
        EXPECT_LE(window.bottom, work.bottom) << what;
    } else {
        EXPECT_EQ(window.top, work.top) << what;
    }
}

std::wstring BannerTitle(int page)
{
    wchar_t title[128] = {};
    LoadStringW(GetModuleHandleW(nullptr), kPageRoster[page].bannerStringId, title, 128);
    return title;
}

}  // namespace

TEST(DisplayScale, BannerTitleShadowAndOutlineGrowWithTheScale)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        HWND page = sheet.CurrentPage();
        HWND banner = Item(page, IDC_BANNER);
        // The program runs at the scale the prefix was set to.
        ASSERT_EQ(DpiOfWindow(banner), ConfiguredDpi());
        const int outline = Scaled(1);
        const BannerPicture picture = PaintedBanner(page, outline);
        const Capture& c = picture.pixels;
        ASSERT_GT(c.width, Scaled(100));
        ASSERT_GT(c.height, Scaled(30));
        // The outline covers the control's black frame.
        for (int k = 0; k < outline; ++k) {
            EXPECT_EQ(c.At(k, k), kBannerGrey) << "outline pixel " << k;
            EXPECT_EQ(c.At(c.width - 1 - k, c.height - 1 - k), kBannerGrey) << "outline pixel " << k;
        }
        EXPECT_EQ(c.At(outline, outline), kBannerFill);
        EXPECT_EQ(c.At(c.width - 1 - outline, c.height - 1 - outline), kBannerFill);

        const Box& face = picture.face;
        const Box& shadow = picture.shadow;
        ASSERT_GT(face.count, 200);
        ASSERT_GT(shadow.count, 200);
        std::printf("%u DPI: banner %d x %d, face %d px tall (%d..%d), shadow %d right and %d below the face\n",
                    ConfiguredDpi(), c.width, c.height, face.Height(), face.minY, face.maxY, shadow.maxX - face.maxX,
                    shadow.maxY - face.maxY);
        EXPECT_NEAR(face.Height(), Scaled(kFaceHeightAt96), 1);
        // The shadow is the face moved right and down by twice the offset:
        // its far edges, which the face cannot cover, lie exactly that beyond.
        EXPECT_EQ(shadow.maxX - face.maxX, 2 * Scaled(2));
        EXPECT_EQ(shadow.maxY - face.maxY, 2 * Scaled(2));
        // The face stands the offset left of and above the centre.
        EXPECT_NEAR((face.minX + face.maxX) / 2.0, c.width / 2.0 - Scaled(2), Scaled(6));
        EXPECT_NEAR((face.minY + face.maxY) / 2.0, c.height / 2.0 - Scaled(2), Scaled(6));
    }));
}

// The face of every page's title where its extent, centred by integer
// halves, less the face's offset, puts it: to the pixel, at every scale.
TEST(DisplayScale, EveryBannerTitleStandsWhereTheIntegerHalvesCentreIt)
{
    const UINT dpi = ConfiguredDpi();
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        for (int page = 0; page < static_cast<int>(kPageCount); ++page) {
            const std::wstring title = BannerTitle(page);
            SCOPED_TRACE(WideToUtf8(title));
            HWND window = sheet.ShowPage(page);
            const int outline = Scaled(1);
            const Box face = PaintedBanner(window, outline).face;
            const Box expected = CentredFace(Item(window, IDC_BANNER), title, dpi, outline);
            ASSERT_GT(expected.count, 200);
            std::printf("%u DPI, %s: face (%d, %d)-(%d, %d), centred (%d, %d)-(%d, %d)\n", dpi,
                        WideToUtf8(title).c_str(), face.minX, face.minY, face.maxX, face.maxY, expected.minX,
                        expected.minY, expected.maxX, expected.maxY);
            EXPECT_EQ(face.minX, expected.minX);
            EXPECT_EQ(face.maxX, expected.maxX);
            EXPECT_EQ(face.minY, expected.minY);
            EXPECT_EQ(face.maxY, expected.maxY);
        }
    }));
}

TEST(DisplayScale, SheetOpensCentredAndTheDialogsOverIt)
{
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        const RECT work = WorkArea(sheet.window);
        const RECT sheetRect = WindowRect(sheet.window);
        std::printf("%u DPI:\n", ConfiguredDpi());
        ExpectCentred(sheetRect, work, "sheet");
        VisitSystemMenuDialogs(sheet, [&](HWND dialog, const SystemMenuDialog& d) {
            ExpectCentred(WindowRect(dialog), sheetRect, d.name);
            ExpectKeptInside(WindowRect(dialog), work, d.name);
        });
    }));
}

// A screen smaller than the sheet, as a small screen at a high scale has:
// the sheet opens at the work area's top-left corner, and each dialog over
// it stays inside the work area as far as it fits there.
TEST(SmallScreen, SheetOpensAtTheWorkAreasCornerAndTheDialogsInsideIt)
{
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        const RECT work = WorkArea(sheet.window);
        const RECT sheetRect = WindowRect(sheet.window);
        std::printf("%u DPI:\n", ConfiguredDpi());
        ASSERT_GT(sheetRect.right - sheetRect.left, work.right - work.left) << "the screen is as wide as the sheet";
        ASSERT_GT(sheetRect.bottom - sheetRect.top, work.bottom - work.top) << "the screen is as high as the sheet";
        ExpectKeptInside(sheetRect, work, "sheet");
        VisitSystemMenuDialogs(
            sheet, [&](HWND dialog, const SystemMenuDialog& d) { ExpectKeptInside(WindowRect(dialog), work, d.name); });
    }));
}

TEST(DisplayScale, AboutLogoGrowsWithTheScaleAndStaysCrisp)
{
    CBitmap original;
    ASSERT_TRUE(original.LoadBitmap(IDB_LOGO));
    BITMAP size{};
    original.GetBitmap(&size);
    const CMemoryDC memory(nullptr);
    const ScopedSelect logoBitmap(memory, original);
    const Capture bitmap = CaptureDc(memory.m_hDC, size.bmWidth, size.bmHeight);
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        HWND logo = nullptr;
        for (HWND child = GetWindow(about, GW_CHILD); child && !logo; child = GetWindow(child, GW_HWNDNEXT))
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
                logo = child;
        ASSERT_NE(logo, nullptr);
        Repaint(about);
        const Capture shown = CaptureClient(logo);
        std::printf("%u DPI: logo %d x %d (bitmap %d x %d)\n", ConfiguredDpi(), shown.width, shown.height, bitmap.width,
                    bitmap.height);
        EXPECT_EQ(shown.width, Scaled(bitmap.width));
        EXPECT_EQ(shown.height, Scaled(bitmap.height));

        // Crisp: no colour that the bitmap does not have (nothing blended),
        // and at a whole multiple each pixel is a block of equal pixels.
        const std::set<COLORREF> colours(bitmap.pixels.begin(), bitmap.pixels.end());
        const int multiple = static_cast<int>(ConfiguredDpi()) % 96 == 0 ? static_cast<int>(ConfiguredDpi()) / 96 : 0;
        int blended = 0;
        int wrongBlocks = 0;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x) {
                blended += colours.count(shown.At(x, y)) == 0;
                if (multiple && shown.At(x, y) != bitmap.At(x / multiple, y / multiple))
                    ++wrongBlocks;
            }
        EXPECT_EQ(blended, 0);
        EXPECT_EQ(wrongBlocks, 0);
        EXPECT_TRUE(CloseWith(about, IDOK));
    }));
}

TEST(DisplayScale, SheetTakesTheSuggestedRectangleWhenTheScaleChanges)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        const RECT before = WindowRect(sheet.window);
        RECT suggested = {before.left + 30, before.top + 20, before.right + 70, before.bottom + 50};
        const UINT dpi = ConfiguredDpi();
        SendMessageW(sheet.window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        const RECT after = WindowRect(sheet.window);
        EXPECT_EQ(after.left, suggested.left);
        EXPECT_EQ(after.top, suggested.top);
        EXPECT_EQ(after.right, suggested.right);
        EXPECT_EQ(after.bottom, suggested.bottom);
        // The page has been repainted: the banner is there, at this scale.
        HWND banner = Item(sheet.CurrentPage(), IDC_BANNER);
        EXPECT_TRUE(WaitFor([&] { return CaptureClient(banner).At(Scaled(1), Scaled(1)) == kBannerFill; }, 5000));
    }));
}

namespace {

// A path the program runs again and again, driven from the test's thread.
struct RepeatedPath {
    const char* name;
    int times;  // enough that one object kept per run stands out of the noise
    void (*run)(const Sheet& sheet);
};

// Each opening makes the box, its links and its own copy of the logo at the
// display scale.
void OpenAndCloseTheAboutBox(const Sheet& sheet)
{
    HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(CloseWith(about, IDOK));
    // The box's object, which owns the scaled logo, is gone once the sheet
    // is back in its own loop.
    EXPECT_TRUE(Settle(sheet.window));
}

// The scale as Windows 7 to 8.1 give it, from the window's device context.
void ReadTheScaleFromTheDc(const Sheet& sheet)
{
    EXPECT_EQ(DpiOfWindowDc(sheet.CurrentPage()), ConfiguredDpi());
}

constexpr RepeatedPath kRepeatedPaths[] = {
    {"About box opened and closed", 30, &OpenAndCloseTheAboutBox},
    // The system's cache of window DCs (64 under Wine) hands out the unused
    // DCs it holds before it makes one: a DC kept per read shows beyond them.
    {"scale read from the window's DC", 200, &ReadTheScaleFromTheDc},
};

}  // namespace

TEST(DisplayScale, RepeatedPathsLeaveNoGuiObjectBehind)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        for (const RepeatedPath& path : kRepeatedPaths) {
            SCOPED_TRACE(path.name);
            const GuiObjectsGrowth growth = GrowthOver(path.name, 5, path.times, [&] { path.run(sheet); });
            EXPECT_LE(growth.Gdi(), kGuiObjectsNoise);
            EXPECT_LE(growth.User(), kGuiObjectsNoise);
        }
    }));
}
