#include "tests/support/text.h"

#include <commctrl.h>

#include <vector>

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result, UINT timeoutMs)
{
    DWORD_PTR answer = 0;
    const bool answered =
        SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &answer) != 0;
    if (result)
        *result = answered ? static_cast<LRESULT>(answer) : 0;
    return answered;
}

std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

std::string Narrow(const std::wstring& utf16)
{
    if (utf16.empty())
        return std::string();
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), n, nullptr, nullptr);
    return out;
}

bool ReadText(HWND window, std::wstring& text, UINT timeoutMs)
{
    // One message for the usual short text; the length first only for a long one.
    std::vector<wchar_t> buffer(512, L'\0');
    LRESULT copied = 0;
    if (!window ||
        !SendWithTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied,
                         timeoutMs) ||
        copied < 0)
        return false;
    if (static_cast<size_t>(copied) + 1 >= buffer.size()) {
        LRESULT length = 0;
        if (!SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length, timeoutMs) || length < 0)
            return false;
        buffer.assign(static_cast<size_t>(length) + 2, L'\0');
        if (!SendWithTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), &copied,
                             timeoutMs) ||
            copied < 0)
            return false;
    }
    text.assign(buffer.data(), static_cast<size_t>(copied));
    return true;
}

std::wstring TextOf(HWND window)
{
    std::wstring text;
    return ReadText(window, text) ? text : std::wstring();
}

bool ReadItemText(HWND list, int position, std::wstring& text, UINT timeoutMs)
{
    LRESULT length = 0;
    if (!list || !SendWithTimeout(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0, &length, timeoutMs) ||
        length < 0)
        return false;
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    LRESULT copied = 0;
    if (!SendWithTimeout(list, CB_GETLBTEXT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(buffer.data()),
                         &copied, timeoutMs) ||
        copied < 0)
        return false;
    text.assign(buffer.data(), static_cast<size_t>(copied));
    return true;
}

std::wstring ItemTextOf(HWND list, int position)
{
    std::wstring text;
    return ReadItemText(list, position, text) ? text : std::wstring();
}

std::vector<std::wstring> TabTitlesOf(HWND tabs)
{
    std::vector<std::wstring> titles;
    const LRESULT count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t title[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        titles.push_back(title);
    }
    return titles;
}

TextSelection SelectionOf(HWND field)
{
    TextSelection selection;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start),
                 reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

bool Select(HWND page, int listId, int position, UINT timeoutMs)
{
    HWND list = GetDlgItem(page, listId);
    return list && SendWithTimeout(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0, nullptr, timeoutMs) &&
           SendWithTimeout(page, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list), nullptr,
                           timeoutMs);
}
