// Keystroke latency inside the program: runs the real converter sheet and,
// on its own UI thread, types a thousand characters into the length page's
// value field, timing each from the character reaching the field to the
// result field holding the new result. Prints the median and 99th percentile,
// and the same for the floor that Wine's edit control sets.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/units_app.h"
#include "tests/support/clock.h"
#include "tests/support/text.h"
#include "tests/support/windows_found.h"

namespace {

constexpr int kKeystrokes = 1000;
std::vector<double> g_latenciesMs, g_floorMs;
int g_failures = 0;

// Runs on the UI thread, from the sheet's own modal loop, once it is idle.
void CALLBACK Measure(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    WindowQuery query;
    query.thread = GetCurrentThreadId();
    query.caption = L"Jednotar jednotek";
    query.visibleOnly = false;
    HWND sheet = FindTopWindow(query);
    HWND page = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND value = GetDlgItem(page, IDC_VALUE), result = GetDlgItem(page, IDC_RESULT);
    Select(page, IDC_FROM_UNIT, 0);  // metre
    Select(page, IDC_TO_UNIT, 1);    // kilometre
    SetFocus(value);
    // Alternately a digit at the caret and a backspace, so the value stays short.
    for (int i = 0; i < kKeystrokes; ++i) {
        const wchar_t key = (i % 2 == 0) ? static_cast<wchar_t>(L'1' + (i / 2) % 9) : L'\b';
        const std::wstring before = TextOf(result);
        const double start = NowMs();
        SendMessageW(value, WM_CHAR, key, 1);
        const double elapsed = NowMs() - start;
        if (TextOf(result) == before && i > 0)
            ++g_failures;
        g_latenciesMs.push_back(elapsed);
    }
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

}  // namespace

// The floor: what any program must do for one keystroke with Wine's edit
// control, with no conversion at all: the character into one field, the
// rewritten value back into it and a result text into a second field.
void MeasureFloor()
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 120, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND value = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 200, 24,
                                 window, nullptr, nullptr, nullptr);
    HWND result = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY, 10, 40, 200, 24,
                                  window, nullptr, nullptr, nullptr);
    SetFocus(value);
    for (int i = 0; i < kKeystrokes; ++i) {
        const double start = NowMs();
        SendMessageW(value, WM_CHAR, (i % 2 == 0) ? L'1' : L'\b', 1);
        SetWindowTextW(value, (i % 2 == 0) ? L"1.00000 m" : L"0.00000 m");
        SetWindowTextW(result, (i % 2 == 0) ? L"0.00100 km" : L"0.00000 km");
        g_floorMs.push_back(NowMs() - start);
    }
    DestroyWindow(window);
}

double Percentile(std::vector<double> samples, int percent)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() * static_cast<size_t>(percent) / 100];
}

int main()
{
    SetTimer(nullptr, 0, 1500, &Measure);
    theApp.InitInstance();
    if (g_latenciesMs.size() != kKeystrokes) {
        std::printf("keystroke_latency: the sheet did not come up\n");
        return 1;
    }
    MeasureFloor();
    std::printf("keystroke_median_ms %.4f\nkeystroke_p99_ms %.4f\nkeystrokes_without_new_result %d\n"
                "floor_median_ms %.4f\nfloor_p99_ms %.4f\n",
                Percentile(g_latenciesMs, 50), Percentile(g_latenciesMs, 99), g_failures, Percentile(g_floorMs, 50),
                Percentile(g_floorMs, 99));
    return g_failures == 0 ? 0 : 1;
}
