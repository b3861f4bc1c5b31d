#include "tests/gui/link_probe.h"

#include <set>

#include "framework/gdi.h"
#include "framework/shell_open.h"
#include "tests/gui/window_capture.h"

#include "tests/support/lock.h"
#include "tests/support/wait.h"

namespace {

// The launcher's state: the label asks on its window's thread while the
// test reads from another.
Lock g_lock;
std::vector<std::wstring> g_opened;
std::set<std::wstring> g_refused;

bool Record(const std::wstring& target)
{
    const Hold hold(g_lock);
    g_opened.push_back(target);
    return g_refused.count(target) == 0;
}

}  // namespace

RecordingLauncher::RecordingLauncher()
{
    SetShellOpenFunction(&Record);
}

RecordingLauncher::~RecordingLauncher()
{
    SetShellOpenFunction(nullptr);
    const Hold hold(g_lock);
    g_opened.clear();
    g_refused.clear();
}

void RecordingLauncher::Refuse(const std::wstring& target)
{
    const Hold hold(g_lock);
    g_refused.insert(target);
}

std::vector<std::wstring> RecordingLauncher::Opened(size_t atLeast, DWORD timeoutMs) const
{
    std::vector<std::wstring> opened;
    WaitFor(
        [&] {
            const Hold hold(g_lock);
            opened = g_opened;
            return opened.size() >= atLeast;
        },
        timeoutMs);
    return opened;
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
