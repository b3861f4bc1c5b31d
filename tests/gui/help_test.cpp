// The sheet's Help button, with no help file behind it.
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"

TEST(Help, ButtonShowsTheHelpTextOwnedByTheSheet)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        PostMessageW(sheet.window, PSM_PRESSBUTTON, PSBTN_HELP, 0);
        HWND box = WaitForTopWindow(OwnedBy(sheet.window));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(TextOf(box), L"Jednotar jednotek");
        // A message box holds its text in the static with id 0xFFFF.
        const std::wstring text = TextOf(GetDlgItem(box, 0xFFFF));
        for (const wchar_t* part : {L"1. ", L"2. ", L"3. ", L"Nastavení přesnosti", L"O programu Jednotar"})
            EXPECT_NE(text.find(part), std::wstring::npos) << "missing: " << Narrow(part);
        EXPECT_FALSE(IsWindowEnabled(sheet.window));  // modal over the sheet

        PostMessageW(box, WM_COMMAND, IDOK, 0);
        // Without a window manager Wine takes about 2 s to close a top-level window.
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }, 10000));
        EXPECT_TRUE(IsWindowVisible(sheet.window));  // Help does not close the sheet
    }));
}
