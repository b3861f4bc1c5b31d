// Starts programs several times each and measures, from outside: the time
// from process start to the first painted dialog (median), and the private
// bytes and working set after every tab of a property sheet has been shown.
//   startup_probe <runs> <program.exe> <caption> [<program.exe> <caption>]...
// Prints one line per program.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/clock.h"
#include "tests/support/wait.h"
#include "tests/support/windows_found.h"

namespace {

struct Child {
    PROCESS_INFORMATION info{};
    ~Child()
    {
        if (!info.hProcess)
            return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

HWND WaitForVisibleDialog(const wchar_t* caption, DWORD processId, DWORD timeoutMs)
{
    WindowQuery query;
    query.process = processId;
    query.className = L"#32770";
    query.caption = caption;
    HWND window = nullptr;
    WaitFor([&] { return (window = FindTopWindow(query)) != nullptr; }, timeoutMs, 1);
    return window;
}

struct Figures {
    double startupMs = 0;
    unsigned long long privateBytes = 0, workingSet = 0;
};

bool Measure(const wchar_t* program, const wchar_t* caption, int runs, Figures& figures)
{
    std::vector<double> times;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    for (int run = 0; run < runs; ++run) {
        std::wstring commandLine = L"\"" + std::wstring(program) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        Child child;
        const double start = NowMs();
        if (!CreateProcessW(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &child.info))
            return false;
        // Idle means the first paint is done: WM_PAINT comes only once the queue is empty.
        HWND dialog = WaitForVisibleDialog(caption, child.info.dwProcessId, 20000);
        WaitForInputIdle(child.info.hProcess, 20000);
        if (!dialog)
            return false;
        times.push_back(NowMs() - start);
        if (run + 1 < runs)
            continue;
        // Show every page once, as a user touring the tabs would; a plain dialog has none.
        for (int page = 0; page < 32; ++page) {
            DWORD_PTR shown = 0;
            if (!SendMessageTimeoutW(dialog, PSM_SETCURSEL, page, 0, SMTO_ABORTIFHUNG, 5000, &shown) || !shown)
                break;
        }
        WaitForInputIdle(child.info.hProcess, 20000);
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(child.info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    }
    std::sort(times.begin(), times.end());
    figures.startupMs = times[times.size() / 2];
    // Wine leaves PrivateUsage at 0 for another process; PagefileUsage is the
    // same commit charge on Windows and Wine fills it in.
    figures.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    figures.workingSet = memory.WorkingSetSize;
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: startup_probe runs program.exe caption [program.exe caption]...\n");
        return 2;
    }
    const int runs = _wtoi(argv[1]);
    for (int i = 2; i + 1 < argc; i += 2) {
        Figures figures;
        if (!Measure(argv[i], argv[i + 1], runs, figures)) {
            std::fprintf(stderr, "cannot start %ls or it shows no window\n", argv[i]);
            return 1;
        }
        std::printf("%ls startup_ms %.1f private_bytes %llu working_set %llu\n", argv[i + 1], figures.startupMs,
                    figures.privateBytes, figures.workingSet);
    }
    return 0;
}
