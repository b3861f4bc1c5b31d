#include "tests/gui/modal_probe.h"

#include "tests/gui/sheet_harness.h"

namespace {

constexpr wchar_t kSettingsKey[] = L"Software\\Brodvik\\Jednotar jednotek\\Settings";
constexpr wchar_t kPrecisionValue[] = L"Precision";

struct WindowQuery {
    HWND owner;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM state)
{
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(state);
    if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != query.owner)
        return TRUE;
    if (query.caption && TextOf(window) != query.caption)
        return TRUE;
    query.found = window;
    return FALSE;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM state)
{
    MessageBoxSeen& seen = *reinterpret_cast<MessageBoxSeen*>(state);
    if (!IsWindowVisible(child))
        return TRUE;
    const std::wstring kind = ClassOf(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
        seen.buttons.push_back(TextOf(child));
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            seen.exclamation = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) ==
                               LoadIconW(nullptr, IDI_EXCLAMATION);
        else if (!TextOf(child).empty())
            seen.text = TextOf(child);
    }
    return TRUE;
}

}  // namespace

DWORD UiThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

HWND WaitForWindow(DWORD uiThread, HWND owner, const wchar_t* caption, DWORD timeoutMs)
{
    WindowQuery query{owner, caption, nullptr};
    WaitFor(
        [&] {
            EnumThreadWindows(uiThread, &MatchWindow, reinterpret_cast<LPARAM>(&query));
            return query.found != nullptr;
        },
        timeoutMs);
    return query.found;
}

HWND OpenBySystemCommand(HWND sheet, UINT command, const wchar_t* caption)
{
    // Posted: the command runs a modal loop of its own.
    PostMessageW(sheet, WM_SYSCOMMAND, command, 0);
    return WaitForWindow(UiThreadOf(sheet), sheet, caption);
}

bool WaitUntilGone(HWND window, DWORD timeoutMs)
{
    return WaitFor([&] { return !IsWindow(window); }, timeoutMs);
}

bool CloseWith(HWND window, UINT command)
{
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
    return WaitUntilGone(window);
}

void PressButton(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Sync(HWND window) { SendMessageW(window, WM_NULL, 0, 0); }

HWND FocusIn(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(UiThreadOf(window), &info);
    return info.hwndFocus;
}

MessageBoxSeen ReadMessageBox(HWND box)
{
    MessageBoxSeen seen;
    seen.caption = TextOf(box);
    EnumChildWindows(box, &ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

std::optional<DWORD> StoredPrecision()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, kPrecisionValue, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void StorePrecision(DWORD value)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, kPrecisionValue, REG_DWORD, &value, sizeof(value));
}

void ClearSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brodvik"); }
