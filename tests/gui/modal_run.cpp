#include "tests/gui/modal_run.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "tests/gui/modal_probe.h"
#include "tests/support/text.h"
#include "tests/support/wait.h"
#include "tests/support/watchdog.h"

namespace {

// How long a window may take to close after the body (a tenth of a second
// where Wine draws the windows itself, as tools/wine-run has it on its own
// Xvfb; 2 s per top-level window where it waits for a window manager that is
// not there), and how long the modal loop may then take to return after WM_QUIT.
constexpr DWORD kCloseMs = 8000;
constexpr DWORD kQuitMs = 10000;
// How long the worker may go on once the modal call is back: it is then
// closing a window that is gone, or in a body whose window went early.
constexpr DWORD kWorkerMs = 30000;

struct Shared {
    const ModalRun* run;
    DWORD uiThread;
    HANDLE returned;     // set by the UI thread once the modal call is back
    bool found = false;  // and so the body ran
    bool quitPosted = false;
};

bool Returned(const Shared& shared, DWORD waitMs)
{
    return WaitForSingleObject(shared.returned, waitMs) == WAIT_OBJECT_0;
}

BOOL CALLBACK Collect(HWND window, LPARAM state)
{
    auto& windows = *reinterpret_cast<std::vector<HWND>*>(state);
    if (IsWindowVisible(window))
        windows.push_back(window);
    return TRUE;
}

// Posts WM_CLOSE to every visible window of `uiThread` but `keep` that owns
// no other visible window: the innermost message box or dialog goes first.
void CloseInnermostWindows(DWORD uiThread, HWND keep)
{
    std::vector<HWND> windows;
    EnumThreadWindows(uiThread, &Collect, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        if (window == keep)
            continue;
        bool ownsOne = false;
        for (HWND other : windows)
            ownsOne = ownsOne || GetWindow(other, GW_OWNER) == window;
        if (!ownsOne)
            PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

DWORD WINAPI Drive(void* parameter)
{
    Shared& shared = *static_cast<Shared*>(parameter);
    const ModalRun& run = *shared.run;
    const WindowQuery query = OwnedBy(shared.uiThread, nullptr, run.caption);
    const std::string name = run.caption ? "the window \"" + Narrow(run.caption) + "\"" : std::string("the window");
    HWND window = nullptr;
    {
        const WaitingFor appearing(name + " to appear");
        WaitFor([&] { return (window = FindTopWindow(query)) != nullptr || Returned(shared, 0); }, run.findTimeoutMs,
                2);
    }
    shared.found = window != nullptr;
    if (shared.found) {
        const WaitingFor driving("the test's body, driving " + name);
        run.body(window);
    }
    const WaitingFor closing(name + " to close after the body");
    const bool closed = WaitFor(
        [&] {
            if (Returned(shared, 0))
                return true;
            const bool open = window && IsWindow(window);
            CloseInnermostWindows(shared.uiThread, open ? window : nullptr);
            if (open)
                PostMessageW(window, run.closeMessage, run.closeWParam, 0);
            return Returned(shared, 250);
        },
        kCloseMs, 0);
    if (closed)
        return 0;
    shared.quitPosted = true;
    PostThreadMessageW(shared.uiThread, WM_QUIT, 0, 0);
    if (Returned(shared, kQuitMs))
        return 0;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    EndTestProgram((test ? std::string(test->test_suite_name()) + "." + test->name() + ": " : std::string()) +
                   "the harness could not close " + name +
                   ", and its modal loop did not return after WM_QUIT: the test program ends here.");
}

}  // namespace

bool RunModal(const std::function<void()>& modal, const ModalRun& run)
{
    Shared shared{&run, GetCurrentThreadId(), CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HANDLE worker = CreateThread(nullptr, 0, &Drive, &shared, 0, nullptr);
    {
        const WaitingFor returning(run.caption ? "the modal call of \"" + Narrow(run.caption) + "\" to return"
                                               : std::string("the modal call to return"));
        modal();
    }
    SetEvent(shared.returned);
    {
        const WaitingFor finishing("the harness's worker to finish after the modal call returned");
        if (WaitForSingleObject(worker, kWorkerMs) != WAIT_OBJECT_0)
            EndTestProgram("the harness's worker did not finish within " + std::to_string(kWorkerMs / 1000) +
                           " s of the modal call's return; waiting for: " + WaitsUnderWay());
    }
    CloseHandle(worker);
    CloseHandle(shared.returned);
    if (shared.quitPosted) {
        MSG quit;  // the modal loop passes WM_QUIT on; it is no later test's
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    EXPECT_TRUE(shared.found) << "the harness's window never appeared";
    EXPECT_FALSE(shared.quitPosted) << "the harness could not close its window within " << kCloseMs / 1000
                                    << " s; its modal loop was ended with WM_QUIT";
    return shared.found;
}
