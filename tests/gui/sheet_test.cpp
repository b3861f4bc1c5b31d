// The converter sheet as the user first sees it.
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <vector>

#include "pages/precision_setting.h"
#include "res/resource.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

namespace {

std::vector<std::wstring> TabTitles(HWND sheet)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0));
    std::vector<std::wstring> titles;
    const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        titles.push_back(text);
    }
    return titles;
}

bool IsShownButton(HWND sheet, int id)
{
    HWND button = GetDlgItem(sheet, id);
    return button && IsWindowVisible(button);
}

}  // namespace

TEST(Sheet, TabsStandInRosterOrderAndStartOnLength)
{
    const std::vector<std::wstring> expected = {L"Délka",   L"Objem", L"Hmotnost", L"Teplota", L"Obsah",
                                                L"Hustota", L"Síla",  L"Tlak",     L"Práce",   L"Výkon",
                                                L"Úhel",    L"Čas",   L"Rychlost", L"Průtok"};
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        EXPECT_EQ(TabTitles(sheet.window), expected);
        HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet.window, PSM_GETTABCONTROL, 0, 0));
        EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
        HWND fromList = Item(sheet.CurrentPage(), IDC_FROM_UNIT);
        EXPECT_EQ(ItemTextOf(fromList, 0), L"metr");
    }));
}

TEST(Sheet, HasOkCancelHelpAndNoApply)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        EXPECT_TRUE(IsShownButton(sheet.window, IDOK));
        EXPECT_TRUE(IsShownButton(sheet.window, IDCANCEL));
        EXPECT_TRUE(IsShownButton(sheet.window, IDHELP));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet.window, IDHELP)));
        constexpr int kApplyButton = 0x3021;
        EXPECT_FALSE(IsShownButton(sheet.window, kApplyButton));
    }));
}

TEST(Sheet, InitialisationCountsTheTableAndSetsBothIcons)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        EXPECT_EQ(g_unitCount, 197);
        EXPECT_NE(SendMessageW(sheet.window, WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(SendMessageW(sheet.window, WM_GETICON, ICON_SMALL, 0), 0);
    }));
}

// System commands the program does not add take the sheet's usual path:
// Close from the system menu ends the modal sheet.
TEST(Sheet, SystemMenuCloseEndsTheSheet)
{
    bool closed = false;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        PostMessageW(sheet.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        closed = WaitUntilGone(sheet.window);  // hiding waits on the X server
    }));
    EXPECT_TRUE(closed);
}
