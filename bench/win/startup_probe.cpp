// Starts programs several times each and measures, from outside: the time
// from process start to the first painted dialog, and the private bytes and
// working set after every tab of a property sheet has been shown.
//   startup_probe <runs> <program.exe> <caption> [<program.exe> <caption>]...
// Prints one line per program, named by its file name, with the medians and
// the fastest start.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/clock.h"
#include "tests/support/platform.h"
#include "tests/support/program_windows.h"
#include "tests/support/saved_setting.h"
#include "tests/support/text.h"

namespace {

struct Sample {
    double startupMs = 0;
    double privateBytes = 0, workingSet = 0;
};

bool MeasureOnce(const wchar_t* program, const wchar_t* caption, Sample& sample)
{
    ChildProcess child;
    const double start = NowMs();
    if (!child.Start(program))
        return false;
    // Idle means the first paint is done: WM_PAINT comes only once the queue is empty.
    HWND dialog = child.WaitForWindow(DialogTitled(caption), 20000, 1);
    WaitForInputIdle(child.Handle(), 20000);
    if (!dialog)
        return false;
    sample.startupMs = NowMs() - start;
    // Show every page once, as a user touring the tabs would; a plain dialog has none.
    for (int page = 0; page < 32; ++page) {
        LRESULT shown = 0;
        if (!SendWithTimeout(dialog, PSM_SETCURSEL, page, 0, &shown) || !shown)
            break;
    }
    WaitForInputIdle(child.Handle(), 20000);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(child.Handle(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    // Wine leaves PrivateUsage at 0 for another process; PagefileUsage is the
    // same commit charge on Windows and Wine fills it in.
    sample.privateBytes = static_cast<double>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
    sample.workingSet = static_cast<double>(memory.WorkingSetSize);
    return true;
}

// Two programs may show the same caption; their file names tell them apart.
std::wstring FileName(const std::wstring& path)
{
    return path.substr(path.find_last_of(L"\\/") + 1);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    StartTestProgram("startup_probe");
    if (argc < 4 || argc % 2 != 0 || _wtoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: startup_probe runs program.exe caption [program.exe caption]...\n");
        return 2;
    }
    const SavedSetting usersOwn;  // the programs read the user's store; it is left as found
    const int runs = _wtoi(argv[1]);
    const int programs = (argc - 2) / 2;
    std::vector<std::vector<Sample>> samples(static_cast<size_t>(programs));
    // Round by round, every program once, so that a busy moment of the
    // machine falls on all of them alike and their ratios stay fair; each
    // round starts with another program, so none keeps its place in the
    // round. The first round only brings Wine's and the programs' files
    // into memory.
    for (int run = -1; run < runs; ++run) {
        for (int turn = 0; turn < programs; ++turn) {
            const int p = (turn + run + 1) % programs;
            Sample sample;
            if (!MeasureOnce(argv[2 + 2 * p], argv[3 + 2 * p], sample)) {
                std::fprintf(stderr, "cannot start %ls or it shows no window\n", argv[2 + 2 * p]);
                return 1;
            }
            if (run >= 0)
                samples[static_cast<size_t>(p)].push_back(sample);
        }
    }
    for (int p = 0; p < programs; ++p) {
        std::vector<double> startupMs, privateBytes, workingSet;
        for (const Sample& sample : samples[static_cast<size_t>(p)]) {
            startupMs.push_back(sample.startupMs);
            privateBytes.push_back(sample.privateBytes);
            workingSet.push_back(sample.workingSet);
        }
        // On a busy machine the fastest start is the one least slowed by others.
        std::printf("%ls startup_ms %.1f startup_fastest_ms %.1f private_bytes %.0f working_set %.0f\n",
                    FileName(argv[2 + 2 * p]).c_str(), Median(startupMs),
                    *std::min_element(startupMs.begin(), startupMs.end()), Median(privateBytes), Median(workingSet));
    }
    return 0;
}
