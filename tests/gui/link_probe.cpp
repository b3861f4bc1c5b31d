#include "tests/gui/link_probe.h"

#include <cstdio>

#include "framework/string_utf8.h"

namespace {

std::wstring LogOf(const std::wstring& script) { return script + L".log"; }

int CountLines(const std::wstring& path)
{
    FILE* file = nullptr;
    if (_wfopen_s(&file, path.c_str(), L"rb") != 0)
        return 0;
    int lines = 0;
    for (int c; (c = fgetc(file)) != EOF;)
        lines += c == '\n';
    fclose(file);
    return lines;
}

bool WriteText(const std::wstring& path, const std::string& content)
{
    FILE* file = nullptr;
    if (_wfopen_s(&file, path.c_str(), L"wb") != 0)
        return false;
    fwrite(content.data(), 1, content.size(), file);
    fclose(file);
    return true;
}

}  // namespace

LaunchTargets::LaunchTargets()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    wchar_t name[16] = {};
    swprintf(name, 16, L"links%lu", GetCurrentProcessId() ^ GetTickCount());
    m_folder = std::wstring(temp) + name;
    CreateDirectoryW(m_folder.c_str(), nullptr);
}

LaunchTargets::~LaunchTargets()
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((m_folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileW((m_folder + L"\\" + found.cFileName).c_str());
        while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(m_folder.c_str());
}

std::wstring LaunchTargets::Script(const std::wstring& name)
{
    const std::wstring path = m_folder + L"\\" + name + L".bat";
    WriteText(path, "@echo opened>>\"" + WideToUtf8(LogOf(path)) + "\"\r\n");
    return path;
}

std::wstring LaunchTargets::Missing(const std::wstring& name) const { return m_folder + L"\\" + name + L".bat"; }

std::wstring LaunchTargets::UnknownType(const std::wstring& name)
{
    const std::wstring path = m_folder + L"\\" + name + L".jednotarneznamy";
    WriteText(path, "");
    return path;
}

int LaunchTargets::Runs(const std::wstring& script, int atLeast, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    int runs = CountLines(LogOf(script));
    while (runs < atLeast && GetTickCount() - start < timeoutMs) {
        Sleep(50);
        runs = CountLines(LogOf(script));
    }
    return runs;
}

LinkLook QueryLook(HWND label)
{
    LinkLook look;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    const LRESULT brush = SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(label));
    look.linkBrush = reinterpret_cast<HGDIOBJ>(brush) == GetStockObject(NULL_BRUSH);
    look.textColor = GetTextColor(dc);
    look.backgroundMode = GetBkMode(dc);
    look.font = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
    GetObjectW(look.font, sizeof(look.logFont), &look.logFont);
    SelectObject(dc, original);  // the label owns its font
    DeleteDC(dc);
    return look;
}

void Click(HWND label, int x, int y)
{
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}
