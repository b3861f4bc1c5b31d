// The About box opened from the sheet's system menu.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/gui/contrast_theme.h"
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

namespace {

// A key as the user presses it: queued for the focused window, so that the
// dialog's modal loop hands it to the dialog manager first.
void PressQueued(HWND about, UINT key)
{
    HWND focus = FocusIn(about);
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 0xC0000001);
    Settle(about);
}

}  // namespace

TEST(AboutBox, TabReachesBothLinksInScreenOrderAndEnterOpensThem)
{
    LaunchTargets targets;
    const MailProgram mail(targets.Script(L"mail"));
    const std::wstring web = targets.Script(L"web");
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        HWND ok = Item(about, IDOK);
        HWND mailLink = Item(about, IDC_MAIL_LINK);
        HWND webLink = Item(about, IDC_WEB_LINK);
        SetWindowTextW(webLink, web.c_str());  // before its first use, so no browser starts
        ASSERT_EQ(FocusIn(about), ok);
        for (HWND next : {mailLink, webLink, ok}) {
            PressQueued(about, VK_TAB);
            EXPECT_EQ(FocusIn(about), next);
        }
        struct Case {
            HWND link;
            std::vector<std::wstring> opened;  // the log after Enter on it
        };
        const Case cases[] = {{mailLink, {L"mail mailto:info@brodvik.example"}},
                              {webLink, {L"mail mailto:info@brodvik.example", L"web"}}};
        for (const Case& c : cases) {
            // The launch before may have taken the activation away (the
            // script's console): the dialog manager puts the focus back.
            SendMessageW(about, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c.link), TRUE);
            ASSERT_EQ(FocusIn(about), c.link);
            ASSERT_EQ(QueryLook(c.link).textColor, kUnvisited);
            PressQueued(about, VK_RETURN);
            EXPECT_EQ(targets.Opened(c.opened.size()), c.opened);
            EXPECT_EQ(QueryLook(c.link).textColor, kVisited);
            EXPECT_TRUE(IsWindowVisible(about)) << "Enter on a link closed the box";
        }
        // Escape keeps its meaning on a link.
        PostMessageW(webLink, WM_KEYDOWN, VK_ESCAPE, 1);
        EXPECT_TRUE(WaitUntilGone(about));
    }));
}

TEST(AboutBox, LinksTakeAContrastThemesLinkColourAtOnceAndGiveItBack)
{
    LaunchTargets targets;
    const std::wstring web = targets.Script(L"web");
    ContrastTheme theme;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        HWND webLink = Item(about, IDC_WEB_LINK);
        HWND mailLink = Item(about, IDC_MAIL_LINK);
        SetWindowTextW(webLink, web.c_str());
        Click(webLink);  // one link of each state
        ASSERT_EQ(QueryLook(webLink).textColor, kVisited);
        // The underline alone has a few dozen pixels of the link's colour.
        const auto shows = [](HWND link, COLORREF colour) {
            return WaitFor([&] { return PixelsOf(CaptureClient(link), colour, 0).count > 20; }, 3000);
        };
        struct Step {
            bool on;
            UINT message;  // what the system sends the box on the switch
            COLORREF web, mail;
        };
        const Step steps[] = {{true, WM_SYSCOLORCHANGE, kThemeLink, kThemeLink},
                              {false, WM_SETTINGCHANGE, kVisited, kUnvisited},
                              {true, WM_THEMECHANGED, kThemeLink, kThemeLink}};
        for (const Step& step : steps) {
            SCOPED_TRACE(testing::Message()
                         << "theme " << (step.on ? "on" : "off") << ", message 0x" << std::hex << step.message);
            theme.Switch(step.on);
            SendMessageW(about, step.message, step.message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
            EXPECT_TRUE(shows(webLink, step.web));
            EXPECT_TRUE(shows(mailLink, step.mail));
            EXPECT_EQ(QueryLook(webLink).textColor, step.web);
            EXPECT_EQ(QueryLook(mailLink).textColor, step.mail);
        }
        EXPECT_TRUE(CloseWith(about, IDOK));
    }));
}
