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

// What the About box's e-mail label hands the shell.
constexpr wchar_t kMailTarget[] = L"mailto:info@brodvik.example";

// Stands in for the shell's "open" while it lives, so that nothing of the
// user's starts: it records every target a label asks it to open, in order,
// and answers success unless the test refused that target (as the shell
// fails a missing file or a type nothing opens). One at a time.
class RecordingLauncher {
public:
    RecordingLauncher();
    ~RecordingLauncher();
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    // From now on the launch of `target` fails.
    void Refuse(const std::wstring& target);
    // The targets asked for so far, waiting up to the timeout for `atLeast`
    // of them (a launch posted to the label's thread comes later).
    std::vector<std::wstring> Opened(size_t atLeast = 0, DWORD timeoutMs = 5000) const;
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
