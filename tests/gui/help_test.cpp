// The sheet's help, with no help file behind it.
#include <commctrl.h>
#include <prsht.h>

#include <gtest/gtest.h>

#include <memory>

#include "res/resource.h"
#include "tests/gui/modal_probe.h"
#include "tests/gui/sheet_harness.h"
#include "tests/support/program_windows.h"

namespace {

struct HelpRequest {
    const char* way;
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
        const HelpRequest ways[] = {
            {"Help button", sheet.window, PSM_PRESSBUTTON, PSBTN_HELP, 0},
            {"F1", sheet.window, WM_HELP, 0, help},
            {"context help on the value field", Item(sheet.CurrentPage(), IDC_VALUE), WM_HELP, 0, help},
        };
        for (const HelpRequest& way : ways) {
            SCOPED_TRACE(way.way);
            const std::unique_ptr<void, decltype(&CloseHandle)> asker(
                CreateThread(nullptr, 0, &SendRequest, const_cast<HelpRequest*>(&way), 0, nullptr), &CloseHandle);
            HWND box = WaitForTopWindow(OwnedBy(sheet.window));
            ASSERT_NE(box, nullptr) << "no help shown";
            const MessageBoxSeen seen = ReadMessageBox(box);
            EXPECT_EQ(seen.caption, kSheetCaption);
            for (const wchar_t* part : {L"1. ", L"2. ", L"3. ", kPrecisionCaption, kAboutCaption})
                EXPECT_NE(seen.text.find(part), std::wstring::npos) << "missing: " << Narrow(part);
            EXPECT_FALSE(IsWindowEnabled(sheet.window));  // modal over the sheet

            EXPECT_TRUE(CloseWith(box, IDOK));
            EXPECT_TRUE(IsWindowVisible(sheet.window));  // help does not close the sheet
            EXPECT_EQ(WaitForSingleObject(asker.get(), 10000), WAIT_OBJECT_0);
        }
    }));
}
