// The About box opened from the sheet's system menu.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/com_apartment.h"

#include "res/resource.h"
#include "tests/gui/contrast_theme.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/gui/window_capture.h"
#include "tests/support/program_windows.h"

TEST(AboutBox, BothLinksAreUnvisitedAtEveryOpening)
{
    RecordingLauncher shell;
    shell.Refuse(kMailTarget);  // the e-mail label's launch fails
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
                Click(web);
                EXPECT_EQ(QueryLook(web).textColor, kVisited);
                Click(mail);
                EXPECT_EQ(QueryLook(mail).textColor, kUnvisited);
                EXPECT_EQ(shell.Opened(), (std::vector<std::wstring>{kWebAddress, kMailTarget}));
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
    RecordingLauncher shell;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        HWND ok = Item(about, IDOK);
        HWND mailLink = Item(about, IDC_MAIL_LINK);
        HWND webLink = Item(about, IDC_WEB_LINK);
        ASSERT_EQ(FocusIn(about), ok);
        for (HWND next : {mailLink, webLink, ok}) {
            PressQueued(about, VK_TAB);
            EXPECT_EQ(FocusIn(about), next);
        }
        struct Case {
            HWND link;
            std::vector<std::wstring> opened;  // the launches after Enter on it
        };
        const Case cases[] = {{mailLink, {kMailTarget}}, {webLink, {kMailTarget, kWebAddress}}};
        for (const Case& c : cases) {
            // The dialog manager moves the focus to the link, as Tab does.
            SendMessageW(about, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c.link), TRUE);
            ASSERT_EQ(FocusIn(about), c.link);
            ASSERT_EQ(QueryLook(c.link).textColor, kUnvisited);
            PressQueued(about, VK_RETURN);
            EXPECT_EQ(shell.Opened(c.opened.size()), c.opened);
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
    RecordingLauncher shell;
    ContrastTheme theme;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        HWND webLink = Item(about, IDC_WEB_LINK);
        HWND mailLink = Item(about, IDC_MAIL_LINK);
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

namespace {

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};

LONG StateOf(IAccessible& link)
{
    VARIANT self{};
    self.vt = VT_I4;
    VARIANT state{};
    return SUCCEEDED(link.get_accState(self, &state)) && state.vt == VT_I4 ? state.lVal : 0;
}

std::wstring TextAnswer(IAccessible& link, HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, BSTR*))
{
    VARIANT self{};
    self.vt = VT_I4;
    BSTR text = nullptr;
    (link.*question)(self, &text);
    const std::wstring answer = text ? std::wstring(text, SysStringLen(text)) : L"(none)";
    SysFreeString(text);
    return answer;
}

}  // namespace

TEST(AboutBox, LinksAreLinksToAnAccessibilityClient)
{
    RecordingLauncher shell;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        const ComApartment com;
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kAboutCaption);
        ASSERT_NE(about, nullptr);
        std::unique_ptr<IAccessible, ComRelease> held;
        struct Case {
            int id;
            const wchar_t *address, *opened;
        };
        const Case cases[] = {{IDC_WEB_LINK, kWebAddress, kWebAddress}, {IDC_MAIL_LINK, kMailAddress, kMailTarget}};
        std::vector<std::wstring> log;
        for (const auto& [id, address, opened] : cases) {
            SCOPED_TRACE(Narrow(address));
            HWND label = Item(about, id);
            IAccessible* raw = nullptr;
            ASSERT_EQ(
                AccessibleObjectFromWindow(label, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&raw)),
                S_OK);
            std::unique_ptr<IAccessible, ComRelease> link(raw);
            VARIANT self{}, role{};
            self.vt = VT_I4;
            ASSERT_EQ(link->get_accRole(self, &role), S_OK);
            EXPECT_EQ(role.lVal, ROLE_SYSTEM_LINK);
            EXPECT_EQ(TextAnswer(*link, &IAccessible::get_accName), address);
            EXPECT_EQ(Narrow(TextAnswer(*link, &IAccessible::get_accDefaultAction)), "Otevřít");
            EXPECT_EQ(StateOf(*link) & (STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED |
                                        STATE_SYSTEM_TRAVERSED),
                      STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE);
            SendMessageW(about, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(label), TRUE);
            ASSERT_EQ(FocusIn(about), label);
            EXPECT_TRUE(StateOf(*link) & STATE_SYSTEM_FOCUSED);
            // The action opens the link as a click does, and the box stays.
            EXPECT_EQ(link->accDoDefaultAction(self), S_OK);
            log.push_back(opened);
            EXPECT_EQ(shell.Opened(log.size()), log);
            EXPECT_EQ(QueryLook(label).textColor, kVisited);
            EXPECT_TRUE(StateOf(*link) & STATE_SYSTEM_TRAVERSED);
            EXPECT_TRUE(IsWindowVisible(about));
            held = std::move(link);
        }
        EXPECT_TRUE(CloseWith(about, IDOK));
        VARIANT self{}, role{};
        self.vt = VT_I4;
        EXPECT_EQ(held->get_accRole(self, &role), CO_E_OBJNOTCONNECTED);
    }));
}
