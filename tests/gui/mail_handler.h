// Stands in for the user's mail program: while it lives, the shell opens
// "mailto:" addresses with a script of the test's own, which writes what it
// was handed to a log. Nothing reaches a real mail program.
#pragma once

#include <windows.h>

#include <string>

class MailHandler {
public:
    // `working` false: the registered command names a program that does not
    // exist, so every launch fails.
    explicit MailHandler(bool working = true);
    ~MailHandler();
    MailHandler(const MailHandler&) = delete;
    MailHandler& operator=(const MailHandler&) = delete;

    // The text the shell handed over, quotes and line end removed; empty if
    // the script has not run within the timeout.
    std::wstring Opened(DWORD timeoutMs = 15000) const;

private:
    std::wstring m_folder;
    std::wstring m_log;
    bool m_hadCommand = false;
    std::wstring m_previousCommand;
};
