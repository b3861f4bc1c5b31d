#include "framework/window_placement.h"

namespace {

int Width(const RECT& r)
{
    return r.right - r.left;
}
int Height(const RECT& r)
{
    return r.bottom - r.top;
}

// The start that centres `length` on [low, high), then kept inside it; a
// window larger than the area keeps its top-left corner visible.
int CenteredStart(int centre, int length, int low, int high)
{
    int start = centre - length / 2;
    if (start + length > high)
        start = high - length;
    if (start < low)
        start = low;
    return start;
}

// The work area (the screen less the taskbar) of the monitor that holds
// most of `window`, or of the primary monitor.
RECT WorkAreaOf(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &info)) {
        RECT area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return area;
    }
    return info.rcWork;
}

}  // namespace

void CenterWindow(HWND window)
{
    HWND owner = GetWindow(window, GW_OWNER);
    const bool overOwner = owner && IsWindowVisible(owner) && !IsIconic(owner);
    // The owner's monitor decides, so a dialog opens on the screen of its window.
    const RECT area = WorkAreaOf(overOwner ? owner : window);
    RECT around = area;
    if (overOwner)
        GetWindowRect(owner, &around);
    RECT rect;
    GetWindowRect(window, &rect);
    const int x = CenteredStart((around.left + around.right) / 2, Width(rect), area.left, area.right);
    const int y = CenteredStart((around.top + around.bottom) / 2, Height(rect), area.top, area.bottom);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
