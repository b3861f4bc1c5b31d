// The converter sheet as the user first sees it.
#include <commctrl.h>
#include <prsht.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <vector>

#include "pages/precision_setting.h"
#include "res/resource.h"
#include "tests/gui/sheet_harness.h"
#include "units/units.h"

namespace {

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
        HWND tabs = reinterpret_cast<HWND>(SendMessageW(sheet.window, PSM_GETTABCONTROL, 0, 0));
        EXPECT_EQ(TabTitlesOf(tabs), expected);
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
        // In the program's language, whatever the system's.
        EXPECT_EQ(TextOf(GetDlgItem(sheet.window, IDOK)), L"OK");
        EXPECT_EQ(TextOf(GetDlgItem(sheet.window, IDCANCEL)), L"Storno");
        EXPECT_EQ(TextOf(GetDlgItem(sheet.window, IDHELP)), L"Nápověda");
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

namespace {

// Runs `probe` on `window`'s thread, inside the handling of a sent message.
HRESULT g_probeResult = E_FAIL;
HRESULT (*g_probe)() = nullptr;

LRESULT CALLBACK RunProbe(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && g_probe) {
        g_probeResult = g_probe();
        g_probe = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HRESULT OnThreadOf(HWND window, HRESULT (*probe)())
{
    g_probe = probe;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &RunProbe, nullptr, GetWindowThreadProcessId(window, nullptr));
    SendMessageW(window, WM_NULL, 0, 0);
    UnhookWindowsHookEx(hook);
    return g_probeResult;
}

// S_FALSE: COM was initialised apartment-threaded already; S_OK: not at all.
HRESULT ComStateOfThisThread()
{
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(result))
        CoUninitialize();
    return result;
}

}  // namespace

// The shell that the About box's links open wants COM on the calling thread.
TEST(Sheet, UserInterfaceThreadHasComWhileTheSheetRuns)
{
    const HRESULT before = ComStateOfThisThread();
    HRESULT during = E_FAIL;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) { during = OnThreadOf(sheet.window, &ComStateOfThisThread); }));
    EXPECT_EQ(during, S_FALSE);
    EXPECT_EQ(ComStateOfThisThread(), before);  // released when the sheet has closed
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
