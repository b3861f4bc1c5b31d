// The About box: its two links, opened from the sheet and on its own.
#include <gtest/gtest.h>

#include <string>

#include "about/about_dlg.h"
#include "res/resource.h"
#include "tests/gui/link_probe.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"

namespace {

constexpr wchar_t kCaption[] = L"O programu Jednotar";
constexpr wchar_t kWebAddress[] = L"https://www.brodvik.example/";
constexpr wchar_t kMailAddress[] = L"info@brodvik.example";

std::wstring DialogFace(HWND dialog)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font.lfFaceName;
}

// Runs `dialog` modally on this thread while `drive` works it from another.
struct Driver {
    DWORD uiThread;
    void (*drive)(DWORD uiThread, void* context);
    void* context;
};

DWORD WINAPI RunDriver(void* parameter)
{
    const Driver& driver = *static_cast<const Driver*>(parameter);
    driver.drive(driver.uiThread, driver.context);
    return 0;
}

INT_PTR RunModal(CDialog& dialog, void (*drive)(DWORD, void*), void* context)
{
    Driver driver{GetCurrentThreadId(), drive, context};
    HANDLE worker = CreateThread(nullptr, 0, &RunDriver, &driver, 0, nullptr);
    const INT_PTR result = dialog.DoModal();
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
    return result;
}

}  // namespace

TEST(AboutBox, BothLinksAreUnvisitedAtEveryOpening)
{
    LaunchTargets targets;
    const std::wstring script = targets.Script(L"web");
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE(testing::Message() << "opening " << opening);
            HWND about = OpenBySystemCommand(sheet.window, IDM_ABOUT, kCaption);
            ASSERT_NE(about, nullptr);
            HWND web = Item(about, IDC_WEB_LINK);
            HWND mail = Item(about, IDC_MAIL_LINK);
            EXPECT_EQ(TextOf(web), kWebAddress);
            EXPECT_EQ(TextOf(mail), kMailAddress);
            for (HWND label : {web, mail}) {
                const LinkLook look = QueryLook(label);
                EXPECT_TRUE(look.linkBrush);
                EXPECT_EQ(look.textColor, kUnvisited);
                EXPECT_TRUE(look.logFont.lfUnderline);
                EXPECT_EQ(look.logFont.lfFaceName, DialogFace(about));
            }
            if (opening == 1) {
                // Retargeted before their first click, so no browser starts.
                SetWindowTextW(web, script.c_str());
                Click(web);
                EXPECT_EQ(targets.Runs(script, 1), 1);
                EXPECT_EQ(QueryLook(web).textColor, kVisited);
                SetWindowTextW(mail, targets.Missing(L"mail").c_str());
                Click(mail);
                EXPECT_EQ(QueryLook(mail).textColor, kUnvisited);
            }
            EXPECT_TRUE(CloseWith(about, IDOK));
        }
    }));
}

// The labels belong to the dialog object: they outlive the window with the
// target they captured, and go with the object.
TEST(AboutBox, EndsByOkEscapeOrCloseBoxAndKeepsItsLabels)
{
    struct Context {
        std::wstring script;
        int way;
        LaunchTargets* targets;
        int runs = 0;
    };
    struct Case {
        const char* name;
        INT_PTR result;
    };
    const Case cases[] = {{"OK", IDOK}, {"Escape", IDCANCEL}, {"close box", IDCANCEL}};
    LaunchTargets targets;
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(cases[way].name);
        Context context{targets.Script(L"way" + std::to_wstring(way)), way, &targets};
        CAboutDlg about;
        const INT_PTR result = RunModal(
            about,
            [](DWORD uiThread, void* parameter) {
                Context& c = *static_cast<Context*>(parameter);
                HWND dialog = WaitForWindow(uiThread, nullptr, kCaption);
                if (!dialog)
                    return;
                HWND web = GetDlgItem(dialog, IDC_WEB_LINK);
                SetWindowTextW(web, c.script.c_str());
                Click(web);
                c.runs = c.targets->Runs(c.script, 1);
                if (c.way == 0)
                    PressButton(dialog, IDOK);
                else if (c.way == 1)
                    PostMessageW(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
                else
                    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                WaitUntilGone(dialog);
            },
            &context);
        EXPECT_EQ(result, cases[way].result);
        EXPECT_EQ(context.runs, 1);
        EXPECT_EQ(about.m_webLink.m_hWnd, nullptr);
        EXPECT_EQ(about.m_webLink.m_target, WideToUtf8(context.script).c_str());
        EXPECT_TRUE(about.m_mailLink.m_target.IsEmpty());
    }
}
