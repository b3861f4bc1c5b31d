#include "target.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <vector>

#include "tests/support/wait.h"
#include "tests/support/windows_found.h"
#include "text.h"

namespace {

const DWORD kStartMs = 20000;  // a first Wine start may be slow
const DWORD kSettleMs = 5000;  // longest wait for a posted keystroke

}  // namespace

Target::~Target()
{
    if (remote_ && process_)
        VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    if (process_)
        CloseHandle(process_);
}

bool Target::Start(const std::wstring& exe, std::string& error)
{
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        error = "cannot start " + Narrow(exe) + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    processId_ = pi.dwProcessId;
    lost_ = false;
    lostReason_.clear();
    WaitForInputIdle(process_, kStartMs);

    sheet_ = FindWindowOf(L"#32770", L"Jednotar jednotek", kStartMs);
    if (!sheet_) {
        error = WaitExit(0) ? "the program ended without showing its window"
                            : "no window \"Jednotar jednotek\" of class #32770 appeared";
        Lose(error);
        Kill();
        return false;
    }
    threadId_ = GetWindowThreadProcessId(sheet_, nullptr);
    remote_ = VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    return true;
}

void Target::Detach()
{
    if (remote_ && process_)
        VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    remote_ = nullptr;
    if (process_)
        CloseHandle(process_);
    process_ = nullptr;
}

void Target::Kill()
{
    if (process_ && !WaitExit(0)) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, kAnswerMs);
    }
}

bool Target::WaitExit(DWORD ms)
{
    return process_ && WaitForSingleObject(process_, ms) == WAIT_OBJECT_0;
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
    if (!Alive())
        return false;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG, kAnswerMs, &answer)) {
        if (result)
            *result = 0;
        NoAnswer(hwnd, msg);
        return false;
    }
    if (result)
        *result = static_cast<LRESULT>(answer);
    return true;
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
    if (!hwnd || !Alive())
        return std::string();
    if (!ReadText(hwnd, text)) {
        NoAnswer(hwnd, WM_GETTEXT);
        return std::string();
    }
    return Narrow(text);
}

HWND Target::TabControl()
{
    LRESULT tab = 0;
    Send(sheet_, PSM_GETTABCONTROL, 0, 0, &tab);
    return reinterpret_cast<HWND>(tab);
}

int Target::TabCount()
{
    LRESULT n = -1;
    HWND tab = TabControl();
    if (!tab || !Send(tab, TCM_GETITEMCOUNT, 0, 0, &n))
        return -1;
    return static_cast<int>(n);
}

int Target::CurrentTab()
{
    LRESULT n = -1;
    HWND tab = TabControl();
    if (!tab || !Send(tab, TCM_GETCURSEL, 0, 0, &n))
        return -1;
    return static_cast<int>(n);
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
    if (!WriteProcessMemory(process_, remote_, &item, sizeof item, &done) ||
        !WriteProcessMemory(process_, base + textOffset, text.data(), textChars * sizeof(wchar_t), &done))
        return std::string();
    LRESULT ok = 0;
    if (!Send(tab, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote_), &ok) || !ok)
        return std::string();
    // The control may answer with a pointer of its own instead of copying.
    if (!ReadProcessMemory(process_, remote_, &item, sizeof item, &done) || !item.pszText)
        return std::string();
    if (!ReadProcessMemory(process_, item.pszText, text.data(), (textChars - 1) * sizeof(wchar_t), &done))
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

int Target::ListCount(HWND list)
{
    LRESULT n = -1;
    if (!list || !Send(list, CB_GETCOUNT, 0, 0, &n))
        return -1;
    return static_cast<int>(n);
}

std::string Target::ListText(HWND list, int pos)
{
    std::wstring text;
    if (!list || !Alive())
        return std::string();
    if (!ReadItemText(list, pos, text)) {
        NoAnswer(list, CB_GETLBTEXT);
        return std::string();
    }
    return Narrow(text);
}

LRESULT Target::ListData(HWND list, int pos)
{
    LRESULT data = CB_ERR;
    if (list)
        Send(list, CB_GETITEMDATA, static_cast<WPARAM>(pos), 0, &data);
    return data;
}

int Target::ListSelection(HWND list)
{
    LRESULT sel = -2;
    if (!list || !Send(list, CB_GETCURSEL, 0, 0, &sel))
        return -2;
    return static_cast<int>(sel);
}

bool Target::Pick(HWND page, HWND list, int pos)
{
    if (!page || !list || !Alive())
        return false;
    if (Select(page, GetDlgCtrlID(list), pos))
        return true;
    NoAnswer(list, CB_SETCURSEL);
    return false;
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
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND to = fallback;
    if (GetGUIThreadInfo(threadId_, &info) && info.hwndFocus)
        to = info.hwndFocus;
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

HWND Target::FindWindowOf(const wchar_t* className, const std::wstring& caption, DWORD ms)
{
    WindowQuery query;
    query.process = processId_;
    query.className = className;
    query.caption = caption.c_str();
    HWND found = nullptr;
    WaitFor([&] { return (found = FindTopWindow(query)) != nullptr || WaitExit(0); }, ms);
    return found;
}

bool Target::WaitGone(HWND hwnd, DWORD ms)
{
    return WaitUntilGone(hwnd, ms);
}
