// Starts a program several times and measures, from outside: the time from
// process start to its first painted dialog, and its private bytes and
// working set after every tab of a property sheet has been shown.
//   startup_probe <program.exe> <caption> <runs>
// Prints "startup_ms <median>", "private_bytes <n>", "working_set <n>".
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Child {
    PROCESS_INFORMATION info{};
    ~Child()
    {
        if (!info.hProcess) return;
        TerminateProcess(info.hProcess, 0);
        WaitForSingleObject(info.hProcess, 5000);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
};

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

HWND WaitForVisibleDialog(const wchar_t* caption, DWORD processId, double deadline)
{
    while (Now() < deadline) {
        HWND window = FindWindowW(L"#32770", caption);
        DWORD owner = 0;
        if (window) GetWindowThreadProcessId(window, &owner);
        if (window && owner == processId && IsWindowVisible(window)) return window;
        Sleep(1);
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_probe program.exe caption runs\n");
        return 2;
    }
    const int runs = _wtoi(argv[3]);
    std::vector<double> times;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    for (int run = 0; run < runs; ++run) {
        std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        Child child;
        const double start = Now();
        if (!CreateProcessW(argv[1], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child.info)) {
            std::fprintf(stderr, "cannot start the program\n");
            return 1;
        }
        // Idle means the first paint is done: WM_PAINT comes only once the queue is empty.
        HWND dialog = WaitForVisibleDialog(argv[2], child.info.dwProcessId, start + 20000);
        WaitForInputIdle(child.info.hProcess, 20000);
        if (!dialog) {
            std::fprintf(stderr, "no window\n");
            return 1;
        }
        times.push_back(Now() - start);
        if (run + 1 == runs) {
            // Show every page once, as a user touring the tabs would.
            for (int page = 0; page < 32; ++page) {
                DWORD_PTR ignored;
                if (!SendMessageTimeoutW(dialog, PSM_SETCURSEL, page, 0, SMTO_ABORTIFHUNG, 5000, &ignored) || !ignored) break;
            }
            WaitForInputIdle(child.info.hProcess, 20000);
            memory.cb = sizeof memory;
            GetProcessMemoryInfo(child.info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
        }
    }
    std::sort(times.begin(), times.end());
    // Wine leaves PrivateUsage at 0 for another process; PagefileUsage is the
    // same commit charge on Windows and Wine fills it in.
    const SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    std::printf("startup_ms %.1f\nprivate_bytes %llu\nworking_set %llu\n", times[times.size() / 2],
                static_cast<unsigned long long>(privateBytes),
                static_cast<unsigned long long>(memory.WorkingSetSize));
    return 0;
}
