// A live region: text that a screen reader speaks when it changes, wherever
// the focus is. Its window has no size, so it draws nothing and takes no
// click, yet it is shown (a screen reader may pass a hidden window by); it
// is no tab stop, and it stands last among its parent's children, so that
// it labels no control.
#pragma once

#include "framework/static_ctrl.h"

struct IAccPropServices;

class LiveRegion : public CStatic {
public:
    LiveRegion() = default;
    ~LiveRegion() override;
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

    // Has a screen reader speak `text` once, after what it is saying now:
    // the region's name becomes `text`, and the screen reader is told that
    // it changed. Nothing when the region says `text` already. The window is
    // made under `parent` at the first announcement.
    void Announce(HWND parent, const CString& text);

protected:
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    bool Create(HWND parent);
    void MarkPolite();

    // Holds the region's annotation; null where the system has none to give
    // (Windows 7 without the live setting, or no accessibility library).
    IAccPropServices* m_annotation = nullptr;
};
