#include "framework/dpi.h"

#include "framework/gdi.h"

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// Looked up at run time, so the program still loads on Windows 7.
GetDpiForWindowFn SystemGetDpiForWindow()
{
    static const GetDpiForWindowFn function = [] {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        return user32 ? reinterpret_cast<GetDpiForWindowFn>(
                            reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")))
                      : nullptr;
    }();
    return function;
}

}  // namespace

UINT DpiOfWindow(HWND window)
{
    if (const GetDpiForWindowFn getDpi = SystemGetDpiForWindow()) {
        if (const UINT dpi = getDpi(window))
            return dpi;
    }
    return DpiOfWindowDc(window);
}

UINT DpiOfWindowDc(HWND window)
{
    const CClientDC dc(window);
    const int dpi = dc.m_hDC ? GetDeviceCaps(dc.m_hDC, LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

void TakeSuggestedRect(HWND window, LPARAM suggestedRect)
{
    const RECT& r = *reinterpret_cast<const RECT*>(suggestedRect);
    SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
