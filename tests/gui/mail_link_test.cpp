// What the About box's e-mail label hands to the shell.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/mail_handler.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"

TEST(MailLink, ShowsTheBareAddressAndOpensItAsMailto)
{
    MailHandler mail;
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, L"O programu Jednotar");
        ASSERT_NE(about, nullptr);
        HWND label = Item(about, IDC_MAIL_LINK);
        EXPECT_EQ(TextOf(label), L"info@brodvik.example");
        Click(label);
        EXPECT_EQ(mail.Opened(), L"mailto:info@brodvik.example");
        EXPECT_EQ(QueryLook(label).textColor, kVisited);
        EXPECT_EQ(TextOf(label), L"info@brodvik.example");
        EXPECT_TRUE(CloseWith(about, IDOK));
    }));
}
