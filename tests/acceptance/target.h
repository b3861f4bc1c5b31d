// The running converter, seen and driven from another process: only window
// messages, posted keystrokes and what the window system tells any process.
// Every wait is bounded; a message that gets no answer in time marks the
// program as lost, and everything after that fails fast instead of hanging.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

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

// Not copied: it holds the process and memory in it.
class Target {
public:
    // Starts the program and waits for its sheet. On failure `error` says why.
    bool Start(const std::wstring& exe, std::string& error);
    // Forgets the process without ending it (the demo leaves it running).
    void Detach();
    void Kill() { child_.End(); }
    bool WaitExit(DWORD ms) { return child_.WaitExit(ms); }

    bool Alive() const { return child_.Handle() != nullptr && lostReason_.empty(); }
    const std::string& LostReason() const { return lostReason_; }
    HWND Sheet() const { return sheet_; }

    // SendMessageTimeout; false (and the program lost) when it does not answer.
    bool Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
    bool Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Waits until every message sent or posted so far to `hwnd` has been handled.
    bool Sync(HWND hwnd) { return Send(hwnd, WM_NULL, 0, 0); }

    std::string Text(HWND hwnd);  // WM_GETTEXT, UTF-8

    HWND TabControl() { return reinterpret_cast<HWND>(Answer(sheet_, PSM_GETTABCONTROL, 0, 0)); }
    int TabCount() { return static_cast<int>(Answer(TabControl(), TCM_GETITEMCOUNT, 0, -1)); }
    int CurrentTab() { return static_cast<int>(Answer(TabControl(), TCM_GETCURSEL, 0, -1)); }
    std::string TabTitle(int index);  // TCM_GETITEMW through memory in the program
    bool SelectTab(int index) { return Answer(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0; }
    HWND CurrentPage() { return reinterpret_cast<HWND>(Answer(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0)); }

    int ListCount(HWND list) { return static_cast<int>(Answer(list, CB_GETCOUNT, 0, -1)); }
    std::string ListText(HWND list, int pos);
    LRESULT ListData(HWND list, int pos) { return Answer(list, CB_GETITEMDATA, static_cast<WPARAM>(pos), CB_ERR); }
    int ListSelection(HWND list) { return static_cast<int>(Answer(list, CB_GETCURSEL, 0, -2)); }
    // CB_SETCURSEL, then the CBN_SELCHANGE that the list sends on a user's pick.
    bool Pick(HWND page, HWND list, int pos);

    // One keystroke that makes a character: WM_CHAR posted to the field,
    // returning once the program has handled it and everything it caused.
    bool TypeChar(HWND field, wchar_t c);
    // Selects the whole text of a field (EM_SETSEL) and erases it with Backspace.
    bool ClearField(HWND field) { return Send(field, EM_SETSEL, 0, -1) && TypeChar(field, L'\b'); }
    // Escape pressed where the keyboard focus is, once it is inside `window`
    // (a top-level window of the program); false, with `why`, when the
    // focus does not come there or the key cannot be posted.
    bool PressEscape(HWND window, std::string& why);
    // A click on a button (BM_CLICK, posted: the click may end a modal loop).
    bool Click(HWND button) { return button && Post(button, BM_CLICK, 0, 0); }

    // A visible top-level dialog of the program with this caption, waiting
    // up to `ms` for it to appear.
    HWND FindDialog(const wchar_t* caption, DWORD ms);

private:
    // The answer to a message that asks `window` for a number, or `failed`
    // when there is no window or no answer.
    LRESULT Answer(HWND window, UINT msg, WPARAM wParam, LRESULT failed);
    // `ask()`, which sends `msg` to `hwnd`, when there is a window and the
    // program is alive; a false answer loses the program (see NoAnswer).
    template <typename Ask>
    bool Asked(HWND hwnd, UINT msg, Ask ask)
    {
        if (!hwnd || !Alive())
            return false;
        if (ask())
            return true;
        NoAnswer(hwnd, msg);
        return false;
    }
    // After a message to `hwnd` got no answer: the program is lost, unless
    // the window is simply gone (the caller's finding).
    void NoAnswer(HWND hwnd, UINT msg);
    void Lose(const std::string& why);

    ChildProcess child_;
    HWND sheet_ = nullptr;
    std::string lostReason_;  // empty while the program answers
    void* remote_ = nullptr;  // memory in the program for TCM_GETITEMW
};
