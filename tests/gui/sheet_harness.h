// Runs the program's real start-up (the sheet, modal, on this thread) while
// a test body drives the sheet from a worker thread with real messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct Sheet {
    HWND window = nullptr;

    // Selects tab `index` (PSM_SETCURSEL) and answers its page window.
    HWND ShowPage(int index) const;
    HWND CurrentPage() const;
};

// Resets the start-of-process state (no unit count, precision 0), runs
// CUnitsApp::InitInstance and, once the sheet is shown and its start page
// has listed its units, `body` on a worker thread. Afterwards every message
// box left open is dismissed and the sheet cancelled. Answers whether the
// sheet appeared at all.
bool RunSheet(const std::function<void(const Sheet&)>& body);

// Polls `condition` every 20 ms until it holds; false after the timeout.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(20);
    }
    return true;
}

// Helpers for the worker thread; all go through SendMessage.
std::wstring TextOf(HWND window);
HWND Item(HWND page, int id);
void Type(HWND field, const std::wstring& keys);      // WM_CHAR per character
void PressKey(HWND field, UINT virtualKey);           // WM_KEYDOWN + WM_KEYUP
void SelectPosition(HWND page, int listId, int position);  // as a user's pick: CB_SETCURSEL + CBN_SELCHANGE
// The list position whose item data is the table row with this abbreviation
// in `category`, -1 if none.
int PositionOfUnit(HWND list, int category, const char* abbreviation);
bool PutOnClipboard(const std::wstring& text);
// Waits for a top-level window of the UI thread owned by `owner` (a message
// box or a dialog); null after the timeout.
HWND WaitForOwnedWindow(HWND owner, DWORD timeoutMs = 5000);

std::wstring Wide(const char* utf8);
std::string Utf8Of(const std::wstring& text);
