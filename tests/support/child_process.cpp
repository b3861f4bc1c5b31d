#include "tests/support/child_process.h"

#include "tests/support/text.h"
#include "tests/support/wait.h"

ChildProcess::~ChildProcess()
{
    End();
    Release();
}

bool ChildProcess::Start(const std::wstring& program, const std::wstring& arguments)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty())
        commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    return true;
}

bool ChildProcess::WaitExit(DWORD timeoutMs) const
{
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

void ChildProcess::End()
{
    if (process_ && !WaitExit(0)) {
        TerminateProcess(process_, 1);
        WaitExit(kAnswerMs);
    }
}

void ChildProcess::Release()
{
    if (process_)
        CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

HWND ChildProcess::WaitForWindow(WindowQuery query, DWORD timeoutMs, DWORD pollMs) const
{
    query.thread = 0;
    query.process = id_;
    HWND found = nullptr;
    if (!process_)
        return nullptr;
    WaitFor([&] { return (found = FindTopWindow(query)) != nullptr || WaitExit(0); }, timeoutMs, pollMs);
    return found;
}
