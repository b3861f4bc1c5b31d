#include "tests/gui/link_probe.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/gdi.h"
#include "tests/gui/window_capture.h"

#include "tests/support/platform.h"
#include "tests/support/text.h"
#include "tests/support/wait.h"

namespace {

constexpr wchar_t kMailCommandKey[] = L"mailto\\shell\\open\\command";

void SetMailCommand(const std::wstring& command)
{
    RegSetKeyValueW(HKEY_CLASSES_ROOT, kMailCommandKey, nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
}

// The log's lines, without their line ends, trailing blanks and quotes. A
// last line without its end is still being written.
std::vector<std::wstring> ReadLines(const std::wstring& path)
{
    std::vector<std::wstring> lines;
    std::ifstream log(std::filesystem::path(path), std::ios::binary);
    for (std::string line; std::getline(log, line) && !log.eof();) {
        line.erase(std::remove_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '"'; }), line.end());
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(Widen(line));
    }
    return lines;
}

void WriteText(const std::wstring& path, const std::string& content)
{
    std::ofstream(std::filesystem::path(path), std::ios::binary) << content;
}

}  // namespace

LaunchTargets::LaunchTargets() : m_folder(NewTempFolder(L"links")) {}

LaunchTargets::~LaunchTargets()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

std::wstring LaunchTargets::Script(const std::wstring& name)
{
    const std::wstring path = PathOf(name);
    // The blank keeps a text ending in a digit from reading as a handle; the
    // log's reader drops it.
    WriteText(path, "@echo " + Narrow(name) + " %* >>\"" + Narrow(m_folder) + "\\opened.log\"\r\n");
    return path;
}

std::wstring LaunchTargets::PathOf(const std::wstring& name) const
{
    return m_folder + L"\\" + name + L".bat";
}

std::wstring LaunchTargets::UnknownType(const std::wstring& name)
{
    const std::wstring path = m_folder + L"\\" + name + L".jednotarneznamy";
    WriteText(path, "");
    return path;
}

std::vector<std::wstring> LaunchTargets::Opened(size_t atLeast, DWORD timeoutMs) const
{
    std::vector<std::wstring> opened;
    WaitFor([&] { return (opened = ReadLines(m_folder + L"\\opened.log")).size() >= atLeast; }, timeoutMs, 50);
    return opened;
}

MailProgram::MailProgram(const std::wstring& program)
{
    // The first key of the command's path that is not there yet is all
    // that the test adds, and all it removes again: a system's own mailto
    // key, with its other values, stays.
    for (const wchar_t* key : {L"mailto", L"mailto\\shell", L"mailto\\shell\\open", kMailCommandKey}) {
        HKEY existing = nullptr;
        if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &existing) != ERROR_SUCCESS) {
            m_addedKey = key;
            break;
        }
        RegCloseKey(existing);
    }
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
    else if (!m_addedKey.empty())
        RegDeleteTreeW(HKEY_CLASSES_ROOT, m_addedKey.c_str());
    else
        RegDeleteKeyValueW(HKEY_CLASSES_ROOT, kMailCommandKey, nullptr);
}

LinkLook QueryLook(HWND label)
{
    LinkLook look;
    const CMemoryDC dc(nullptr);
    const ScopedSelect original(dc, GetCurrentObject(dc.m_hDC, OBJ_FONT));  // the label owns its font
    const LRESULT brush = SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
                                       reinterpret_cast<LPARAM>(label));
    look.linkBrush = reinterpret_cast<HGDIOBJ>(brush) == GetStockObject(NULL_BRUSH);
    look.textColor = GetTextColor(dc.m_hDC);
    look.backgroundMode = GetBkMode(dc.m_hDC);
    look.font = static_cast<HFONT>(GetCurrentObject(dc.m_hDC, OBJ_FONT));
    look.logFont = LogFontOf(look.font);
    return look;
}

void Click(HWND label)
{
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}
