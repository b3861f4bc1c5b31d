#include "tests/gui/link_probe.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/support/platform.h"
#include "tests/support/text.h"
#include "tests/support/wait.h"

namespace {

// A script's name: its file name without ".bat".
std::wstring NameOf(const std::wstring& script)
{
    const size_t start = script.rfind(L'\\') + 1;
    return script.substr(start, script.rfind(L'.') - start);
}

constexpr wchar_t kMailCommandKey[] = L"mailto\\shell\\open\\command";

void SetMailCommand(const std::wstring& command)
{
    RegSetKeyValueW(HKEY_CLASSES_ROOT, kMailCommandKey, nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

// The log's lines, without their line ends, trailing blanks and quotes.
std::vector<std::wstring> ReadLines(const std::wstring& path)
{
    std::vector<std::wstring> lines;
    FILE* file = nullptr;
    if (_wfopen_s(&file, path.c_str(), L"rb") != 0)
        return lines;
    std::string line;
    for (int c; (c = fgetc(file)) != EOF;) {
        if (c == '\n') {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            lines.push_back(Widen(line));
            line.clear();
        } else if (c != '\r' && c != '"') {
            line += static_cast<char>(c);
        }
    }
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
    m_folder = NewTempFolder(L"links");
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
    // The blank keeps a text ending in a digit from reading as a handle; the
    // log's reader drops it.
    WriteText(path, "@echo " + Narrow(name) + " %* >>\"" + Narrow(m_folder) + "\\opened.log\"\r\n");
    return path;
}

std::wstring LaunchTargets::Missing(const std::wstring& name) const
{
    return m_folder + L"\\" + name + L".bat";
}

std::wstring LaunchTargets::UnknownType(const std::wstring& name)
{
    const std::wstring path = m_folder + L"\\" + name + L".jednotarneznamy";
    WriteText(path, "");
    return path;
}

int LaunchTargets::Runs(const std::wstring& script, int atLeast, DWORD timeoutMs) const
{
    const auto isRun = [&](const std::wstring& line) { return line.substr(0, line.find(L' ')) == NameOf(script); };
    int runs = 0;
    WaitFor(
        [&] {
            const std::vector<std::wstring> opened = ReadLines(m_folder + L"\\opened.log");
            return (runs = static_cast<int>(std::count_if(opened.begin(), opened.end(), isRun))) >= atLeast;
        },
        timeoutMs, 50);
    return runs;
}

std::vector<std::wstring> LaunchTargets::Opened(size_t atLeast, DWORD timeoutMs) const
{
    std::vector<std::wstring> opened;
    WaitFor([&] { return (opened = ReadLines(m_folder + L"\\opened.log")).size() >= atLeast; }, timeoutMs, 50);
    return opened;
}

MailProgram::MailProgram(const std::wstring& program)
{
    wchar_t previous[1024] = {};
    DWORD size = sizeof(previous);
    m_hadCommand = RegGetValueW(HKEY_CLASSES_ROOT, kMailCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, previous, &size) ==
                   ERROR_SUCCESS;
    m_previousCommand = previous;
    SetMailCommand(L"\"" + program + L"\" \"%1\"");
}

MailProgram::~MailProgram()
{
    if (m_hadCommand)
        SetMailCommand(m_previousCommand);
    else
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"mailto");
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
