// The sheet's help, with no help file behind it.
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

namespace {

struct HelpRequest {
    HWND target;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Sent from a thread of its own, as WM_HELP carries a pointer and cannot be
// posted; the sender waits until the help closes.
DWORD WINAPI SendRequest(void* request)
{
    const auto* r = static_cast<const HelpRequest*>(request);
    SendMessageW(r->target, r->message, r->wParam, r->lParam);
    return 0;
}

}  // namespace

// The Help button, F1 (WM_HELP to the sheet) and the caption's "?" followed
// by a click on a control (WM_HELP to the control, passed up to the sheet)
// all show the same help.
TEST(Help, ButtonF1AndContextHelpShowTheHelpTextOwnedByTheSheet)
{
    HELPINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(RunSheet([&](const Sheet& sheet) {
        const LPARAM help = reinterpret_cast<LPARAM>(&info);
        const struct {
            const char* way;
            HelpRequest request;
        } ways[] = {
            {"Help button", {sheet.window, PSM_PRESSBUTTON, PSBTN_HELP, 0}},
            {"F1", {sheet.window, WM_HELP, 0, help}},
            {"context help on the value field", {Item(sheet.CurrentPage(), IDC_VALUE), WM_HELP, 0, help}},
        };
        for (const auto& w : ways) {
            SCOPED_TRACE(w.way);
            HANDLE asker = CreateThread(nullptr, 0, &SendRequest, const_cast<HelpRequest*>(&w.request), 0, nullptr);
            HWND box = WaitForTopWindow(OwnedBy(sheet.window));
            if (!box) {
                CloseHandle(asker);
                FAIL() << "no help shown";
            }
            const MessageBoxSeen seen = ReadMessageBox(box);
            EXPECT_EQ(seen.caption, kSheetCaption);
            for (const wchar_t* part : {L"1. ", L"2. ", L"3. ", kPrecisionCaption, kAboutCaption})
                EXPECT_NE(seen.text.find(part), std::wstring::npos) << "missing: " << Narrow(part);
            EXPECT_FALSE(IsWindowEnabled(sheet.window));  // modal over the sheet

            EXPECT_TRUE(CloseWith(box, IDOK));
            EXPECT_TRUE(IsWindowVisible(sheet.window));  // help does not close the sheet
            EXPECT_EQ(WaitForSingleObject(asker, 10000), WAIT_OBJECT_0);
            CloseHandle(asker);
        }
    }));
}
