// Observing hyperlink labels without a browser.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

constexpr COLORREF kUnvisited = RGB(0, 0, 220);
constexpr COLORREF kVisited = RGB(200, 0, 0);

// The maker's addresses, as the About box's two labels show them.
constexpr wchar_t kWebAddress[] = L"https://www.brodvik.example/";
constexpr wchar_t kMailAddress[] = L"info@brodvik.example";

// Launch targets whose shell result the test controls. A script is a .bat
// file in a private temporary folder: the shell's "open" runs it through the
// command interpreter (success), and it appends its name and whatever it was
// handed to the folder's one log, so the test sees which files were opened,
// with what and in which order. A missing file fails with "file not found",
// a file of an unknown type with "no association"; neither leaves a trace.
// Nothing reaches the network.
class LaunchTargets {
public:
    LaunchTargets();
    ~LaunchTargets();
    LaunchTargets(const LaunchTargets&) = delete;
    LaunchTargets& operator=(const LaunchTargets&) = delete;

    std::wstring Script(const std::wstring& name);
    // Where Script puts the script `name`: a missing file until it does.
    std::wstring PathOf(const std::wstring& name) const;
    std::wstring UnknownType(const std::wstring& name);
    // The scripts run so far, in order, waiting up to the timeout for
    // `atLeast` of them: each one's name, and after a blank what it was
    // handed, if anything, without quotes.
    std::vector<std::wstring> Opened(size_t atLeast, DWORD timeoutMs = 15000) const;

private:
    std::wstring m_folder;
};

// Stands in for the user's mail program: while it lives, the shell opens
// "mailto:" addresses with `program`, handed the address. A script of
// LaunchTargets logs it; a missing file makes every launch fail.
class MailProgram {
public:
    explicit MailProgram(const std::wstring& program);
    ~MailProgram();
    MailProgram(const MailProgram&) = delete;
    MailProgram& operator=(const MailProgram&) = delete;

private:
    bool m_hadCommand = false;
    std::wstring m_previousCommand;
    std::wstring m_addedKey;  // the first key of the command's path that was not there
};

// What a static's parent, or the label it reflects the query to, answers to
// its colour query, asked as the static asks before painting:
// WM_CTLCOLORSTATIC with a fresh DC.
struct LinkLook {
    bool linkBrush = false;  // the stock null brush
    COLORREF textColor = 0;
    int backgroundMode = 0;
    HFONT font = nullptr;
    LOGFONTW logFont{};
};
LinkLook QueryLook(HWND label);

// A left-button press and release near the top left of the label.
void Click(HWND label);
