// Finding, reading and closing the program's modal windows (dialogs and
// message boxes) from a thread other than the one running them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/windows_found.h"  // UiThreadOf, FocusIn too

// The visible top-level windows of `uiThread` owned by `owner` (null: the
// unowned ones) and, when `caption` is given, titled so; for FindTopWindow
// and WaitForTopWindow.
WindowQuery OwnedBy(DWORD uiThread, HWND owner, const wchar_t* caption = nullptr);
// The same, of the thread that runs `owner`: a message box or dialog over it.
WindowQuery OwnedBy(HWND owner, const wchar_t* caption = nullptr);
// A window owned by `owner`, shown yet or not: for a check that none is
// there, made after Settle.
HWND AnyWindowOwnedBy(HWND owner);
// The dialog that a system command of the sheet opens, or null.
HWND OpenBySystemCommand(HWND sheet, UINT command, const wchar_t* caption);
// Posts the command (a button press) and waits for the window to go.
bool CloseWith(HWND window, UINT command);
// A click on the dialog's button, as the user makes it (posted BM_CLICK).
void PressButton(HWND dialog, int id);
// Returns once `window`'s thread has handled every message sent to it so
// far and is back in a message loop.
void Sync(HWND window);
// Returns once `window`'s thread has taken from its queue everything posted
// to it before the call, and so has handled it, or has opened the modal
// window that handling led to. False after the timeout.
bool Settle(HWND window, DWORD timeoutMs = 10000);

struct MessageBoxSeen {
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;  // the visible ones
    bool exclamation = false;
};
MessageBoxSeen ReadMessageBox(HWND box);

// A refused data exchange as the user meets it: `box`, over `dialog`, is
// the program's message box with `message`, an OK button and the
// exclamation icon; once it is closed the dialog is still open, the focus
// back in `field` and its whole text selected.
void ExpectRefusal(HWND box, HWND dialog, HWND field, const wchar_t* message);
