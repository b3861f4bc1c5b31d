// Keystroke latency inside the program: runs the real converter sheet and,
// on its own UI thread, types a thousand characters into the length page's
// value field, timing each from the character reaching the field to the
// result field holding the new result. Prints the median and 99th percentile,
// and the same for two floors that type with no conversion: Wine's edit
// controls in a plain window, and the value field of the converter's own
// window shown with none of its code (bench/win/sheet_floor.h). The three
// take turns in short blocks, so a busy machine slows them alike.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/win/sheet_floor.h"
#include "res/resource.h"
#include "shell/units_app.h"
#include "tests/support/clock.h"
#include "tests/support/platform.h"
#include "tests/support/program_windows.h"
#include "tests/support/text.h"
#include "tests/support/user_registry.h"
#include "tests/support/windows_found.h"

namespace {

constexpr int kKeystrokes = 1000;
constexpr int kBlock = 50;  // even, so each block ends on a backspace

// A field typed into, with the field that shows its result.
struct Target {
    HWND value = nullptr, result = nullptr;
    bool converts = false;  // the converter's own page; the floors convert nothing
    std::vector<double> latenciesMs;
};
Target g_program, g_plainFloor, g_sheetFloor;
int g_failures = 0;
HWND g_programSheet = nullptr, g_plainWindow = nullptr;

// What the converter does for keystroke `i`, or a floor with no conversion at
// all: the character into one field, the rewritten value back into it and a
// result text into a second field. Alternately a digit at the caret and a
// backspace, so the value stays short.
void Keystroke(Target& target, int i)
{
    const wchar_t key = (i % 2 == 0) ? static_cast<wchar_t>(L'1' + (i / 2) % 9) : L'\b';
    if (target.converts) {
        const std::wstring before = TextOf(target.result);
        const double start = NowMs();
        SendMessageW(target.value, WM_CHAR, key, 1);
        target.latenciesMs.push_back(NowMs() - start);
        if (TextOf(target.result) == before && i > 0)
            ++g_failures;
        return;
    }
    const double start = NowMs();
    SendMessageW(target.value, WM_CHAR, key, 1);
    SetWindowTextW(target.value, (i % 2 == 0) ? L"1.00000 m" : L"0.00000 m");
    SetWindowTextW(target.result, (i % 2 == 0) ? L"0.00100 km" : L"0.00000 km");
    target.latenciesMs.push_back(NowMs() - start);
}

HWND PageField(HWND sheet, int id)
{
    return GetDlgItem(reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)), id);
}

// Runs from the sheet floor's modal loop once it is idle, with the
// converter's sheet and the plain window still open behind it.
void CALLBACK MeasureAll(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND floorSheet = FindWindowExW(nullptr, nullptr, kDialogClass, kSheetCaption);
    if (floorSheet == g_programSheet)
        floorSheet = FindWindowExW(nullptr, floorSheet, kDialogClass, kSheetCaption);
    g_sheetFloor.value = PageField(floorSheet, IDC_VALUE);
    g_sheetFloor.result = PageField(floorSheet, IDC_RESULT);
    Target* const targets[] = {&g_program, &g_plainFloor, &g_sheetFloor};
    for (const Target* target : targets)
        if (!target->value || !target->result) {
            PostMessageW(floorSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
            return;
        }
    for (int first = 0; first < kKeystrokes; first += kBlock) {
        for (Target* target : targets) {
            SetFocus(target->value);  // untimed: the typed field has the focus, as a user's has
            for (int i = first; i < first + kBlock && i < kKeystrokes; ++i)
                Keystroke(*target, i);
        }
    }
    PostMessageW(floorSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

// Runs on the UI thread, from the converter sheet's own modal loop, once it
// is idle: opens the two floors and, when the sheet floor is idle, measures.
void CALLBACK OpenFloors(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    WindowQuery query;
    query.thread = GetCurrentThreadId();
    query.caption = kSheetCaption;
    query.visibleOnly = false;
    g_programSheet = FindTopWindow(query);
    HWND page = reinterpret_cast<HWND>(SendMessageW(g_programSheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    Select(page, IDC_FROM_UNIT, 0);  // metre
    Select(page, IDC_TO_UNIT, 1);    // kilometre
    g_program.value = GetDlgItem(page, IDC_VALUE);
    g_program.result = GetDlgItem(page, IDC_RESULT);
    g_program.converts = true;

    // The plain floor: Wine's edit controls in a plain window.
    g_plainWindow = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 120, nullptr,
                                    nullptr, nullptr, nullptr);
    g_plainFloor.value = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 10,
                                         200, 24, g_plainWindow, nullptr, nullptr, nullptr);
    g_plainFloor.result = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_READONLY, 10, 40, 200,
                                          24, g_plainWindow, nullptr, nullptr, nullptr);

    SetTimer(nullptr, 0, 1500, &MeasureAll);
    ShowSheetFloor(GetModuleHandleW(nullptr));
    DestroyWindow(g_plainWindow);
    PostMessageW(g_programSheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

double Percentile(std::vector<double> samples, int percent)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() * static_cast<size_t>(percent) / 100];
}

}  // namespace

int main()
{
    StartTestProgram("keystroke_latency");
    // The sheet runs in this process: its settings go to a key of the run's.
    const PrivateUserRegistry registry(L"keystroke_latency");
    if (!registry.Active())
        return 1;
    SetTimer(nullptr, 0, 1500, &OpenFloors);
    theApp.InitInstance();
    for (const Target* target : {&g_program, &g_plainFloor, &g_sheetFloor})
        if (target->latenciesMs.size() != kKeystrokes) {
            std::printf("keystroke_latency: the sheet or a floor did not come up\n");
            return 1;
        }
    std::printf("keystroke_median_ms %.4f\nkeystroke_p99_ms %.4f\nkeystrokes_without_new_result %d\n"
                "floor_median_ms %.4f\nfloor_p99_ms %.4f\nsheet_floor_median_ms %.4f\nsheet_floor_p99_ms %.4f\n",
                Percentile(g_program.latenciesMs, 50), Percentile(g_program.latenciesMs, 99), g_failures,
                Percentile(g_plainFloor.latenciesMs, 50), Percentile(g_plainFloor.latenciesMs, 99),
                Percentile(g_sheetFloor.latenciesMs, 50), Percentile(g_sheetFloor.latenciesMs, 99));
    return g_failures == 0 ? 0 : 1;
}
