// The running converter, seen and driven from another process: only window
// messages, posted keystrokes and what the window system tells any process.
// Every wait is bounded; a message that gets no answer in time marks the
// program as lost, and everything after that fails fast instead of hanging.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/support/child_process.h"

// Control ids of a conversion page and of the precision dialog.
enum : int {
    kValueField = 1000,
    kResultField = 1001,
    kFromList = 1002,
    kToList = 1003,
    kPrecisionField = 1005,
};

// Not copied: it holds the process (ChildProcess) and memory in it.
class Target {
public:
    ~Target();

    // Starts the program and waits for its sheet. On failure `error` says why.
    bool Start(const std::wstring& exe, std::string& error);
    // Forgets the process without ending it (the demo leaves it running).
    void Detach();
    // Ends a process that would not close (only the one this object started).
    void Kill();
    // True once the process has ended, waiting up to `ms`.
    bool WaitExit(DWORD ms);

    bool Alive() const { return child_.Handle() != nullptr && !lost_; }
    const std::string& LostReason() const { return lostReason_; }
    HWND Sheet() const { return sheet_; }

    // SendMessageTimeout; false (and the program lost) when it does not answer.
    bool Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
    bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    std::string Text(HWND hwnd);  // WM_GETTEXT, UTF-8

    // The sheet's tabs.
    HWND TabControl();
    int TabCount() { return Number(TabControl(), TCM_GETITEMCOUNT, -1); }
    int CurrentTab() { return Number(TabControl(), TCM_GETCURSEL, -1); }
    std::string TabTitle(int index);  // TCM_GETITEMW through memory in the program
    bool SelectTab(int index);
    HWND CurrentPage();

    // A unit list.
    int ListCount(HWND list) { return Number(list, CB_GETCOUNT, -1); }
    std::string ListText(HWND list, int pos);
    LRESULT ListData(HWND list, int pos);
    int ListSelection(HWND list) { return Number(list, CB_GETCURSEL, -2); }
    // CB_SETCURSEL, then the CBN_SELCHANGE that the list sends on a user's pick.
    bool Pick(HWND page, HWND list, int pos);

    // One keystroke that makes a character: WM_CHAR posted to the field,
    // returning once the program has handled it and everything it caused.
    bool TypeChar(HWND field, wchar_t c);
    // Selects the whole text of a field (EM_SETSEL) and erases it with Backspace.
    bool ClearField(HWND field);
    // Escape pressed in the window that has the keyboard focus (or in `fallback`).
    bool PressEscape(HWND fallback);
    // A click on a button (BM_CLICK, posted: the click may end a modal loop).
    bool Click(HWND button);
    // Waits until every message sent or posted so far to `hwnd` has been handled.
    bool Sync(HWND hwnd);

    // A visible top-level dialog of the program with this caption, waiting
    // up to `ms` for it to appear.
    HWND FindDialog(const wchar_t* caption, DWORD ms);

private:
    // The answer to a message that asks `window` for a number, or `failed`
    // when there is no window or no answer.
    int Number(HWND window, UINT msg, int failed);
    void Lose(const std::string& why);
    // `answered`, passed on; when false, the program is lost unless there was
    // no window to ask or it was lost already (see NoAnswer).
    bool Answered(HWND hwnd, UINT msg, bool answered);
    // After a message to `hwnd` got no answer: the program is lost, unless
    // the window is simply gone (the caller's finding).
    void NoAnswer(HWND hwnd, UINT msg);

    ChildProcess child_;
    HWND sheet_ = nullptr;
    bool lost_ = false;
    std::string lostReason_;
    void* remote_ = nullptr;  // a page of memory in the program for TCM_GETITEMW
};
