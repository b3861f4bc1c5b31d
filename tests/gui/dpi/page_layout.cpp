#include "tests/gui/dpi/page_layout.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <optional>
#include <string>

#include "pages/page_roster.h"
#include "tests/gui/dpi/display_scale.h"
#include "tests/gui/window_capture.h"
#include "tests/support/child_process.h"
#include "tests/support/platform.h"
#include "tests/support/wait.h"

RECT RectIn(HWND control, HWND window)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<ControlLayout> ControlsOf(HWND window, int page)
{
    std::vector<ControlLayout> controls;
    int index = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        controls.push_back({page, index++, RectIn(child, window), LogFontOf(FontOf(child)).lfHeight});
    }
    return controls;
}

std::vector<ControlLayout> LayoutOfPages(const Sheet& sheet)
{
    std::vector<ControlLayout> controls;
    for (int page = 0; page < static_cast<int>(kPageCount); ++page) {
        if (HWND window = reinterpret_cast<HWND>(SendMessageW(sheet.window, PSM_INDEXTOHWND, page, 0))) {
            const std::vector<ControlLayout> ofPage = ControlsOf(window, page);
            controls.insert(controls.end(), ofPage.begin(), ofPage.end());
        }
    }
    return controls;
}

int WriteFreshLayout(const char* path)
{
    std::vector<ControlLayout> controls;
    const bool ran = RunSheet([&](const Sheet& sheet) {
        for (int page = 0; page < static_cast<int>(kPageCount); ++page)
            sheet.ShowPage(page);
        controls = LayoutOfPages(sheet);
    });
    FILE* out = std::fopen(path, "w");
    if (!ran || !out)
        return 1;
    HDC screen = GetDC(nullptr);
    std::fprintf(out, "dpi %d\n", GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    for (const ControlLayout& c : controls)
        std::fprintf(out, "%d %d %ld %ld %ld %ld %ld\n", c.page, c.index, c.rect.left, c.rect.top, c.rect.right,
                     c.rect.bottom, c.fontHeight);
    return std::fclose(out) == 0 ? 0 : 1;
}

FreshLayout FreshLayoutAt(UINT dpi)
{
    FreshLayout fresh;
    const std::wstring output = NewTempPath(L"layout");
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    // Wine reads the scale once, as a process starts; it is put back once
    // the start has ended (or been ended).
    const std::optional<DWORD> before = LogPixels();
    SetLogPixels(dpi);
    {
        ChildProcess start;
        const WaitingFor ending("the fresh start at " + std::to_string(dpi) + " DPI to end");
        if (start.Start(program, Widen(kFreshLayoutSwitch) + L" \"" + output + L"\""))
            start.WaitExit(120000);
    }
    SetLogPixels(before);
    if (FILE* in = _wfopen(output.c_str(), L"r")) {
        std::fscanf(in, "dpi %u\n", &fresh.dpi);
        ControlLayout c;
        while (std::fscanf(in, "%d %d %ld %ld %ld %ld %ld\n", &c.page, &c.index, &c.rect.left, &c.rect.top,
                           &c.rect.right, &c.rect.bottom, &c.fontHeight) == 7)
            fresh.controls.push_back(c);
        std::fclose(in);
    }
    DeleteFileW(output.c_str());
    return fresh;
}
