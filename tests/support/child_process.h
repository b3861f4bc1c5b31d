// A program that a test or probe starts and drives from outside. The
// process ends with the object unless it is released first.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/windows_found.h"

class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts `program` (once per object) with its quoted path and then
    // `arguments` as its command line; false, with GetLastError telling why,
    // when it cannot.
    bool Start(const std::wstring& program, const std::wstring& arguments = std::wstring());
    HANDLE Handle() const { return process_; }
    DWORD Id() const { return id_; }
    // True once the process has ended, waiting up to `timeoutMs`; false
    // when none was started.
    bool WaitExit(DWORD timeoutMs) const;
    // Ends the process if it still runs, and waits for it to go.
    void End();
    // Lets the process run on: forgets it without ending it.
    void Release();
    // Polls for a top-level window of this process that fits `query`; null
    // after the timeout, or at once when the process has ended.
    HWND WaitForWindow(WindowQuery query, DWORD timeoutMs, DWORD pollMs = 20) const;

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};
