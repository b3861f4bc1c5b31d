// The converter sheet as the user first sees it.
#include <commctrl.h>
#include <prsht.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <vector>

#include "res/resource.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

namespace {

bool IsShownButton(HWND sheet, int id)
{
    return IsWindowVisible(GetDlgItem(sheet, id)) != FALSE;
}

// S_FALSE: COM was initialised apartment-threaded already; S_OK: not at all.
HRESULT ComStateOfThisThread()
{
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result))
        CoUninitialize();
    return result;
}

HRESULT g_comStateSeen = E_FAIL;

LRESULT CALLBACK SeeComState(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_NULL)
        g_comStateSeen = ComStateOfThisThread();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST(Sheet, TabsStandInRosterOrderAndStartOnLength)
{
    const std::vector<std::wstring> expected = {L"Délka",   L"Objem", L"Hmotnost", L"Teplota", L"Obsah",
                                                L"Hustota", L"Síla",  L"Tlak",     L"Práce",   L"Výkon",
                                                L"Úhel",    L"Čas",   L"Rychlost", L"Průtok"};
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet.window, PSM_GETTABCONTROL, 0, 0));
        EXPECT_EQ(TabTitlesOf(tabs), expected);
        EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(ItemTextOf(Item(sheet.CurrentPage(), IDC_FROM_UNIT), 0), L"metr");
    }));
}

TEST(Sheet, HasOkCancelHelpAndNoApply)
{
    struct Button {
        int id;
        const wchar_t* text;  // in the program's language, whatever the system's
    };
    const Button buttons[] = {{IDOK, L"OK"}, {IDCANCEL, L"Storno"}, {IDHELP, L"Nápověda"}};
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        for (const Button& button : buttons) {
            EXPECT_TRUE(IsShownButton(sheet.window, button.id)) << Narrow(button.text);
            EXPECT_EQ(TextOf(GetDlgItem(sheet.window, button.id)), button.text);
        }
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

// The shell that the About box's links open wants COM on the calling thread.
TEST(Sheet, UserInterfaceThreadHasComWhileTheSheetRuns)
{
    const HRESULT before = ComStateOfThisThread();
    g_comStateSeen = E_FAIL;
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        // Seen on the sheet's thread, inside its handling of a sent WM_NULL.
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &SeeComState, nullptr, UiThreadOf(sheet.window));
        SendMessageW(sheet.window, WM_NULL, 0, 0);
        UnhookWindowsHookEx(hook);
    }));
    EXPECT_EQ(g_comStateSeen, S_FALSE);
    EXPECT_EQ(ComStateOfThisThread(), before);  // released when the sheet has closed
}
