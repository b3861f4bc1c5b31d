#include "target.h"

#include <cstddef>
#include <cstdio>
#include <iterator>

#include "tests/support/program_windows.h"
#include "tests/support/wait.h"
#include "text.h"

namespace {

const DWORD kStartMs = 20000;  // a first Wine start may be slow
const DWORD kSettleMs = 5000;  // longest wait for a posted keystroke

// TCM_GETITEMW's item and the title it points to, in the program's memory.
struct TabItem {
    TCITEMW item;
    wchar_t text[256];
};

}  // namespace

bool Target::Start(const std::wstring& exe, std::string& error)
{
    if (!child_.Start(exe)) {
        error = "cannot start " + Narrow(exe) + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    WaitForInputIdle(child_.Handle(), kStartMs);
    sheet_ = FindDialog(kSheetCaption, kStartMs);
    if (!sheet_) {
        error = WaitExit(0)
                    ? "the program ended without showing its window"
                    : "no window " + Quoted(Narrow(kSheetCaption)) + " of class " + Narrow(kDialogClass) + " appeared";
        Lose(error);
        Kill();
        return false;
    }
    // The process and this memory end together, unless it is detached.
    remote_ = VirtualAllocEx(child_.Handle(), nullptr, sizeof(TabItem), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    return true;
}

void Target::Detach()
{
    if (remote_)
        VirtualFreeEx(child_.Handle(), remote_, 0, MEM_RELEASE);
    remote_ = nullptr;
    child_.Release();
}

void Target::Lose(const std::string& why)
{
    if (lostReason_.empty())
        lostReason_ = why;
}

bool Target::Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return Asked(hwnd, msg, [&] { return SendWithTimeout(hwnd, msg, wParam, lParam, result); });
}

void Target::NoAnswer(HWND hwnd, UINT msg)
{
    const DWORD err = GetLastError();
    if (!IsWindow(hwnd) && !WaitExit(0))
        return;  // a window that is gone is the caller's finding, not a hang
    char what[128];
    std::snprintf(what, sizeof what, "the program did not answer message 0x%04X within %u ms (error %lu)", msg,
                  kAnswerMs, static_cast<unsigned long>(err));
    Lose(WaitExit(0) ? "the program has ended" : what);
}

bool Target::Post(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Alive() && PostMessageW(hwnd, msg, wParam, lParam) != 0;
}

LRESULT Target::Answer(HWND window, UINT msg, WPARAM wParam, LRESULT failed)
{
    LRESULT n = failed;
    return Send(window, msg, wParam, 0, &n) ? n : failed;
}

std::string Target::Text(HWND hwnd)
{
    std::wstring text;
    return Asked(hwnd, WM_GETTEXT, [&] { return ReadText(hwnd, text); }) ? Narrow(text) : std::string();
}

std::string Target::ListText(HWND list, int pos)
{
    std::wstring text;
    return Asked(list, CB_GETLBTEXT, [&] { return ReadItemText(list, pos, text); }) ? Narrow(text) : std::string();
}

bool Target::Pick(HWND page, HWND list, int pos)
{
    return page && Asked(list, CB_SETCURSEL, [&] { return Select(page, GetDlgCtrlID(list), pos); });
}

std::string Target::TabTitle(int index)
{
    HWND tab = TabControl();
    TabItem local{};
    local.item.mask = TCIF_TEXT;
    local.item.pszText = reinterpret_cast<LPWSTR>(static_cast<char*>(remote_) + offsetof(TabItem, text));
    local.item.cchTextMax = static_cast<int>(std::size(local.text));
    LRESULT ok = 0;
    // The control may answer with a pointer of its own instead of copying.
    if (!tab || !remote_ || !WriteProcessMemory(child_.Handle(), remote_, &local, sizeof local, nullptr) ||
        !Send(tab, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote_), &ok) || !ok ||
        !ReadProcessMemory(child_.Handle(), remote_, &local.item, sizeof local.item, nullptr) || !local.item.pszText ||
        !ReadProcessMemory(child_.Handle(), local.item.pszText, local.text, sizeof local.text - sizeof(wchar_t),
                           nullptr))
        return std::string();
    return Narrow(local.text);
}

bool Target::TypeChar(HWND field, wchar_t c)
{
    // A marker posted behind the keystroke: the field's text limit set to a
    // value of this keystroke's own, far above anything typed here. Posted
    // messages are handled in order, so once the field reports that limit,
    // the keystroke and the conversion it started (sent, not posted, from
    // inside it) are done. A flag the field sets by itself as it is typed
    // into would not tell this keystroke from the one before.
    static LPARAM marker = 0;
    marker = marker % 4096 + 1;
    const LPARAM limit = 0x7FFF0000 + marker;
    UINT scan = MapVirtualKeyW(VkKeyScanW(c) & 0xFF, MAPVK_VK_TO_VSC);
    if (!Post(field, WM_CHAR, c, 1 | (static_cast<LPARAM>(scan) << 16)) ||
        !Post(field, EM_SETLIMITTEXT, static_cast<WPARAM>(limit), 0))
        return false;
    bool answered = true;
    const bool handled = WaitFor(
        [&] {
            LRESULT current = 0;
            answered = Send(field, EM_GETLIMITTEXT, 0, 0, &current);
            return !answered || current == limit;
        },
        kSettleMs, 1);
    if (handled && answered)
        return true;
    if (answered)
        Lose("a keystroke was not handled within " + std::to_string(kSettleMs) + " ms");
    return false;
}

bool Target::PressEscape(HWND window, std::string& why)
{
    // A dialog just opened, or the sheet just given back the focus by a
    // dialog that closed, may not hold the focus yet; a key pressed before
    // then would go to the window that had it, or nowhere.
    HWND to = nullptr;
    const bool focused = WaitFor(
        [&] {
            to = FocusIn(window);
            return to && (to == window || IsChild(window, to));
        },
        kSettleMs, 1);
    if (!focused) {
        why = "the keyboard focus did not come into the window within " + std::to_string(kSettleMs) + " ms; it is in " +
              (to ? "a window of class " + Quoted(Narrow(ClassOf(to))) : std::string("none"));
        return false;
    }
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC)) << 16;
    if (!Post(to, WM_KEYDOWN, VK_ESCAPE, 1 | scan)) {
        why = "could not post Escape (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    // The key-down may have closed the window before the key-up is posted;
    // the key-up then has no window to go to, and that is no failure.
    return Post(to, WM_KEYUP, VK_ESCAPE, 1 | scan | 0xC0000000) || !IsWindow(to);
}

HWND Target::FindDialog(const wchar_t* caption, DWORD ms)
{
    return child_.WaitForWindow(DialogTitled(caption), ms);
}
