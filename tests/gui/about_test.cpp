// The About box opened from the sheet's system menu.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/gui/window_capture.h"
#include "tests/support/program_windows.h"

TEST(AboutBox, BothLinksAreUnvisitedAtEveryOpening)
{
    LaunchTargets targets;
    const std::wstring script = targets.Script(L"web");
    const MailProgram brokenMail(targets.PathOf(L"mail"));  // no such file: the e-mail label's launch fails
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE(testing::Message() << "opening " << opening);
            HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
            ASSERT_NE(about, nullptr);
            HWND web = Item(about, IDC_WEB_LINK);
            HWND mail = Item(about, IDC_MAIL_LINK);
            EXPECT_EQ(TextOf(web), kWebAddress);
            EXPECT_EQ(TextOf(mail), kMailAddress);
            const LOGFONTW dialogFont = LogFontOf(FontOf(about));
            for (HWND label : {web, mail}) {
                const LinkLook look = QueryLook(label);
                EXPECT_TRUE(look.linkBrush);
                EXPECT_EQ(look.textColor, kUnvisited);
                EXPECT_TRUE(look.logFont.lfUnderline);
                EXPECT_STREQ(look.logFont.lfFaceName, dialogFont.lfFaceName);
            }
            if (opening == 1) {
                // Retargeted before their first click, so no browser starts.
                SetWindowTextW(web, script.c_str());
                Click(web);
                EXPECT_EQ(targets.Opened(1), std::vector<std::wstring>{L"web"});
                EXPECT_EQ(QueryLook(web).textColor, kVisited);
                Click(mail);
                EXPECT_EQ(QueryLook(mail).textColor, kUnvisited);
            }
            EXPECT_TRUE(CloseWith(about, IDOK));
        }
    }));
}
