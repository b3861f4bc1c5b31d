// What an accessibility client sees of a control that acts as a link: the
// system's own accessible object for the control, with the role, state,
// name and default action of a link.
#pragma once

#include <windows.h>

#include <string>

// What the control tells about itself; asked on its window's thread.
class LinkFacts {
public:
    virtual std::wstring LinkAddress() const = 0;     // the name
    virtual std::wstring LinkActionName() const = 0;  // the default action's name
    virtual bool LinkVisited() const = 0;
    // The default action: the control opens the link once the caller has
    // its answer, on the window's own thread.
    virtual void OpenLinkLater() = 0;

protected:
    ~LinkFacts() = default;
};

class LinkAccessibleObject;

// One per control. The accessibility library is loaded when a client first
// asks, not before.
class AccessibleLink {
public:
    AccessibleLink() = default;
    ~AccessibleLink() { Disconnect(); }
    AccessibleLink(const AccessibleLink&) = delete;
    AccessibleLink& operator=(const AccessibleLink&) = delete;

    // The answer to WM_GETOBJECT: the link's object for its client area;
    // 0 for any other object, or where the system lacks the library, so
    // that the window's default processing answers.
    LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam, LinkFacts& facts);
    // The window is going: from now on every client's object answers that
    // it is no longer connected.
    void Disconnect();

private:
    LinkAccessibleObject* m_object = nullptr;  // one reference held
};
