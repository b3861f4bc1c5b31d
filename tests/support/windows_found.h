// Finding top-level windows of a thread or a process, and the focus in a
// thread, from any thread of any process: the test's own UI thread, or the
// program the driver started.
#pragma once

#include <windows.h>

#include <string>

struct WindowQuery {
    DWORD thread = 0;                    // windows of this thread, or
    DWORD process = 0;                   // of this process (used when thread is 0)
    bool anyOwner = true;                // false: only windows owned by `owner`
    HWND owner = nullptr;                // null with anyOwner false: unowned windows
    const wchar_t* className = nullptr;  // null: any class
    const wchar_t* caption = nullptr;    // null: any caption
    bool visibleOnly = true;
};

// The window's class name (GetClassNameW, no message: any thread, any process).
std::wstring ClassOf(HWND window);

// The window's caption, read without a message: its thread may be busy.
std::wstring CaptionOf(HWND window);

// The thread that runs `window`.
DWORD UiThreadOf(HWND window);
// The window that has the keyboard focus in `window`'s thread; null when none has.
HWND FocusIn(HWND window);

// The first window that fits, or null; looks once.
HWND FindTopWindow(const WindowQuery& query);
// Polls FindTopWindow until a window fits; null after the timeout. The one
// wait for a window that the tests have.
HWND WaitForTopWindow(const WindowQuery& query, DWORD timeoutMs = 10000);
// Polls until `window` is destroyed; false after the timeout.
bool WaitUntilGone(HWND window, DWORD timeoutMs = 10000);
