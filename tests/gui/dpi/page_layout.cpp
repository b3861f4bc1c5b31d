#include "tests/gui/dpi/page_layout.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <optional>
#include <string>

#include "pages/page_roster.h"

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

std::optional<DWORD> ReadLogPixels()
{
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void WriteLogPixels(std::optional<DWORD> value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*value), sizeof(DWORD));
    else
        RegDeleteValueW(key, L"LogPixels");
    RegCloseKey(key);
}

// Sets the display scale that a process started from now on reads, and
// puts the one before back when it goes.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi) : m_before(ReadLogPixels()) { WriteLogPixels(dpi); }
    ~ScopedLogPixels() { WriteLogPixels(m_before); }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

private:
    std::optional<DWORD> m_before;
};

LONG FontHeightOf(HWND control)
{
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    return font && GetObjectW(font, sizeof(logFont), &logFont) ? logFont.lfHeight : 0;
}

std::wstring TempFile()
{
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"lay", 0, path);
    return path;
}

}  // namespace

std::vector<ControlLayout> ControlsOf(HWND window, int page)
{
    std::vector<ControlLayout> controls;
    int index = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ControlLayout c{page, index++, {}, FontHeightOf(child)};
        GetWindowRect(child, &c.rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&c.rect), 2);
        controls.push_back(c);
    }
    return controls;
}

std::vector<ControlLayout> LayoutOfPages(const Sheet& sheet)
{
    std::vector<ControlLayout> controls;
    for (int page = 0; page < static_cast<int>(kPageCount); ++page) {
        if (HWND window = reinterpret_cast<HWND>(SendMessageW(sheet.window, PSM_INDEXTOHWND, page, 0))) {
            const std::vector<ControlLayout> ofPage = ControlsOf(window, page);
            controls.insert(controls.end(), ofPage.begin(), ofPage.end());
        }
    }
    return controls;
}

int WriteFreshLayout(const char* path)
{
    std::vector<ControlLayout> controls;
    const bool ran = RunSheet([&](const Sheet& sheet) {
        for (int page = 0; page < static_cast<int>(kPageCount); ++page)
            sheet.ShowPage(page);
        controls = LayoutOfPages(sheet);
    });
    FILE* out = std::fopen(path, "w");
    if (!ran || !out)
        return 1;
    HDC screen = GetDC(nullptr);
    std::fprintf(out, "dpi %d\n", GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    for (const ControlLayout& c : controls)
        std::fprintf(out, "%d %d %ld %ld %ld %ld %ld\n", c.page, c.index, c.rect.left, c.rect.top, c.rect.right,
                     c.rect.bottom, c.fontHeight);
    return std::fclose(out) == 0 ? 0 : 1;
}

FreshLayout FreshLayoutAt(UINT dpi)
{
    FreshLayout fresh;
    const std::wstring output = TempFile();
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::string switchText = kFreshLayoutSwitch;
    std::wstring command = L"\"" + std::wstring(program) + L"\" " + std::wstring(switchText.begin(), switchText.end()) +
                           L" \"" + output + L"\"";
    {
        // Wine reads the scale once, as a process starts.
        ScopedLogPixels scale(dpi);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return fresh;
        if (WaitForSingleObject(process.hProcess, 120000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (FILE* in = _wfopen(output.c_str(), L"r")) {
        std::fscanf(in, "dpi %u\n", &fresh.dpi);
        ControlLayout c;
        while (std::fscanf(in, "%d %d %ld %ld %ld %ld %ld\n", &c.page, &c.index, &c.rect.left, &c.rect.top,
                           &c.rect.right, &c.rect.bottom, &c.fontHeight) == 7)
            fresh.controls.push_back(c);
        std::fclose(in);
    }
    DeleteFileW(output.c_str());
    return fresh;
}
