// What the About box's e-mail label hands to the shell.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

TEST(MailLink, ShowsTheBareAddressAndOpensItAsMailto)
{
    RecordingLauncher shell;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        HWND label = Item(about, IDC_MAIL_LINK);
        EXPECT_EQ(TextOf(label), kMailAddress);
        Click(label);
        EXPECT_EQ(shell.Opened(), std::vector<std::wstring>{kMailTarget});
        EXPECT_EQ(QueryLook(label).textColor, kVisited);
        EXPECT_EQ(TextOf(label), kMailAddress);
        EXPECT_TRUE(CloseWith(about, IDOK));
    }));
}
