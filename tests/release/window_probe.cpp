// Waits for the converter's sheet to appear, checks that it is the sheet,
// then closes it the way a user does (Cancel) and waits for it to go:
//   window_probe.exe [SECONDS [--leave-open]]
// With --leave-open the sheet is left as found.
// The sheet is a visible top-level dialog (class #32770) captioned
// "Jednotar jednotek" holding a tab control with one tab per category.
// Exit status 0 when all of that holds within SECONDS (default 30),
// otherwise 1, with the reason on standard output.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "pages/page_roster.h"
#include "tests/support/clock.h"
#include "tests/support/program_windows.h"
#include "tests/support/wait.h"

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    const bool leaveOpen = argc > 2 && std::strcmp(argv[2], "--leave-open") == 0;
    const double deadline = NowMs() + seconds * 1000.0;
    auto timeLeft = [deadline] { return static_cast<DWORD>(deadline > NowMs() ? deadline - NowMs() : 0); };

    const HWND sheet = WaitForTopWindow(DialogTitled(kSheetCaption), timeLeft());
    if (!sheet) {
        std::printf("no visible %ls window captioned \"%ls\" within %d s\n", kDialogClass, kSheetCaption, seconds);
        return 1;
    }

    // The sheet creates its tab control in its own initialisation; give it
    // the rest of the time to have all the tabs.
    const int categories = static_cast<int>(kPageCount);
    int tabs = 0;
    WaitFor(
        [&] {
            HWND tab = FindWindowExW(sheet, nullptr, WC_TABCONTROLW, nullptr);
            tabs = tab ? static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0)) : 0;
            return tabs == categories;
        },
        timeLeft(), 200);
    std::printf("sheet found, %d tabs\n", tabs);
    if (tabs != categories) {
        std::printf("expected %d tabs\n", categories);
        return 1;
    }

    if (leaveOpen)
        return 0;

    PostMessageW(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (!WaitUntilGone(sheet, timeLeft())) {
        std::printf("the sheet did not close on Cancel\n");
        return 1;
    }
    std::printf("sheet closed\n");
    return 0;
}
