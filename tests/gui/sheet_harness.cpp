#include "tests/gui/sheet_harness.h"

#include "tests/gui/modal_probe.h"

#include <commctrl.h>
#include <prsht.h>


#include "framework/string_utf8.h"
#include "pages/precision_setting.h"
#include "shell/units_app.h"
#include "units/units.h"

namespace {

struct Run {
    DWORD uiThread;
    const std::function<void(const Sheet&)>* body;
    bool sheetFound = false;
};

bool IsSheet(HWND window)
{
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    return IsWindowVisible(window) && !GetWindow(window, GW_OWNER) && std::wstring(caption) == L"Jednotar jednotek";
}

HWND FindSheet(DWORD uiThread)
{
    HWND found = nullptr;
    EnumThreadWindows(
        uiThread,
        [](HWND window, LPARAM out) {
            if (!IsSheet(window))
                return TRUE;
            *reinterpret_cast<HWND*>(out) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void DismissOwnedWindows(DWORD uiThread, HWND sheet)
{
    EnumThreadWindows(
        uiThread,
        [](HWND window, LPARAM owner) {
            if (GetWindow(window, GW_OWNER) == reinterpret_cast<HWND>(owner))
                PostMessageW(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(sheet));
}

DWORD WINAPI Drive(void* parameter)
{
    Run& run = *static_cast<Run*>(parameter);
    Sheet sheet;
    run.sheetFound = WaitFor([&] { return (sheet.window = FindSheet(run.uiThread)) != nullptr; }, 15000);
    if (!run.sheetFound)
        return 0;
    // The start page lists its units on its first paint; give it the time a
    // user would wait.
    HWND fromList = Item(sheet.CurrentPage(), 1002);
    WaitFor([&] { return SendMessageW(fromList, CB_GETCOUNT, 0, 0) > 0; }, 5000);

    (*run.body)(sheet);

    for (int attempt = 0; attempt < 50 && IsWindow(sheet.window); ++attempt) {
        DismissOwnedWindows(run.uiThread, sheet.window);
        PostMessageW(sheet.window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        Sleep(100);
    }
    return 0;
}

}  // namespace

HWND Sheet::ShowPage(int index) const
{
    SendMessageW(window, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
    return CurrentPage();
}

HWND Sheet::CurrentPage() const
{
    return reinterpret_cast<HWND>(SendMessageW(window, PSM_GETCURRENTPAGEHWND, 0, 0));
}

bool RunSheet(const std::function<void(const Sheet&)>& body)
{
    g_unitCount = 0;
    g_precision = 0;
    Run run{GetCurrentThreadId(), &body};
    HANDLE worker = CreateThread(nullptr, 0, &Drive, &run, 0, nullptr);
    theApp.InitInstance();
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
    return run.sheetFound;
}

std::wstring TextOf(HWND window)
{
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

HWND Item(HWND page, int id) { return GetDlgItem(page, id); }

void Type(HWND field, const std::wstring& keys)
{
    for (wchar_t key : keys)
        SendMessageW(field, WM_CHAR, key, 1);
}

void PressKey(HWND field, UINT virtualKey)
{
    SendMessageW(field, WM_KEYDOWN, virtualKey, 1);
    SendMessageW(field, WM_KEYUP, virtualKey, 0xC0000001);
}

void SelectPosition(HWND page, int listId, int position)
{
    HWND list = GetDlgItem(page, listId);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

int PositionOfUnit(HWND list, int category, const char* abbreviation)
{
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int position = 0; position < count; ++position) {
        const int row = static_cast<int>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(position), 0));
        if (row >= 0 && row < kTableRows && g_units[row].category == category &&
            std::string(g_units[row].abbreviation) == abbreviation)
            return position;
    }
    return -1;
}

bool PutOnClipboard(const std::wstring& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (memory) {
        memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

HWND WaitForOwnedWindow(HWND owner, DWORD timeoutMs)
{
    return WaitForWindow(UiThreadOf(owner), owner, nullptr, timeoutMs);
}

std::wstring Wide(const char* utf8) { return Utf8ToWide(utf8); }
std::string Utf8Of(const std::wstring& text) { return WideToUtf8(text); }
