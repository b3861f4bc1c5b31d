#include "tests/gui/mail_handler.h"

#include <cstdio>

#include "framework/string_utf8.h"
#include "tests/support/platform.h"

namespace {

constexpr wchar_t kCommandKey[] = L"mailto\\shell\\open\\command";

bool ReadDefault(std::wstring* value)
{
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer);
    if (RegGetValueW(HKEY_CLASSES_ROOT, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return false;
    *value = buffer;
    return true;
}

void WriteDefault(const std::wstring& value)
{
    RegSetKeyValueW(HKEY_CLASSES_ROOT, kCommandKey, nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::string ReadFile(const std::wstring& path)
{
    FILE* file = nullptr;
    if (_wfopen_s(&file, path.c_str(), L"rb") != 0)
        return {};
    std::string content;
    for (int c; (c = fgetc(file)) != EOF;)
        content += static_cast<char>(c);
    fclose(file);
    return content;
}

}  // namespace

MailHandler::MailHandler(bool working)
{
    m_folder = NewTempFolder(L"mail");
    m_log = m_folder + L"\\opened.log";
    const std::wstring script = m_folder + L"\\mail.bat";
    if (working) {
        FILE* file = nullptr;
        if (_wfopen_s(&file, script.c_str(), L"wb") == 0) {
            const std::string line = "@echo %*>>\"" + WideToUtf8(m_log) + "\"\r\n";
            fwrite(line.data(), 1, line.size(), file);
            fclose(file);
        }
    }
    m_hadCommand = ReadDefault(&m_previousCommand);
    // cmd takes the outermost pair of quotes off the rest of its line.
    WriteDefault(working ? L"cmd.exe /c \"\"" + script + L"\" \"%1\"\"" : L"\"" + m_folder + L"\\missing.exe\" \"%1\"");
}

MailHandler::~MailHandler()
{
    if (m_hadCommand)
        WriteDefault(m_previousCommand);
    else
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"mailto");
    DeleteFileW(m_log.c_str());
    DeleteFileW((m_folder + L"\\mail.bat").c_str());
    RemoveDirectoryW(m_folder.c_str());
}

std::wstring MailHandler::Opened(DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    std::string content = ReadFile(m_log);
    while (content.find('\n') == std::string::npos && GetTickCount() - start < timeoutMs) {
        Sleep(50);
        content = ReadFile(m_log);
    }
    std::string opened;
    for (char c : content)
        if (c != '"' && c != '\r' && c != '\n')
            opened += c;
    while (!opened.empty() && opened.back() == ' ')
        opened.pop_back();
    return Utf8ToWide(opened);
}
