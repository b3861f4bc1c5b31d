// Finding, reading and closing the program's modal windows (dialogs and
// message boxes) from a thread other than the one running them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

DWORD UiThreadOf(HWND window);
// A visible top-level window of `uiThread`, owned by `owner` and, when
// `caption` is given, titled so; null after the timeout.
HWND WaitForWindow(DWORD uiThread, HWND owner, const wchar_t* caption, DWORD timeoutMs = 5000);
// The dialog that a system command of the sheet opens, or null.
HWND OpenBySystemCommand(HWND sheet, UINT command, const wchar_t* caption);
bool WaitUntilGone(HWND window, DWORD timeoutMs = 5000);
// Posts the command (a button press) and waits for the window to go.
bool CloseWith(HWND window, UINT command);
// A click on the dialog's button, as the user makes it (posted BM_CLICK).
void PressButton(HWND dialog, int id);
// Returns once `window`'s thread has finished what it was doing and is
// back in its message loop.
void Sync(HWND window);
// The window that has the keyboard focus in `window`'s thread.
HWND FocusIn(HWND window);

struct MessageBoxSeen {
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;  // the visible ones
    bool exclamation = false;
};
MessageBoxSeen ReadMessageBox(HWND box);

// The precision value in the registry; nullopt when there is none.
std::optional<DWORD> StoredPrecision();
void StorePrecision(DWORD value);
void ClearSettings();
