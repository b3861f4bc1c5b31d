#include "framework/live_region.h"

#include <oleacc.h>

namespace {

// Not in every SDK's headers, and the program still runs on Windows 7,
// where the event means nothing and passes unheard.
constexpr DWORD kEventLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr LONG kPolite = 1;                        // UI Automation's LiveSetting: Polite
constexpr GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID kAccPropServicesClass = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

}  // namespace

BEGIN_MESSAGE_MAP(LiveRegion, CStatic)
    ON_MESSAGE(WM_DESTROY, &LiveRegion::OnDestroy)
END_MESSAGE_MAP()

LiveRegion::~LiveRegion()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
}

void LiveRegion::Announce(HWND parent, const CString& text)
{
    if (!m_hWnd && !Create(parent))
        return;
    if (WindowText(m_hWnd) == text)
        return;
    SetWindowTextW(m_hWnd, text.Wide().c_str());
    NotifyWinEvent(kEventLiveRegionChanged, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

bool LiveRegion::Create(HWND parent)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        return false;
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SubclassWindow(window);
    MarkPolite();
    return true;
}

void LiveRegion::MarkPolite()
{
    // Dynamic annotation: the system's accessible object for the window
    // answers the live setting that a screen reader asks of it. COM loads
    // the accessibility library now, not at start-up.
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER, kAccPropServicesInterface,
                                reinterpret_cast<void**>(&services))))
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    if (FAILED(services->SetHwndProp(m_hWnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty,
                                     polite))) {
        services->Release();
        return;
    }
    m_annotation = services;
}

LRESULT LiveRegion::OnDestroy(WPARAM, LPARAM)
{
    if (m_annotation) {
        MSAAPROPID property = kLiveSettingProperty;
        m_annotation->ClearHwndProps(m_hWnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &property, 1);
        m_annotation->Release();
        m_annotation = nullptr;
    }
    return Default();
}
