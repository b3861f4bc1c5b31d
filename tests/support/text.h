// Texts of windows and controls, read and changed by messages, and the
// UTF-8 / UTF-16 conversions at the window system. Every message here is
// sent with a timeout, so a hung program fails the caller instead of
// stopping it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Longest wait for one message's answer.
constexpr UINT kAnswerMs = 5000;

// SendMessageTimeout that gives up on a hung window; false, and `result` 0,
// when the window does not answer in time.
bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr,
                     UINT timeoutMs = kAnswerMs);

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

// WM_GETTEXT of any length; false when the window does not answer in time.
bool ReadText(HWND window, std::wstring& text, UINT timeoutMs = kAnswerMs);
// The window's text; empty when it does not answer.
std::wstring TextOf(HWND window);

// The text of a combo box's item; false when the list does not answer in
// time or has no such item.
bool ReadItemText(HWND list, int position, std::wstring& text, UINT timeoutMs = kAnswerMs);
// The item's text; empty when there is none.
std::wstring ItemTextOf(HWND list, int position);

// The titles of a tab control's tabs, in order.
std::vector<std::wstring> TabTitlesOf(HWND tabs);

// The selection of an edit control (EM_GETSEL); `end` is the caret.
struct TextSelection {
    DWORD start = 0;
    DWORD end = 0;
};
TextSelection SelectionOf(HWND field);

// A user's pick in a combo box of `page`: CB_SETCURSEL, then the
// CBN_SELCHANGE that the list sends its parent. False when either message
// gets no answer in time.
bool Select(HWND page, int listId, int position, UINT timeoutMs = kAnswerMs);
