#include "target.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <vector>

#include "tests/support/program_windows.h"
#include "tests/support/wait.h"
#include "text.h"

namespace {

const DWORD kStartMs = 20000;  // a first Wine start may be slow
const DWORD kSettleMs = 5000;  // longest wait for a posted keystroke

}  // namespace

Target::~Target()
{
    if (remote_ && child_.Handle())
        VirtualFreeEx(child_.Handle(), remote_, 0, MEM_RELEASE);
}

bool Target::Start(const std::wstring& exe, std::string& error)
{
    if (!child_.Start(exe)) {
        error = "cannot start " + Narrow(exe) + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    lost_ = false;
    lostReason_.clear();
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
    remote_ = VirtualAllocEx(child_.Handle(), nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    return true;
}

void Target::Detach()
{
    if (remote_ && child_.Handle())
        VirtualFreeEx(child_.Handle(), remote_, 0, MEM_RELEASE);
    remote_ = nullptr;
    child_.Release();
}

void Target::Kill()
{
    child_.End();
}

bool Target::WaitExit(DWORD ms)
{
    return child_.WaitExit(ms);
}

void Target::Lose(const std::string& why)
{
    if (!lost_) {
        lost_ = true;
        lostReason_ = why;
    }
}

bool Target::Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    return Alive() && Answered(hwnd, msg, SendWithTimeout(hwnd, msg, wParam, lParam, result));
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

std::string Target::Text(HWND hwnd)
{
    std::wstring text;
    return Answered(hwnd, WM_GETTEXT, hwnd && Alive() && ReadText(hwnd, text)) ? Narrow(text) : std::string();
}

bool Target::Answered(HWND hwnd, UINT msg, bool answered)
{
    if (!answered && hwnd && Alive())
        NoAnswer(hwnd, msg);
    return answered;
}

HWND Target::TabControl()
{
    LRESULT tab = 0;
    Send(sheet_, PSM_GETTABCONTROL, 0, 0, &tab);
    return reinterpret_cast<HWND>(tab);
}

int Target::Number(HWND window, UINT msg, int failed)
{
    LRESULT n = failed;
    return window && Send(window, msg, 0, 0, &n) ? static_cast<int>(n) : failed;
}

std::string Target::TabTitle(int index)
{
    HWND tab = TabControl();
    if (!tab || !remote_)
        return std::string();
    // The item and its text buffer both live in the program's memory: the
    // tab control writes the title where the item points.
    const size_t textOffset = 256, textChars = 256;
    char* base = static_cast<char*>(remote_);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<LPWSTR>(base + textOffset);
    item.cchTextMax = static_cast<int>(textChars);
    std::vector<wchar_t> text(textChars, L'\0');
    SIZE_T done = 0;
    if (!WriteProcessMemory(child_.Handle(), remote_, &item, sizeof item, &done) ||
        !WriteProcessMemory(child_.Handle(), base + textOffset, text.data(), textChars * sizeof(wchar_t), &done))
        return std::string();
    LRESULT ok = 0;
    if (!Send(tab, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote_), &ok) || !ok)
        return std::string();
    // The control may answer with a pointer of its own instead of copying.
    if (!ReadProcessMemory(child_.Handle(), remote_, &item, sizeof item, &done) || !item.pszText)
        return std::string();
    if (!ReadProcessMemory(child_.Handle(), item.pszText, text.data(), (textChars - 1) * sizeof(wchar_t), &done))
        return std::string();
    text[textChars - 1] = L'\0';
    return Narrow(std::wstring(text.data()));
}

bool Target::SelectTab(int index)
{
    LRESULT ok = 0;
    return Send(sheet_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, &ok) && ok;
}

HWND Target::CurrentPage()
{
    LRESULT page = 0;
    Send(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0, &page);
    return reinterpret_cast<HWND>(page);
}

std::string Target::ListText(HWND list, int pos)
{
    std::wstring text;
    return Answered(list, CB_GETLBTEXT, list && Alive() && ReadItemText(list, pos, text)) ? Narrow(text)
                                                                                          : std::string();
}

LRESULT Target::ListData(HWND list, int pos)
{
    LRESULT data = CB_ERR;
    if (list)
        Send(list, CB_GETITEMDATA, static_cast<WPARAM>(pos), 0, &data);
    return data;
}

bool Target::Pick(HWND page, HWND list, int pos)
{
    return page && Answered(list, CB_SETCURSEL, list && Alive() && Select(page, GetDlgCtrlID(list), pos));
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

bool Target::ClearField(HWND field)
{
    return Send(field, EM_SETSEL, 0, -1) && TypeChar(field, L'\b');
}

bool Target::PressEscape(HWND fallback)
{
    HWND to = FocusIn(sheet_);
    if (!to)
        to = fallback;
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC)) << 16;
    return Post(to, WM_KEYDOWN, VK_ESCAPE, 1 | scan) && Post(to, WM_KEYUP, VK_ESCAPE, 1 | scan | 0xC0000000);
}

bool Target::Click(HWND button)
{
    return button && Post(button, BM_CLICK, 0, 0);
}

bool Target::Sync(HWND hwnd)
{
    return Send(hwnd, WM_NULL, 0, 0);
}

HWND Target::FindDialog(const wchar_t* caption, DWORD ms)
{
    return child_.WaitForWindow(DialogTitled(caption), ms);
}
