#include "tests/support/windows_found.h"

#include <string>

#include "tests/support/text.h"
#include "tests/support/wait.h"

namespace {

struct Search {
    const WindowQuery* query;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM state)
{
    Search& search = *reinterpret_cast<Search*>(state);
    const WindowQuery& q = *search.query;
    if (q.visibleOnly && !IsWindowVisible(window))
        return TRUE;
    if (!q.thread && q.process) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != q.process)
            return TRUE;
    }
    if (!q.anyOwner && GetWindow(window, GW_OWNER) != q.owner)
        return TRUE;
    if (q.className && ClassOf(window) != q.className)
        return TRUE;
    if (q.caption && CaptionOf(window) != q.caption)
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring CaptionOf(HWND window)
{
    // GetWindowTextW sends WM_GETTEXT to a window of this process, and waits
    // for as long as its thread is busy.
    wchar_t caption[256] = {};
    const int length = InternalGetWindowText(window, caption, 256);
    return std::wstring(caption, length > 0 ? static_cast<size_t>(length) : 0);
}

DWORD UiThreadOf(HWND window)
{
    return GetWindowThreadProcessId(window, nullptr);
}

HWND FocusIn(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(UiThreadOf(window), &info) ? info.hwndFocus : nullptr;
}

HWND FindTopWindow(const WindowQuery& query)
{
    Search search{&query, nullptr};
    if (query.thread)
        EnumThreadWindows(query.thread, &Match, reinterpret_cast<LPARAM>(&search));
    else
        EnumWindows(&Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(const WindowQuery& query, DWORD timeoutMs)
{
    const WaitingFor appearing(query.caption ? "a window \"" + Narrow(query.caption) + "\" to appear"
                                             : std::string("a window to appear"));
    HWND found = nullptr;
    WaitFor([&] { return (found = FindTopWindow(query)) != nullptr; }, timeoutMs);
    return found;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs)
{
    const WaitingFor going("the window \"" + Narrow(CaptionOf(window)) + "\" to go");
    return WaitFor([&] { return !IsWindow(window); }, timeoutMs, 5);
}
