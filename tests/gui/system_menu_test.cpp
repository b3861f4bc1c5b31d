// The sheet's system-menu commands and the dispatch of WM_SYSCOMMAND.
#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

namespace {

bool IsSeparator(HMENU menu, int position)
{
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE;
    return GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item) && (item.fType & MFT_SEPARATOR);
}

}  // namespace

// A separator and the two commands end the menu, in the order of
// kSystemMenuDialogs; each item, picked by the id the menu carries, opens its
// own dialog.
TEST(SystemMenu, EndsWithTwoCommandsThatOpenTheirDialogs)
{
    const wchar_t* const texts[] = {L"&Nastavení přesnosti...", L"&O programu Jednotar..."};
    static_assert(std::size(kSystemMenuDialogs) == 2 && std::size(texts) == 2);
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HMENU menu = GetSystemMenu(sheet.window, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 4);  // the platform's own items come first
        EXPECT_TRUE(IsSeparator(menu, count - 3));
        EXPECT_FALSE(IsSeparator(menu, count - 4));
        for (int i = 0; i < 2; ++i) {
            const SystemMenuDialog& d = kSystemMenuDialogs[i];
            const int position = count - 2 + i;
            EXPECT_EQ(GetMenuItemID(menu, position), d.command);
            wchar_t text[64] = {};
            GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
            EXPECT_STREQ(text, texts[i]);
            HWND dialog = OpenBySystemCommand(sheet.window, GetMenuItemID(menu, position), d.caption);
            ASSERT_NE(dialog, nullptr) << d.name;
            EXPECT_TRUE(CloseWith(dialog, IDCANCEL));
        }
    }));
}

TEST(SystemMenu, EveryIdFrom0x10To0x1FOpensTheAboutBox)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        for (UINT id = 0x10; id <= 0x1F; ++id) {
            HWND about = OpenBySystemCommand(sheet.window, id, kAboutCaption);
            ASSERT_NE(about, nullptr) << "id 0x" << std::hex << id;
            EXPECT_TRUE(CloseWith(about, IDOK)) << "id 0x" << std::hex << id;
        }
    }));
}

TEST(SystemMenu, OtherCommandsTakeTheSheetsUsualPath)
{
    ASSERT_TRUE(RunSheet([](const Sheet& sheet) {
        // Neither command's neighbours open anything; a dialog would keep
        // the command from returning, and one opened later by something the
        // command queued would be there once the queue is done.
        for (const UINT id : {0x0Fu, 0x20u, 0x8Fu, 134u, 136u}) {
            EXPECT_TRUE(SendWithTimeout(sheet.window, WM_SYSCOMMAND, id, 0, nullptr, 10000)) << "id " << id;
            ASSERT_TRUE(Settle(sheet.window)) << "id " << id;
            EXPECT_EQ(AnyWindowOwnedBy(sheet.window), nullptr) << "id " << id;
        }
        // The platform's own commands still work.
        SendMessageW(sheet.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        EXPECT_TRUE(IsIconic(sheet.window));
        SendMessageW(sheet.window, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_FALSE(IsIconic(sheet.window));
        // Close ends the modal sheet.
        PostMessageW(sheet.window, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(WaitUntilGone(sheet.window));  // hiding waits on the X server
    }));
}
